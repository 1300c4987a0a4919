#include "generate_flags.h"

#include "categorize.h"

namespace vendrel::cli {
namespace {

// The settings that only the compile stage reads have no say in a generation.
bool ReadByCompileStageOnly(const CheckSetting& check) {
  return check.name == "RunMapCheck" || check.name == "RCUnhidden";
}

std::string Range(int min, int max) { return std::to_string(min) + " to " + std::to_string(max); }

void AddGaugeOption(CLI::App& command, GenerateRequest& request, const GaugeSetting& gauge) {
  command
      .add_option("--" + std::string(gauge.flag), request.options.*gauge.field,
                  std::string(gauge.help) + " (" + std::string(gauge.name) + ", " +
                      Range(gauge.min, gauge.max) + ")")
      ->check(CLI::Range(gauge.min, gauge.max))
      ->capture_default_str();
}

}  // namespace

void AddGenerateFlags(CLI::App& command, const std::shared_ptr<GenerateRequest>& request) {
  for (const GaugeSetting& gauge : RunGauges()) AddGaugeOption(command, *request, gauge);
  command.add_option("--genre", request->options.genre, "the genre whose rooms are used (Combo1)")
      ->capture_default_str();
  for (const CheckSetting& check : RunChecks()) {
    if (ReadByCompileStageOnly(check)) continue;
    bool RunOptions::*field = check.field;
    const std::string caption = std::string(check.caption) + " (" + std::string(check.name) + ")";
    if (check.startTicked) {
      command.add_flag_callback("--no-" + std::string(check.flag),
                                [request, field] { request->options.*field = false; },
                                "untick: " + caption);
    } else {
      command.add_flag("--" + std::string(check.flag), request->options.*field, caption);
    }
  }
  command.add_option("--seed", request->seed,
                     "custom seed, a whole number of at most 10 characters; the same seed and "
                     "settings give the same level");
  for (const GaugeSetting& gauge : TimeGauges()) AddGaugeOption(command, *request, gauge);
  const ChoiceSetting& season = SeasonSetting();
  command
      .add_option("--" + std::string(season.flag), request->options.*season.field,
                  std::string(season.help))
      ->check(CLI::Range(0, static_cast<int>(season.items.size()) - 1))
      ->capture_default_str();
  const RangeSetting& latitude = LatitudeSetting();
  command
      .add_option("--" + std::string(latitude.flag), request->options.*latitude.field,
                  std::string(latitude.help) + " (" + Range(latitude.min, latitude.max) + ")")
      ->check(CLI::Range(latitude.min, latitude.max))
      ->capture_default_str();
  command.add_option("--rooms", request->rooms, "room library folder (default: rooms beside the program)");
  command.add_option("--data", request->data,
                     "folder of itemdata.ini, gundata.ini, npcdata.ini (default: beside the program)");
  command.add_option("--restarts", request->maxRestarts,
                     "how often a run whose rooms leave the world bounds starts again")
      ->check(CLI::Range(0, 1000))
      ->capture_default_str();
}

std::string PrepareOptions(GenerateRequest& request) {
  if (!request.seed.empty()) {
    request.options.seedMode = SeedMode::Custom;
    request.options.customSeedText = request.seed;
  }
  return ValidateRunOptions(request.options);
}

std::filesystem::path RoomsFolderOf(const GenerateRequest& request,
                                    const std::filesystem::path& programFolder) {
  return request.rooms.empty() ? RoomsFolder(programFolder) : std::filesystem::path(request.rooms);
}

std::filesystem::path DataFolderOf(const GenerateRequest& request,
                                   const std::filesystem::path& programFolder) {
  return request.data.empty() ? programFolder : std::filesystem::path(request.data);
}

}  // namespace vendrel::cli
