#include "compile_frame.h"

#include <QLabel>
#include <QVBoxLayout>

#include "startup_widgets.h"

namespace vendrel::startup {
namespace {

QLabel* Text(const char* name, const QString& text) {
  auto* label = Named(new QLabel(text), name, text);
  label->setWordWrap(true);
  return label;
}

}  // namespace

CompileFrame::CompileFrame(QWidget* parent) : QGroupBox(QStringLiteral("Compiling"), parent) {
  setObjectName(QStringLiteral("CompileFrame"));
  setAccessibleName(title());
  const QString runMap = QStringLiteral("Start Cinderfall automaticly after Compile is done");
  runMapCheck_ = Named(new QCheckBox(runMap), "RunMapCheck", runMap);
  auto* abortFrame = Named(new QGroupBox(QStringLiteral("Abort Compilation")), "AbortCompilationFrame",
                           QStringLiteral("Abort Compilation"));
  command3_ = Named(new QPushButton(QStringLiteral("Emergency Exit")), "Command3",
                    QStringLiteral("Emergency Exit"));
  auto* abortLayout = new QVBoxLayout(abortFrame);
  abortLayout->addWidget(Text("Label21",
                              QStringLiteral("If you suddenly realized that you've got to be at "
                                             "work in 5 minutes or your computer hang up, press "
                                             "this handy button:")));
  abortLayout->addWidget(command3_);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(Text("Label18", QStringLiteral("Please wait while your map is compiling...")));
  layout->addWidget(Text("Label19", QStringLiteral("This could take up to one hour if your map is "
                                                   "really huge and your computer is really slow.")));
  layout->addWidget(Text("Label20", QStringLiteral("The compiler is running on low priority so you "
                                                   "should be able to use other applications "
                                                   "during progress.")));
  layout->addWidget(runMapCheck_);
  layout->addWidget(abortFrame);
  layout->addStretch(1);
  connect(command3_, &QPushButton::clicked, this, [this] { Guarded(this, [this] { Command3_Click(); }); });

  outputWindow_ = std::make_unique<QWidget>(nullptr, Qt::Tool | Qt::WindowDoesNotAcceptFocus);
  outputWindow_->setObjectName(QStringLiteral("ToolOutput"));
  outputWindow_->setWindowTitle(QStringLiteral("Compiler output"));
  outputWindow_->setAttribute(Qt::WA_ShowWithoutActivating);
  output_ = Named(new QPlainTextEdit, "ToolOutputText", QStringLiteral("Compiler output"));
  output_->setReadOnly(true);
  output_->setMaximumBlockCount(5000);
  auto* outputLayout = new QVBoxLayout(outputWindow_.get());
  outputLayout->addWidget(output_);
  outputWindow_->resize(560, 240);
  hide();
}

CompileFrame::~CompileFrame() = default;

void CompileFrame::Command3_Click() {
  if (stage_ != nullptr) stage_->Command3_Click();
}

void CompileFrame::ShowCompileFrame(bool runMapTicked) {
  runMapCheck_->setChecked(runMapTicked);
  output_->clear();
  show();
  raise();
}

void CompileFrame::HideCompileFrame() {
  hide();
  outputWindow_->hide();
}

bool CompileFrame::RunMapTicked() const { return runMapCheck_->isChecked(); }

void CompileFrame::ShowToolOutput(std::string_view line) {
  if (!outputWindow_->isVisible()) outputWindow_->show();
  output_->appendPlainText(Latin1(line));
}

}  // namespace vendrel::startup
