#pragma once

#include <CLI/CLI.hpp>

namespace vendrel::cli {

// `deploy MAP.vmf...`: checks designers' maps and deploys them as room files, as the
// room kit's window does, with the questions answered from flags. The exit status is 0
// only when every map was deployed.
void AddDeployCommand(CLI::App& app, int& exitStatus);

}  // namespace vendrel::cli
