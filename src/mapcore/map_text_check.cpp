#include "map_text_check.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <string_view>
#include <system_error>
#include <utility>

#include "bracketed_value.h"
#include "control_bytes.h"
#include "number_text.h"
#include "quoted_excerpt.h"
#include "text_case.h"
#include "world_bounds.h"

namespace vendrel {
namespace {

// The keys whose values the room's turn and move compute with.
enum class NumberKey { None, Plane, Point, StartPosition, TextureAxis, Angles };

NumberKey NumberKeyOf(std::string_view key) {
  // Most keys are none of these; their length tells without comparing letters.
  if (key.size() != 5 && key.size() != 6 && key.size() != 11 && key.size() != 13) {
    return NumberKey::None;
  }
  if (EqualsIgnoringCase(key, "plane")) return NumberKey::Plane;
  if (EqualsIgnoringCase(key, "origin") || EqualsIgnoringCase(key, "point0") ||
      EqualsIgnoringCase(key, "point1") || EqualsIgnoringCase(key, "attachpoint")) {
    return NumberKey::Point;
  }
  if (EqualsIgnoringCase(key, "startposition")) return NumberKey::StartPosition;
  if (EqualsIgnoringCase(key, "uaxis") || EqualsIgnoringCase(key, "vaxis")) {
    return NumberKey::TextureAxis;
  }
  if (EqualsIgnoringCase(key, "angles")) return NumberKey::Angles;
  return NumberKey::None;
}

constexpr std::string_view kFirstBrushItem = "solid";

bool IsMarker(std::string_view item) { return item == kWorldEndMarker || item == kEndOfRoomMarker; }

bool IsBraceOrMarker(std::string_view item) { return item == "{" || item == "}" || IsMarker(item); }

// Spelled as a number, but too large or not a number at all ("inf", "nan").
bool ReadsAsNonFinite(std::string_view text) {
  double value = 0;
  const char* last = text.data() + text.size();
  const auto [ptr, ec] = std::from_chars(text.data(), last, value);
  return ptr == last &&
         (ec == std::errc::result_out_of_range || (ec == std::errc() && !std::isfinite(value)));
}

std::string FieldProblem(std::string_view field, bool position) {
  const auto value = ParseNumber(field);
  if (value && (!position || std::fabs(*value) <= kFarOutsideWorld)) return {};
  const std::string holds = "holds " + QuotedExcerpt(field);
  if (value) {
    return holds + ", far outside the world (beyond " + FormatNumber(kFarOutsideWorld) +
           " from its middle)";
  }
  return ReadsAsNonFinite(field) ? holds + ", which is not a finite number"
                                 : holds + " where a number is needed";
}

std::string PointProblem(std::string_view xyz) {
  if (const auto plain = PlainWholePoint(xyz)) {
    if (std::all_of(plain->begin(), plain->end(),
                    [](double v) { return std::fabs(v) <= kFarOutsideWorld; })) {
      return {};
    }
  }
  const FiveFieldViews f = SSplitViews(xyz);
  for (const std::string_view field : {f.f1, f.f2, f.f3}) {
    if (std::string problem = FieldProblem(field, true); !problem.empty()) return problem;
  }
  return {};
}

class MapTextCheck {
 public:
  MapTextCheck(const Items& items, const std::vector<std::size_t>& lines, MapTextLayout layout)
      : items_(items), lines_(lines), layout_(layout) {}

  std::optional<MapTextFault> Run(std::size_t endLine) {
    std::size_t i = 0;
    while (i < items_.size()) {
      const std::size_t line = lines_[i];
      std::size_t rowEnd = i + 1;
      while (rowEnd < items_.size() && lines_[rowEnd] == line) ++rowEnd;
      std::string problem;
      for (std::size_t k = i; k < rowEnd && problem.empty(); ++k) {
        problem = ItemByteProblem(items_[k]);
      }
      if (problem.empty()) {
        switch (rowEnd - i) {
          case 1: problem = SingleItemRow(i); break;
          case 2: problem = KeyValueRow(i); break;
          default:
            problem = "the item " + QuotedExcerpt(items_[i + 2]) + " follows the key " +
                      QuotedExcerpt(items_[i]) + " and its value on their line";
        }
      }
      if (!problem.empty()) return MapTextFault{line, std::move(problem)};
      i = rowEnd;
    }
    if (!open_.empty()) {
      const auto& [name, line] = open_.back();
      return MapTextFault{endLine, "the block \"" + std::string(name) + "\" opened at line " +
                                       std::to_string(line) + " is never closed"};
    }
    if (layout_ == MapTextLayout::RoomBody && sawRow_ && !worldEnded_) {
      return MapTextFault{endLine,
                          "the world end line " + std::string(kWorldEndMarker) + " is missing"};
    }
    return std::nullopt;
  }

