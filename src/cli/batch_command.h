#pragma once

#include <CLI/CLI.hpp>

namespace vendrel::cli {

// "batch": many generations in one go, with every flag of generate, and a report of how
// the generator behaved over them.
void AddBatchCommand(CLI::App& app, int& exitStatus);

}  // namespace vendrel::cli
