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
#include "coverage_warnings.h"
#include "left_out_warnings.h"
#include "map_check.h"
#include "log_service.h"
#include "map_error.h"
#include "picture_loader.h"
#include "program_folder.h"
#include "random_source.h"
#include "run_options.h"
#include "decimal_symbol.h"
#include "interruptible_host.h"
#include "level_compile.h"
#include "terminal_host.h"

namespace vendrel::cli {
namespace {

// The settings that only the compile stage reads have no say in generate.
bool ReadByCompileStageOnly(const CheckSetting& check) {
  return check.name == "RunMapCheck" || check.name == "RCUnhidden";
}

struct GenerateRequest {
  RunOptions options;
  std::string seed;
  std::string rooms;
  std::string data;
  std::string out;
  std::string preview;
  int maxRestarts = 25;
  bool compile = false;
  LevelCompileOptions compileOptions;
};

std::string Range(int min, int max) { return std::to_string(min) + " to " + std::to_string(max); }

void AddGaugeOption(CLI::App& command, GenerateRequest& request, const GaugeSetting& gauge) {
  command
      .add_option("--" + std::string(gauge.flag), request.options.*gauge.field,
                  std::string(gauge.help) + " (" + std::string(gauge.name) + ", " +
                      Range(gauge.min, gauge.max) + ")")
      ->check(CLI::Range(gauge.min, gauge.max))
      ->capture_default_str();
}

void PrintSummary(const GenerateRequest& request, const RunOutcome& outcome, int restarts,
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
void WritePreview(const GenerateRequest& request, const std::filesystem::path& levelFile) {
  if (request.preview.empty()) return;
  const DrawnPicture picture = DrawPreview(levelFile, request.preview, request.seed);
  if (picture.drawn) {
    std::printf("Preview:       %s\n", request.preview.c_str());
  } else {
    std::cerr << "vendrel-cli generate: no preview: " << picture.problem << "\n";
  }
}

int Generate(GenerateRequest& request) {
  RunOptions& options = request.options;
  if (!request.seed.empty()) {
    options.seedMode = SeedMode::Custom;
    options.customSeedText = request.seed;
  }
  if (const std::string problems = ValidateRunOptions(options); !problems.empty()) {
    std::cerr << "vendrel-cli generate: " << problems;
    return 2;
  }
  const auto started = std::chrono::steady_clock::now();
  const std::filesystem::path programFolder = ProgramFolder();
  const std::filesystem::path roomsFolder =
      request.rooms.empty() ? RoomsFolder(programFolder) : std::filesystem::path(request.rooms);
  const std::filesystem::path dataFolder =
      request.data.empty() ? programFolder : std::filesystem::path(request.data);
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
        CheckWrittenLevel(outcome.levelFile);
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
  auto request = std::make_shared<GenerateRequest>();
  for (const GaugeSetting& gauge : RunGauges()) AddGaugeOption(*command, *request, gauge);
  command->add_option("--genre", request->options.genre, "the genre whose rooms are used (Combo1)")
      ->capture_default_str();
  for (const CheckSetting& check : RunChecks()) {
    if (ReadByCompileStageOnly(check)) continue;
    bool RunOptions::*field = check.field;
    const std::string caption = std::string(check.caption) + " (" + std::string(check.name) + ")";
    if (check.startTicked) {
      command->add_flag_callback("--no-" + std::string(check.flag),
                                 [request, field] { request->options.*field = false; },
                                 "untick: " + caption);
    } else {
      command->add_flag("--" + std::string(check.flag), request->options.*field, caption);
    }
  }
  command->add_option("--seed", request->seed,
                      "custom seed, a whole number of at most 10 characters; the same seed and "
                      "settings give the same level");
  for (const GaugeSetting& gauge : TimeGauges()) AddGaugeOption(*command, *request, gauge);
  const ChoiceSetting& season = SeasonSetting();
  command
      ->add_option("--" + std::string(season.flag), request->options.*season.field,
                   std::string(season.help))
      ->check(CLI::Range(0, static_cast<int>(season.items.size()) - 1))
      ->capture_default_str();
  const RangeSetting& latitude = LatitudeSetting();
  command
      ->add_option("--" + std::string(latitude.flag), request->options.*latitude.field,
                   std::string(latitude.help) + " (" + Range(latitude.min, latitude.max) + ")")
      ->check(CLI::Range(latitude.min, latitude.max))
      ->capture_default_str();
  command->add_option("--rooms", request->rooms, "room library folder (default: rooms beside the program)");
  command->add_option("--data", request->data,
                      "folder of itemdata.ini, gundata.ini, npcdata.ini (default: beside the program)");
  command->add_option("--out", request->out,
                      "level file to write, a regular file or a new path, replaced only by a "
                      "complete level (default: level1.vmf beside the program)");
  command->add_option("--preview", request->preview, "also draw the level from above into this PNG file");
  command->add_option("--restarts", request->maxRestarts,
                      "how often a run whose rooms leave the world bounds starts again")
      ->check(CLI::Range(0, 1000))
      ->capture_default_str();
  auto* compile = command->add_flag(
      "--compile", request->compile,
      "compile the level with the game kit's tools and move it into the game's map folder");
  AddLevelCompileOptions(*command, request->compileOptions);
  command->get_option("--launch")->needs(compile);
  command->get_option("--account")->needs(compile);
  command->callback([request, &exitStatus] { exitStatus = Generate(*request); });
}

}  // namespace vendrel::cli
