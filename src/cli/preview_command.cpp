#include "preview_command.h"

#include <iostream>
#include <memory>
#include <string>

#include "picture_loader.h"

namespace vendrel::cli {
namespace {

struct PreviewRequest {
  std::string mapFile;
  std::string pictureFile;
  std::string seed;
};

int Preview(const PreviewRequest& request) {
  const DrawnPicture picture = DrawPreview(request.mapFile, request.pictureFile, request.seed);
  if (!picture.drawn) {
    std::cerr << "vendrel-cli preview: " << request.mapFile << ": " << picture.problem << "\n";
    return 1;
  }
  std::cout << (picture.kind == PictureKind::Room ? "Room picture written: " : "Level picture written: ")
            << request.pictureFile << "\n";
  return 0;
}

}  // namespace

void AddPreviewCommand(CLI::App& app, int& exitStatus) {
  auto request = std::make_shared<PreviewRequest>();
  CLI::App* command = app.add_subcommand(
      "preview", "Draw a level file, or one room (.rgr room file or .vmf room map), from above into a PNG picture");
  command->add_option("MAP", request->mapFile, "level file, room file (.rgr) or room map (.vmf)")
      ->required()
      ->check(CLI::ExistingFile);
  command->add_option("PICTURE", request->pictureFile, "PNG file to write")->required();
  command->add_option("--seed", request->seed, "seed to show in the picture's corner");
  command->callback([request, &exitStatus] { exitStatus = Preview(*request); });
}

}  // namespace vendrel::cli
