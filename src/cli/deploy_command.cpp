#include "deploy_command.h"

#include <iostream>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "clock.h"
#include "deployment.h"
#include "random_source.h"
#include "terminal_host.h"
#include "writing_folder.h"

namespace vendrel::cli {
namespace {

struct DeployOptions {
  std::vector<std::string> maps;
  bool yes = false;
  std::optional<std::string> comment;
  std::optional<std::string> author;
  std::string roomsFolder;
};

// The statistics of one map, printed once it is done.
class StatisticsLine final : public roomkit::KitDisplay {
 public:
  void Show(roomkit::KitField field, std::string_view text) override {
    using roomkit::KitField;
    switch (field) {
      case KitField::RoomName: roomName_ = text; break;
      case KitField::RoomType: roomType_ = text; break;
      case KitField::Solids: solids_ = text; break;
      case KitField::Entities: entities_ = text; break;
      case KitField::Connections: connections_ = text; break;
      case KitField::RoomFileSize: roomFileSize_ = text; break;
      case KitField::MapFileSize:
      case KitField::Sides: break;
    }
  }
  std::string Text() const {
    return "\"" + roomName_ + "\", " + roomType_ + ", " + solids_ + " solids, " + entities_ +
           " entities, " + connections_ + " connections, " + roomFileSize_;
  }

 private:
  std::string roomName_, roomType_, solids_, entities_, connections_, roomFileSize_;
};

int RunDeploy(const DeployOptions& options) {
  TerminalHost host(options.yes);
  if (options.comment) host.SetAnswer("Comments", *options.comment);
  if (options.author) host.SetAnswer("Your Name", *options.author);
  SystemClock clock;
  RandomSource random(clock);
  std::filesystem::path roomsFolder(options.roomsFolder);
  if (roomsFolder.empty()) {
    const std::optional<std::filesystem::path> writingFolder = WritingFolder();
    if (!writingFolder) return 1;
    roomsFolder = *writingFolder / "rooms";
  }
  std::size_t deployed = 0;
  for (const std::string& map : options.maps) {
    StatisticsLine statistics;
    const roomkit::DeployResult result =
        roomkit::DeployRoom({host, statistics, random, roomsFolder}, map);
    switch (result.outcome) {
      case roomkit::DeployOutcome::Deployed:
        ++deployed;
        std::cout << map << ": deployed to " << result.roomFile.string() << " ("
                  << statistics.Text() << ", turned " << result.turns << " times)\n";
        if (result.backup) {
          std::cout << "  the room file before it was kept as " << result.backup->string() << "\n";
        }
        break;
      case roomkit::DeployOutcome::Faulted:
        std::cerr << map << ": not deployed: " << result.fault << "\n";
        break;
      case roomkit::DeployOutcome::Declined:
        std::cerr << map << ": not deployed: a question was answered No\n";
        break;
    }
  }
  std::cout << deployed << " of " << options.maps.size() << " maps deployed.\n";
  return deployed == options.maps.size() ? 0 : 1;
}

}  // namespace

void AddDeployCommand(CLI::App& app, int& exitStatus) {
  auto options = std::make_shared<DeployOptions>();
  CLI::App* deploy = app.add_subcommand(
      "deploy", "Check designers' room maps (.vmf) and deploy them as room files (.rgr).");
  deploy->add_option("maps", options->maps, "The map files to deploy, one after the other")
      ->required()
      ->check(CLI::ExistingFile);
  deploy->add_flag("-y,--yes", options->yes,
                   "Answer Yes to the questions about missing lights, name and weapons");
  deploy->add_option("--comment", options->comment,
                     "The room file's comment line (default: the kit's default text)");
  deploy->add_option("--author", options->author,
                     "The room file's author line (default: the kit's default text)");
  deploy->add_option("--rooms", options->roomsFolder,
                     "The rooms folder to write into (default: rooms beside the program)");
  deploy->callback([options, &exitStatus] { exitStatus = RunDeploy(*options); });
}

}  // namespace vendrel::cli
