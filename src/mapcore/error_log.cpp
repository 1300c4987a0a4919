#include "error_log.h"

#include <cstdio>

namespace vendrel {

void WriteErrorLog(const std::filesystem::path& folder, std::string_view detail) {
  const std::filesystem::path errorLog = folder / "errorlog.txt";
  if (std::FILE* file = std::fopen(errorLog.c_str(), "wb")) {
    std::fwrite(detail.data(), 1, detail.size(), file);
    std::fwrite("\r\n", 1, 2, file);
    std::fclose(file);
  }
}

}  // namespace vendrel
