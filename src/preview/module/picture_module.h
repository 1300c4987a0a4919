#pragma once

#include <cstddef>

// The picture module's entry points. vendrel-cli opens the module only for the commands
// that draw, so that every other command starts without loading Qt.
extern "C" {

enum VendrelPictureKind { kVendrelPictureLevel = 0, kVendrelPictureRoom = 1 };

// Draws a level or a room (a .rgr file, or a map with the room kit's entities) into a
// PNG file. `seed` may be empty. Returns 0, or 1 with the reason in `error`.
typedef int (*VendrelDrawPreview)(const char* mapFile, const char* pictureFile, const char* seed, int* kind,
                                  char* error, std::size_t errorSize);
int vendrel_draw_preview(const char* mapFile, const char* pictureFile, const char* seed, int* kind, char* error,
                         std::size_t errorSize);
}

inline constexpr const char* kPictureModuleFile = "libvendrel_pictures.so";
inline constexpr const char* kDrawPreviewSymbol = "vendrel_draw_preview";
