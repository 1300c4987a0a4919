// Checking and drawing a written level at sizes 5, 20 and 35 of the bundled room library:
// read back, the brush, identifier, entity and output checks with the leak test, then the
// layout and the picture, and the PNG it is saved as.
#include <QBuffer>
#include <QGuiApplication>
#include <cstdio>
#include <filesystem>
#include <vector>

#include "bench_timing.h"
#include "bundled_run.h"
#include "level_picture.h"
#include "map_check.h"

namespace {

using namespace vendrel;

std::filesystem::path WriteLevel(const std::filesystem::path& folder, int size, long long seed) {
  int restarts = 0;
  const RunOutcome outcome = RunBundled(folder, size, seed, restarts);
  const std::filesystem::path level = folder / ("level" + std::to_string(size) + "-" + std::to_string(seed) + ".vmf");
  std::filesystem::rename(outcome.levelFile, level);
  return level;
}

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication application(argc, argv);
  const auto folder = BundledBenchFolder("vendrel-preview-bench");

  constexpr int kLevels = 10;
  std::printf("medians over %d levels a size, milliseconds of wall time (cpu in brackets)\n", kLevels);
  std::printf("size  brushes  level KB  read+check  of it leak test  draw  png  check ms/100 brushes  draw ms/100 brushes\n");
  for (const int size : {5, 20, 35}) {
    std::vector<double> check, checkCpu, seal, draw, drawCpu, png, brushes, bytes;
    for (int i = 0; i < kLevels; ++i) {
      const std::filesystem::path level = WriteLevel(folder, size, 500 + i);
      bytes.push_back(static_cast<double>(std::filesystem::file_size(level)));

      const BenchWatch checkWatch;
      const preview::LevelMap map = preview::ReadLevelMap(level);
      preview::SolidGrid grid(map.brushes);
      const BenchWatch sealWatch;
      const preview::LevelCheck result = preview::CheckLevel(map, grid);
      seal.push_back(sealWatch.Wall());
      check.push_back(checkWatch.Wall());
      checkCpu.push_back(checkWatch.Cpu());
      if (!result.Passed()) std::printf("  %s: %s\n", level.filename().c_str(), preview::FindingText(result.findings[0]).c_str());
      brushes.push_back(static_cast<double>(map.brushes.size()));

      const BenchWatch drawWatch;
      const QImage picture = preview::DrawLevelPicture(map, preview::FindLayout(map, grid), result, "1");
      draw.push_back(drawWatch.Wall());
      drawCpu.push_back(drawWatch.Cpu());

      const BenchWatch pngWatch;
      QBuffer buffer;
      buffer.open(QIODevice::WriteOnly);
      picture.save(&buffer, "PNG");
      png.push_back(pngWatch.Wall());
    }
    const double perHundred = 100 / Median(brushes);
    std::printf("%4d  %7.0f  %8.0f  %5.1f (%5.1f)  %15.1f  %4.1f (%4.1f)  %4.1f  %20.2f  %19.2f\n", size, Median(brushes),
                Median(bytes) / 1024, Median(check) * 1e3, Median(checkCpu) * 1e3, Median(seal) * 1e3,
                Median(draw) * 1e3, Median(drawCpu) * 1e3, Median(png) * 1e3, Median(check) * 1e3 * perHundred,
                Median(draw) * 1e3 * perHundred);
  }
  std::filesystem::remove_all(folder);
  return 0;
}
