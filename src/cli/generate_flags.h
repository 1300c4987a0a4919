#pragma once

#include <CLI/CLI.hpp>
#include <filesystem>
#include <memory>
#include <string>

#include "run_options.h"

namespace vendrel::cli {

// What the flags of a generation ask for: the run's settings and where it reads.
struct GenerateRequest {
  RunOptions options;
  std::string seed;
  std::string rooms;
  std::string data;
  int maxRestarts = 25;
};

// The flags of every setting of the windows (from the one settings declaration) and of
// the folders a run reads, shared by every command that generates levels.
void AddGenerateFlags(CLI::App& command, const std::shared_ptr<GenerateRequest>& request);

// The seed flag into the options; the settings' problems, or empty when there are none.
std::string PrepareOptions(GenerateRequest& request);

std::filesystem::path RoomsFolderOf(const GenerateRequest& request,
                                    const std::filesystem::path& programFolder);
std::filesystem::path DataFolderOf(const GenerateRequest& request,
                                   const std::filesystem::path& programFolder);

}  // namespace vendrel::cli
