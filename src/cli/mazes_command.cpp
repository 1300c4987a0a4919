#include "mazes_command.h"

#include <iostream>
#include <map>
#include <memory>
#include <optional>
#include <string>

#include "clock.h"
#include "engine.h"
#include "log_service.h"
#include "map_error.h"
#include "maze_batch.h"
#include "random_source.h"
#include "terminal_host.h"
#include "writing_folder.h"

namespace vendrel::cli {
namespace {

struct MazesOptions {
  int count = 100;
  std::optional<int> length;
  std::optional<int> startKind;
  std::optional<int> endKind;
  std::optional<int> direction;
  std::string seed;
  std::string out;
};

constexpr const char* kCommand = "vendrel-cli mazes: ";

std::string SeedProblem(const std::string& text) {
  const ParsedSeed parsed = ParseCustomSeed(text);
  return parsed.value ? std::string() : parsed.problem;
}

MazeBatch BatchOf(const MazesOptions& options) {
  MazeBatch batch;
  batch.count = options.count;
  batch.length = options.length;
  if (options.startKind) batch.startWith = static_cast<StartKind>(*options.startKind);
  if (options.endKind) batch.endWith = static_cast<EndKind>(*options.endKind);
  if (options.direction) batch.direction = static_cast<Direction>(*options.direction);
  batch.folder = options.out;
  return batch;
}

void PrintMaze(const MadeMaze& maze) {
  std::cout << "Map" << maze.number << (maze.created ? ".bmp: " : ": ")
            << DescribeLineRequest(maze.request) << ", ";
  if (maze.created) {
    std::cout << maze.good.attempts << (maze.good.attempts == 1 ? " attempt: " : " attempts: ")
              << maze.good.line << std::endl;
  } else {
    std::cout << "not created in " << kMaxLineAttempts << " attempts, no files" << std::endl;
  }
}

int RunMazes(const MazesOptions& options) {
  const std::optional<std::filesystem::path> writingFolder = WritingFolder();
  if (!writingFolder) return 1;
  const std::filesystem::path& programFolder = *writingFolder;
  TerminalHost host(false);
  SystemClock clock;
  RandomSource random(clock);
  if (!options.seed.empty()) {
    random.SetSeedMode(SeedMode::Custom, *ParseCustomSeed(options.seed).value);
    random.StartRun();
  }
  LogService log(host, clock, programFolder);
  const Engine engine{host, clock, random, log, programFolder};
  MazeSurface surface;
  const MazeBatch batch = BatchOf(options);
  MazeBatchResult made;
  try {
    made = Make100Maps(engine, surface, batch, PrintMaze);
  } catch (const MapErrorExit& error) {
    std::cerr << kCommand << error.what() << "\n";
    return 1;
  }
  const std::filesystem::path folder = batch.folder.empty() ? programFolder / "Maps" : batch.folder;
  std::cout << "Wrote " << made.created << (made.created == 1 ? " maze" : " mazes") << " to "
            << folder.string();
  if (made.failed > 0) {
    std::cout << "; " << made.failed << (made.failed == 1 ? " line was" : " lines were")
              << " not created in " << kMaxLineAttempts << " attempts";
  }
  std::cout << std::endl;
  return 0;
}

}  // namespace

void AddMazesCommand(CLI::App& app, int& exitStatus) {
  auto options = std::make_shared<MazesOptions>();
  CLI::App* command = app.add_subcommand(
      "mazes",
      "Make random maze lines as the maze debugging batch does: for each, a picture MapN.bmp "
      "and the line MapN.txt");
  command->add_option("--count", options->count, "How many mazes")
      ->check(CLI::Range(0, 100000))
      ->capture_default_str();
  command
      ->add_option("--length", options->length,
                   "Rooms of every maze, 0 to 255 (otherwise drawn from 1 to 50); long mazes "
                   "may fail after 5000 attempts")
      ->check(CLI::Range(0, kMaxLineLength));
  command->add_option("--start-kind", options->startKind, "How every maze starts: game or level (0 or 1)")
      ->transform(CLI::CheckedTransformer(std::map<std::string, int>{{"game", 0}, {"level", 1}},
                                          CLI::ignore_case));
  command
      ->add_option("--end-kind", options->endKind,
                   "How every maze's main branch ends: alley, game or level (0, 1 or 2)")
      ->transform(CLI::CheckedTransformer(
          std::map<std::string, int>{{"alley", 0}, {"game", 1}, {"level", 2}}, CLI::ignore_case));
  command
      ->add_option("--direction", options->direction,
                   "Where every maze leaves its start: north, east, south or west (1 to 4)")
      ->transform(CLI::CheckedTransformer(
          std::map<std::string, int>{{"north", 1}, {"east", 2}, {"south", 3}, {"west", 4}},
          CLI::ignore_case));
  command
      ->add_option("--seed", options->seed,
                   "Custom seed, a whole number of at most 10 characters: the same seed makes the "
                   "same mazes")
      ->check(CLI::Validator(SeedProblem, "SEED"));
  command->add_option("--out", options->out,
                      "Folder for the files (created when missing); default: Maps in the program folder");
  command->callback([options, &exitStatus] { exitStatus = RunMazes(*options); });
}

}  // namespace vendrel::cli
