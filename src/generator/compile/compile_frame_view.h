#pragma once

#include <string_view>

namespace vendrel {

// The compile frame as the compile stage sees it: the window's, the terminal's or a
// test's.
class CompileFrameView {
 public:
  virtual ~CompileFrameView() = default;
  // Shows "Compiling" with its own "Start Cinderfall automaticly after Compile is done"
  // box set as given.
  virtual void ShowCompileFrame(bool runMapTicked) = 0;
  virtual void HideCompileFrame() = 0;
  // That box now: the user may change it while the tools run.
  virtual bool RunMapTicked() const = 0;
  // A line of a compile tool's console output, while the tools run unhidden.
  virtual void ShowToolOutput(std::string_view line) = 0;
};

}  // namespace vendrel