 private:
  std::string SingleItemRow(std::size_t i) {
    const std::string& item = items_[i];
    const bool afterName = std::exchange(afterBlockName_, false);
    if (item.empty()) return {};
    sawRow_ = true;
    if (item == "{") {
      if (!afterName) return "a { that follows no block name";
      open_.emplace_back(items_[i - 1], lines_[i]);
      return {};
    }
    if (item == "}") {
      if (open_.empty()) return "a } that closes no block";
      open_.pop_back();
      return {};
    }
    if (item == kWorldEndMarker && layout_ == MapTextLayout::RoomBody) {
      if (worldEnded_) return "a second world end line";
      if (!open_.empty()) {
        return "the world end line stands inside the block \"" + std::string(open_.back().first) +
               "\" opened at line " + std::to_string(open_.back().second);
      }
      worldEnded_ = true;
      return {};
    }
    if (IsMarker(item)) return "the line " + item + " has no place here";
    if (i + 1 < items_.size() && items_[i + 1] == "{") {
      afterBlockName_ = true;
      return item == kFirstBrushItem ? FirstBrushProblem() : std::string();
    }
    return "the word " + QuotedExcerpt(item) +
           " is neither a key with its value on its line nor a block name followed by {";
  }

  // A room keeps a map from its first "solid" item on, taking the world's closing brace
  // for the world's end: that item must open a brush directly in the world.
  std::string FirstBrushProblem() {
    if (layout_ != MapTextLayout::Map || std::exchange(firstBrushSeen_, true)) return {};
    if (open_.size() == 1 && open_.front().first == "world") return {};
    if (open_.empty()) return "the first brush stands outside the world block";
    return "the first brush stands inside the block \"" + std::string(open_.back().first) +
           "\" opened at line " + std::to_string(open_.back().second) +
           ", not directly in the world block";
  }

  std::string KeyValueRow(std::size_t i) {
    afterBlockName_ = false;
    sawRow_ = true;
    const std::string& key = items_[i];
    const std::string& value = items_[i + 1];
    if (IsBraceOrMarker(key) || IsBraceOrMarker(value)) {
      return QuotedExcerpt(key) + " and " + QuotedExcerpt(value) +
             " stand on one line, but a brace or a marker line holds nothing else";
    }
    if (key.empty()) return "the value " + QuotedExcerpt(value) + " has no key";
    if (layout_ == MapTextLayout::Map && !firstBrushSeen_ &&
        (key == kFirstBrushItem || value == kFirstBrushItem)) {
      return QuotedExcerpt(key) + " " + QuotedExcerpt(value) +
             " stands before the first brush, and the room would be cut from that word on";
    }
    if (open_.empty() && (layout_ == MapTextLayout::Map || worldEnded_)) {
      return "the key " + QuotedExcerpt(key) + " stands outside every block";
    }
    const std::string problem = ValueProblem(NumberKeyOf(key), value);
    if (problem.empty()) return {};
    return "the value " + QuotedExcerpt(value) + " of " + QuotedExcerpt(key) + " " + problem;
  }

  std::string ValueProblem(NumberKey key, const std::string& value) {
    switch (key) {
      case NumberKey::Plane: {
        const ThreePartViews points = CSplitViews(value);
        for (const std::string_view point : {points.first, points.second, points.third}) {
          if (std::string problem = PointProblem(point); !problem.empty()) return problem;
        }
        return {};
      }
      case NumberKey::Point: return PointProblem(value);
      case NumberKey::StartPosition:
        // A func_movelinear keeps a plain fraction under the same key.
        if (!IsBracketedVector(value)) return {};
        UnbracketInto(unbracketed_, value);
        return PointProblem(unbracketed_);
      case NumberKey::TextureAxis: {
        UnbracketInto(unbracketed_, value);
        const FiveFieldViews f = SSplitViews(unbracketed_);
        for (const std::string_view field : {f.f1, f.f2, f.f3, f.f4, f.f5}) {
          if (std::string problem = FieldProblem(field, false); !problem.empty()) return problem;
        }
        return {};
      }
      case NumberKey::Angles: {
        // An empty angle is left as it is by the turn.
        const FiveFieldViews f = SSplitViews(value);
        for (const std::string_view field : {f.f1, f.f2, f.f3}) {
          if (field.empty()) continue;
          if (std::string problem = FieldProblem(field, false); !problem.empty()) return problem;
        }
        return {};
      }
      case NumberKey::None: break;
    }
    return {};
  }

  const Items& items_;
  const std::vector<std::size_t>& lines_;
  MapTextLayout layout_;
  std::vector<std::pair<std::string_view, std::size_t>> open_;  // block name, line of its {
  std::string unbracketed_;
  bool afterBlockName_ = false;
  bool worldEnded_ = false;
  bool sawRow_ = false;
  bool firstBrushSeen_ = false;
};

}  // namespace

std::optional<MapTextFault> FindMapTextFault(const Items& items,
                                             const std::vector<std::size_t>& lines,
                                             MapTextLayout layout, std::size_t endLine) {
  return MapTextCheck(items, lines, layout).Run(endLine);
}

}  // namespace vendrel
