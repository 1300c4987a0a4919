#pragma once

#include <QImage>
#include <filesystem>
#include <string>

#include "map_check.h"
#include "level_layout.h"
#include "level_map.h"

namespace vendrel::preview {

// A level file read back, drawn from above: brushes in the colour of their room's path
// depth, doorways, markers and legend, a scale bar, the seed when known (empty when not),
// and the check's verdict with its leak line.
QImage DrawLevelPicture(const LevelMap& map, const LevelLayout& layout, const LevelCheck& check,
                        const std::string& seed);

// What a window needs after a run: the picture and the check behind it.
struct LevelPreview {
  QImage picture;
  LevelCheck check;
};

// Reads, checks and draws a level file. Throws MapFormatError when it cannot be read.
LevelPreview PreviewLevel(const std::filesystem::path& levelFile, const std::string& seed);

}  // namespace vendrel::preview
