#include "maze_picture.h"

#include <algorithm>
#include <cstdint>
#include <fstream>
#include <vector>

#include "maze_pieces.h"

namespace vendrel {
namespace {

constexpr std::string_view kInnerPatterns[11] = {
    "010010010", "000111000", "010011010", "000111010", "010110010", "010111000",
    "010011000", "000011010", "000110010", "010110000", "010111010"};

// End and start pieces by their open side.
constexpr std::string_view kOneSidePatterns[4] = {"010000000", "000001000", "000000010",
                                                  "000100000"};

constexpr Rgb kBlack{0, 0, 0};
constexpr Rgb kWhite{255, 255, 255};

std::uint8_t ColourByte(int value) { return static_cast<std::uint8_t>(std::clamp(value, 0, 255)); }

void PutLittleEndian(std::vector<std::uint8_t>& bytes, std::uint32_t value, int size) {
  for (int i = 0; i < size; ++i) bytes.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
}

}  // namespace

std::string_view CellPattern(int piece) {
  if (piece < 0 || piece > 30) return {};
  if (piece <= 10) return kInnerPatterns[piece];
  return kOneSidePatterns[(piece - 11) % 4];
}

Rgb CellColour(int piece) {
  if (piece < 0 || piece > 30) return kBlack;
  switch (ShapeOf(piece)) {
    case PieceShape::Alley: return {255, 0, 0};
    case PieceShape::GameStart: return {0, 255, 0};
    case PieceShape::GameEnd: return {255, 0, 255};
    case PieceShape::LevelEnd: return {0, 0, 255};
    case PieceShape::LevelStart: return {255, 255, 0};
    case PieceShape::Straight:
    case PieceShape::ThreeWay:
    case PieceShape::Turn:
    case PieceShape::Cross: break;
  }
  return kBlack;
}

void MazePicture::Paint(int x, int y, std::string_view fillIndex, Rgb colour) {
  const int left = kOriginX + 3 * x;
  const int top = kOriginY + 3 * y;
  for (std::size_t k = 0; k < fillIndex.size() && k < 9; ++k) {
    if (fillIndex[k] != '1') continue;
    pixels_[{left + static_cast<int>(k % 3), top + static_cast<int>(k / 3)}] = colour;
  }
}

std::optional<Rgb> MazePicture::PixelAt(int px, int py) const {
  const auto found = pixels_.find({px, py});
  if (found == pixels_.end()) return std::nullopt;
  return found->second;
}

bool MazePicture::WriteBitmap(const std::filesystem::path& file) const {
  int left = 0, top = 0, right = kWidth, bottom = kHeight;
  for (const auto& [pixel, colour] : pixels_) {
    left = std::min(left, pixel.first);
    top = std::min(top, pixel.second);
    right = std::max(right, pixel.first + 1);
    bottom = std::max(bottom, pixel.second + 1);
  }
  const int width = right - left;
  const int height = bottom - top;
  const std::size_t rowSize = (static_cast<std::size_t>(width) * 3 + 3) / 4 * 4;
  const std::size_t imageSize = rowSize * static_cast<std::size_t>(height);
  constexpr std::uint32_t kHeaderSize = 14 + 40;

  std::vector<std::uint8_t> bytes;
  bytes.reserve(kHeaderSize + imageSize);
  bytes.push_back('B');
  bytes.push_back('M');
  PutLittleEndian(bytes, static_cast<std::uint32_t>(kHeaderSize + imageSize), 4);
  PutLittleEndian(bytes, 0, 4);
  PutLittleEndian(bytes, kHeaderSize, 4);
  PutLittleEndian(bytes, 40, 4);
  PutLittleEndian(bytes, static_cast<std::uint32_t>(width), 4);
  PutLittleEndian(bytes, static_cast<std::uint32_t>(height), 4);
  PutLittleEndian(bytes, 1, 2);   // planes
  PutLittleEndian(bytes, 24, 2);  // bits a pixel
  PutLittleEndian(bytes, 0, 4);   // no compression
  PutLittleEndian(bytes, static_cast<std::uint32_t>(imageSize), 4);
  PutLittleEndian(bytes, 3780, 4);  // 96 dots an inch
  PutLittleEndian(bytes, 3780, 4);
  PutLittleEndian(bytes, 0, 4);
  PutLittleEndian(bytes, 0, 4);

  std::vector<Rgb> canvas(static_cast<std::size_t>(width) * static_cast<std::size_t>(height), kWhite);
  for (const auto& [pixel, colour] : pixels_) {
    canvas[static_cast<std::size_t>(pixel.second - top) * static_cast<std::size_t>(width) +
           static_cast<std::size_t>(pixel.first - left)] = colour;
  }
  // Rows run bottom up, each pixel blue, green, red.
  for (int row = height - 1; row >= 0; --row) {
    const std::size_t rowStart = bytes.size();
    for (int column = 0; column < width; ++column) {
      const Rgb colour = canvas[static_cast<std::size_t>(row) * static_cast<std::size_t>(width) +
                                static_cast<std::size_t>(column)];
      bytes.push_back(ColourByte(colour.blue));
      bytes.push_back(ColourByte(colour.green));
      bytes.push_back(ColourByte(colour.red));
    }
    bytes.resize(rowStart + rowSize, 0);
  }

  std::ofstream out(file, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  out.close();
  return !out.fail();
}

}  // namespace vendrel
