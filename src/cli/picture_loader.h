#pragma once

#include <filesystem>
#include <string>

namespace vendrel::cli {

enum class PictureKind { Level, Room };

struct DrawnPicture {
  bool drawn = false;
  PictureKind kind = PictureKind::Level;
  std::string problem;  // why nothing was drawn
};

// Draws a level or room file into a PNG through the picture module beside the program,
// opened only now so that commands that draw nothing never load Qt.
DrawnPicture DrawPreview(const std::filesystem::path& mapFile, const std::filesystem::path& pictureFile,
                         const std::string& seed);

}  // namespace vendrel::cli
