#pragma once

#include <exception>
#include <filesystem>
#include <string>

namespace vendrel::roomkit {

// The fault text a designer is shown for whatever ended a deployment: the broken rule,
// a file that could not be read or written, the lack of memory. Any other failure is a
// fault of the program: "errorlog.txt" in `kitFolder` then holds its detail for the
// maintainer, and the text says so.
std::string DeployFailureText(const std::exception_ptr& failure, const std::filesystem::path& kitFolder);

}  // namespace vendrel::roomkit
