#include "generate_command.h"

#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <iostream>
#include <memory>
#include <string>

#include "categorize.h"
#include "check_command.h"
#include "clock.h"
#include "compile_main.h"
#include "generate_flags.h"
#include "coverage_warnings.h"
#include "left_out_warnings.h"
#include "map_check.h"
#include "log_service.h"
#include "map_error.h"
#include "picture_loader.h"
#include "random_source.h"
#include "run_options.h"
#include "decimal_symbol.h"
#include "interruptible_host.h"
#include "level_compile.h"
#include "terminal_host.h"
#include "writing_folder.h"

namespace vendrel::cli {
namespace {

// A single generation: the shared flags and what becomes of its one level.
struct SingleRequest : GenerateRequest {
  std::string out;
  std::string preview;
  bool check = false;
  bool compile = false;
  LevelCompileOptions compileOptions;

  // The check reads the whole level back, several times the cost of writing it: it runs
  // where its verdict is used, before a compile and beside a picture, or when asked for.
  bool Checks() const { return check || compile || !preview.empty(); }
};

void PrintSummary(const SingleRequest& request, const RunOutcome& outcome, int restarts,
                  double seconds) {
  int entities = 0;
  std::string kinds;
  for (const auto& [className, count] : outcome.entitiesByClass) {
    entities += count;
    kinds += (kinds.empty() ? "" : ", ") + className + " " + std::to_string(count);
  }
  std::printf("Level written: %s\n", outcome.levelFile.string().c_str());
  std::printf("Rooms:         %d drawn, %d cells\n", outcome.roomsDrawn, outcome.cells);
  std::printf("Seed:          %s\n",
              request.seed.empty() ? "none, the clock seeded the run (--seed N repeats a level)"
                                   : request.seed.c_str());
  std::printf("Sky:           %s\n", outcome.skyName.c_str());
  std::printf("Identifiers:   %lld\n", outcome.identifiers);
  std::printf("Entities:      %d (%s)\n", entities, kinds.c_str());
  if (restarts > 0) std::printf("Restarts:      %d (rooms left the world bounds)\n", restarts);
  std::printf("Time:          %.3f s\n", seconds);
}

// The written level judged as the map compiler will, before anyone waits for a compile.
void CheckWrittenLevel(const std::filesystem::path& levelFile) {
  const preview::LevelCheck check = preview::CheckLevel(preview::ReadLevelMap(levelFile));
  if (check.Passed()) {
    std::printf("Check:         sound and sealed\n");
    return;
  }
  std::printf("Check:         %zu %s\n", check.findings.size(), check.findings.size() == 1 ? "fault" : "faults");
  std::fflush(stdout);
  PrintFindings(std::cout, levelFile, check);
}

// The picture is a bonus to the level: failing to draw it is told but fails nothing.
void WritePreview(const SingleRequest& request, const std::filesystem::path& levelFile) {
  if (request.preview.empty()) return;
  const DrawnPicture picture = DrawPreview(levelFile, request.preview, request.seed);
  if (picture.drawn) {
    std::printf("Preview:       %s\n", request.preview.c_str());
  } else {
    std::cerr << "vendrel-cli generate: no preview: " << picture.problem << "\n";
  }
}

int Generate(SingleRequest& request) {
  RunOptions& options = request.options;
  if (const std::string problems = PrepareOptions(request); !problems.empty()) {
    std::cerr << "vendrel-cli generate: " << problems;
    return 2;
  }
  const auto started = std::chrono::steady_clock::now();
  const std::optional<std::filesystem::path> writingFolder = WritingFolder();
  if (!writingFolder) return 1;
  const std::filesystem::path& programFolder = *writingFolder;
  const std::filesystem::path roomsFolder = RoomsFolderOf(request, programFolder);
  const std::filesystem::path dataFolder = DataFolderOf(request, programFolder);
  LevelPaths paths = DefaultLevelPaths(programFolder);
  if (!request.out.empty()) {
    paths.levelFile = std::filesystem::absolute(request.out);
    paths.workingFile = paths.levelFile;
    paths.workingFile += ".temp.dta";
  }

  TerminalHost terminal(true);
  SystemClock clock;
  RandomSource random(clock);
  ApplySeed(options, random);
  InterruptibleHost host(terminal);
  LogService log(host, clock, programFolder);
  log.SetLogEnabled(options.writeLog);
  log.SetDetailedStatus(options.detailedStatus);
  const Engine engine{host, clock, random, log, programFolder};

  try {
    SetCorrectPC(log);
    const RoomTable rooms = Categorize(engine, roomsFolder);
    PrintLeftOutRooms(rooms);
    WarnOfCoverageHoles(engine, rooms, options.genre);
    GenerationRun run(engine);
    // Ctrl-C during the run: the abort button, tested at the run's next test point.
    host.OnInterrupt([&run] { run.State().abortRequested = true; });
    const RunInputs inputs{options, rooms, dataFolder, paths};
    int restarts = 0;
    for (;;) {
      const RunOutcome outcome = run.CompileMain(inputs);
      if (outcome.end == RunEnd::Done) {
        const double seconds =
            std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
        if (isatty(STDERR_FILENO) != 0) std::cerr << "\n";
        PrintSummary(request, outcome, restarts, seconds);
        if (request.Checks()) CheckWrittenLevel(outcome.levelFile);
        WritePreview(request, outcome.levelFile);
        if (!request.compile) return 0;
        LevelCompileOptions compile = request.compileOptions;
        compile.difficulty = options.difficulty;
        compile.allWeapons = options.allWeapons;
        return CompileOnTerminal(engine, terminal, host, outcome.levelFile, compile, true);
      }
      if (outcome.end == RunEnd::Aborted) {
        std::cerr << "\nvendrel-cli generate: aborted; no level file was written.\n";
        return 130;
      }
      if (++restarts > request.maxRestarts) {
        std::cerr << "\nvendrel-cli generate: the rooms left the world bounds in "
                  << restarts << " runs in a row; giving up.\n";
        return 1;
      }
      std::cerr << "\nPath out of bounds! The run starts again (restart " << restarts << ").\n";
      run.State().restartCountdown = 99;
    }
  } catch (const MapErrorExit& error) {
    std::cerr << "vendrel-cli generate: " << error.what() << "\n";
    return 1;
  } catch (const std::exception& error) {
    std::cerr << "vendrel-cli generate: " << error.what() << "\n";
    return 1;
  }
}

}  // namespace

void AddGenerateCommand(CLI::App& app, int& exitStatus) {
  auto* command = app.add_subcommand(
      "generate", "Generate a level from the room library into level1.vmf beside the program.");
  auto request = std::make_shared<SingleRequest>();
  AddGenerateFlags(*command, request);
  command->add_option("--out", request->out,
                      "level file to write, a regular file or a new path, replaced only by a "
                      "complete level (default: level1.vmf beside the program)");
  command->add_option("--preview", request->preview, "also draw the level from above into this PNG file");
  command->add_flag("--check", request->check,
                    "also check the level as the map compiler will judge it (always before "
                    "--compile and with --preview)");
  auto* compile = command->add_flag(
      "--compile", request->compile,
      "compile the level with the game kit's tools and move it into the game's map folder");
  AddLevelCompileOptions(*command, request->compileOptions);
  command->get_option("--launch")->needs(compile);
  command->get_option("--account")->needs(compile);
  command->callback([request, &exitStatus] { exitStatus = Generate(*request); });
}

}  // namespace vendrel::cli
