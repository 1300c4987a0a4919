#include "check_command.h"

#include <iostream>
#include <memory>
#include <string>

#include "map_format_error.h"

namespace vendrel::cli {
namespace {

int Check(const std::string& file) {
  try {
    const preview::LevelMap map = preview::ReadLevelMap(file);
    const preview::LevelCheck check = preview::CheckLevel(map);
    PrintFindings(std::cout, file, check);
    if (!check.Passed()) {
      std::cout << check.findings.size() << (check.findings.size() == 1 ? " fault" : " faults")
                << ": the map compiler would not build this level soundly.\n";
      return 1;
    }
    std::cout << file << ": sound and sealed (" << map.brushes.size() << " brushes, " << map.entities.size()
              << " entities).\n";
    return 0;
  } catch (const MapFormatError& error) {
    std::cerr << "vendrel-cli check: " << error.what() << "\n";
    return 2;
  }
}

}  // namespace

void PrintFindings(std::ostream& out, const std::filesystem::path& file, const preview::LevelCheck& check) {
  for (const preview::Finding& finding : check.findings) {
    out << file.string() << ": " << preview::FindingText(finding) << "\n";
  }
}

void AddCheckCommand(CLI::App& app, int& exitStatus) {
  auto file = std::make_shared<std::string>();
  CLI::App* command = app.add_subcommand(
      "check",
      "Check a level file as the map compiler will judge it: brushes convex, closed and solid, identifiers "
      "unique, entities inside the world, output targets present, and no leak");
  command->add_option("LEVEL", *file, "level file (.vmf)")->required()->check(CLI::ExistingFile);
  command->callback([file, &exitStatus] { exitStatus = Check(*file); });
}

}  // namespace vendrel::cli
