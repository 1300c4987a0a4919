#include "left_out_rooms_notice.h"

#include <string>
#include <string_view>
#include <utility>

namespace vendrel::generator_ui {
namespace {

constexpr std::size_t kLongestText = 400;
constexpr std::size_t kMostListed = 3;
// A reason may quote a header item of any length; a name may be as long as the system allows.
constexpr std::size_t kLongestName = 60;
constexpr std::size_t kLongestReason = 160;
constexpr std::string_view kIntro = "These room files are left out, and no run will use them:";
constexpr std::string_view kEllipsis = "...";
constexpr std::size_t kLongestCount = 20;  // the digits of the largest std::size_t

std::string MoreLine(std::size_t more) {
  return "...and " + std::to_string(more) + " more room file" + (more == 1 ? "." : "s.");
}

// The first room's line always fits, so that every box names at least one file.
static_assert(kIntro.size() + 1 + kLongestName + 2 + kLongestReason + 1 +
                  std::string_view("...and  more room files.").size() + kLongestCount <=
              kLongestText);

std::string Clipped(std::string text, std::size_t longest) {
  if (text.size() <= longest) return text;
  text.resize(longest - kEllipsis.size());
  return text + std::string(kEllipsis);
}

std::string RoomLine(const LeftOutRoom& room) {
  return Clipped(room.file.filename().string(), kLongestName) + ": " +
         Clipped(room.reason, kLongestReason);
}

// Never longer than a box may be, whatever a file's name or header holds.
std::string LeftOutRoomsText(const std::vector<LeftOutRoom>& leftOut) {
  std::string text(kIntro);
  std::size_t listed = 0;
  while (listed < leftOut.size() && listed < kMostListed) {
    std::string longer = text + "\n" + RoomLine(leftOut[listed]);
    const std::size_t more = leftOut.size() - listed - 1;
    const std::size_t tail = more == 0 ? 0 : 1 + MoreLine(more).size();
    if (listed > 0 && longer.size() + tail > kLongestText) break;
    text = std::move(longer);
    ++listed;
  }
  if (listed < leftOut.size()) text += "\n" + MoreLine(leftOut.size() - listed);
  return text;
}

}  // namespace

void LeftOutRoomsNotice::BeforeRun(Host& host, const std::vector<LeftOutRoom>& leftOut) {
  std::set<std::filesystem::path> files;
  for (const LeftOutRoom& room : leftOut) files.insert(room.file);
  if (files == told_) return;
  told_ = std::move(files);
  if (leftOut.empty()) return;
  host.Message("Warning!", LeftOutRoomsText(leftOut), MessageIcon::Exclamation,
               MessageButtons::Ok);
}

}  // namespace vendrel::generator_ui
