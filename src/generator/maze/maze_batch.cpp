#include "maze_batch.h"

#include <cmath>
#include <fstream>
#include <string>
#include <system_error>

#include "failure_boundary.h"

namespace vendrel {
namespace {

int WholePart(double value) { return static_cast<int>(std::floor(value)); }

std::filesystem::path PrepareFolder(const Engine& engine, const MazeBatch& batch) {
  const std::filesystem::path folder = batch.folder.empty() ? engine.programFolder / "Maps" : batch.folder;
  std::error_code error;
  std::filesystem::create_directories(folder, error);
  if (error || !std::filesystem::is_directory(folder)) {
    MapError(engine, "Could not create the maze folder \"" + folder.string() + "\"" +
                         (error ? ": " + error.message() : std::string(": a file has that name")),
             false);
  }
  return folder;
}

void WriteLineText(const Engine& engine, const std::filesystem::path& file, const std::string& line) {
  std::ofstream out(file, std::ios::binary | std::ios::trunc);
  out << line << "\r\n";
  out.close();
  if (out.fail()) MapError(engine, "Could not write the maze line file \"" + file.string() + "\"", false);
}

}  // namespace

std::string DescribeLineRequest(const LineRequest& request) {
  return std::to_string(request.length) + " rooms, start kind " +
         std::to_string(static_cast<int>(request.startWith)) + ", end kind " +
         std::to_string(static_cast<int>(request.endWith)) + ", direction " +
         std::to_string(static_cast<int>(request.direction));
}

LineRequest DrawLineRequest(RandomSource& random) {
  const double r1 = random.Draw();
  const double r2 = random.Draw();
  const double r3 = random.Draw();
  const double r4 = random.Draw();
  LineRequest request;
  request.length = WholePart(r1 * 50 + 1);
  request.startWith = static_cast<StartKind>(WholePart(r2 * 2));
  request.endWith = static_cast<EndKind>(WholePart(r3 * 3));
  request.direction = static_cast<Direction>(WholePart(r4 * 4 + 1));
  return request;
}

namespace {

MazeBatchResult MakeBatch(const Engine& engine, MazeSurface& surface, const MazeBatch& batch,
                          const std::function<void(const MadeMaze&)>& onMaze) {
  if (batch.count < 0) throw std::invalid_argument("A maze batch needs a count of 0 or more");
  const std::filesystem::path folder = PrepareFolder(engine, batch);
  engine.random.Randa();
  surface.SetShowSurf(true);
  MazeBatchResult result;
  for (int number = 1; number <= batch.count; ++number) {
    MadeMaze maze;
    maze.number = number;
    // All four values are drawn even when some are fixed, so a fix changes no other value.
    maze.request = DrawLineRequest(engine.random);
    if (batch.length) maze.request.length = *batch.length;
    if (batch.startWith) maze.request.startWith = *batch.startWith;
    if (batch.endWith) maze.request.endWith = *batch.endWith;
    if (batch.direction) maze.request.direction = *batch.direction;
    std::optional<GoodLine> good = SearchGoodLine(engine, surface, maze.request);
    if (!good) {
      ++result.failed;
      engine.log.Log("Could not create maze " + std::to_string(number) + " (" + DescribeLineRequest(maze.request) +
                         ") in " + std::to_string(kMaxLineAttempts) + " attempts; it gets no files.",
                     false, true);
      if (onMaze) onMaze(maze);
      engine.host.Yield();
      continue;
    }
    maze.created = true;
    maze.good = *std::move(good);

    const std::string name = "Map" + std::to_string(number);
    maze.picture = folder / (name + ".bmp");
    maze.text = folder / (name + ".txt");
    if (!surface.Picture().WriteBitmap(maze.picture)) {
      MapError(engine, "Could not write the maze picture \"" + maze.picture.string() + "\"", false);
    }
    WriteLineText(engine, maze.text, maze.good.line);
    ++result.created;
    if (onMaze) onMaze(maze);
    engine.host.Yield();
  }
  engine.host.Message("Quilla", "Klar!", MessageIcon::None, MessageButtons::Ok);
  return result;
}

}  // namespace

MazeBatchResult Make100Maps(const Engine& engine, MazeSurface& surface, const MazeBatch& batch,
                            const std::function<void(const MadeMaze&)>& onMaze) {
  return WithinMapError(engine, "Make100Maps", [&] { return MakeBatch(engine, surface, batch, onMaze); });
}

}  // namespace vendrel
