#include "picture_loader.h"

#include <dlfcn.h>

#include "picture_module.h"
#include "program_folder.h"

namespace vendrel::cli {

DrawnPicture DrawPreview(const std::filesystem::path& mapFile, const std::filesystem::path& pictureFile,
                         const std::string& seed) {
  DrawnPicture result;
  const std::filesystem::path module = ProgramFolder() / kPictureModuleFile;
  // Kept open: Qt cannot be unloaded cleanly once its application exists.
  void* handle = dlopen(module.c_str(), RTLD_NOW | RTLD_LOCAL);
  if (handle == nullptr) {
    const char* reason = dlerror();
    result.problem = "the picture module " + module.string() + " could not be loaded: " + (reason ? reason : "");
    return result;
  }
  const auto draw = reinterpret_cast<VendrelDrawPreview>(dlsym(handle, kDrawPreviewSymbol));
  if (draw == nullptr) {
    result.problem = "the picture module " + module.string() + " has no " + kDrawPreviewSymbol;
    return result;
  }
  char error[1024] = "";
  int kind = kVendrelPictureLevel;
  if (draw(mapFile.c_str(), pictureFile.c_str(), seed.c_str(), &kind, error, sizeof error) != 0) {
    result.problem = error;
    return result;
  }
  result.drawn = true;
  result.kind = kind == kVendrelPictureRoom ? PictureKind::Room : PictureKind::Level;
  return result;
}

}  // namespace vendrel::cli
