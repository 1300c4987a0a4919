#include "room_type_caption.h"

#include <array>

namespace vendrel::generator_ui {

std::string_view RoomTypeCaption(const RoomCell& typeCell) {
  static constexpr std::array<std::string_view, 7> kCaptions{
      "1 (One way part)", "2 (Turn part)",  "3 (Three way part)", "4 (Cross section)",
      "5 (Alley)",        "6 (Game Start)", "7 (Game End)"};
  const auto code = typeCell.Whole();
  if (code && *code >= 0 && *code < static_cast<long long>(kCaptions.size())) {
    return kCaptions[static_cast<std::size_t>(*code)];
  }
  if (code == kBlockedTypeCode) return "(This room is blocked)";
  return "<unknown> (Not Supported)";
}

}  // namespace vendrel::generator_ui
