#pragma once

#include <QCheckBox>
#include <QGroupBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <memory>

#include "compile_frame_view.h"
#include "compile_stage.h"

namespace vendrel::startup {

// "Compiling", shown over the main window while the tools run, with its own launch box and
// the emergency exit. A tool's output, while the tools run unhidden, goes to a small
// window that never takes the focus.
class CompileFrame final : public QGroupBox, public CompileFrameView {
 public:
  explicit CompileFrame(QWidget* parent = nullptr);
  ~CompileFrame() override;

  // The stage the emergency exit reaches; none outside the compile stage.
  void SetStage(CompileStage* stage) { stage_ = stage; }
  void Command3_Click();

  void ShowCompileFrame(bool runMapTicked) override;
  void HideCompileFrame() override;
  bool RunMapTicked() const override;
  void ShowToolOutput(std::string_view line) override;

  QWidget& ToolOutputWindow() const { return *outputWindow_; }

 private:
  CompileStage* stage_ = nullptr;
  QCheckBox* runMapCheck_;
  QPushButton* command3_;
  std::unique_ptr<QWidget> outputWindow_;
  QPlainTextEdit* output_;
};

}  // namespace vendrel::startup
