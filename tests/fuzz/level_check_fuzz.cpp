// Any level file, made by the generator or by hand, is read and judged, or refused as
// unreadable; the check and the layout behind the preview never fail on what they read.
#include <cstdint>

#include "fuzz_input.h"
#include "level_layout.h"
#include "level_map.h"
#include "map_check.h"
#include "map_format_error.h"
#include "solid_grid.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace vendrel;
  static const auto file = fuzz::FuzzFolder("level_check") / "level.vmf";
  fuzz::WriteInput(file, data, size);
  try {
    const preview::LevelMap map = preview::ReadLevelMap(file);
    preview::SolidGrid grid(map.brushes);
    const preview::LevelCheck check = preview::CheckLevel(map, grid);
    for (const auto& finding : check.findings) preview::FindingText(finding);
    preview::FindLayout(map, grid);
  } catch (const MapFormatError&) {
  }
  return 0;
}
