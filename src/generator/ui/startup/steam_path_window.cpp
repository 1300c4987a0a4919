#include "steam_path_window.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QStorageInfo>
#include <QVBoxLayout>
#include <algorithm>
#include <system_error>
#include <vector>

#include "rgb_colour.h"
#include "startup_widgets.h"
#include "steam_folder.h"

namespace vendrel::startup {
namespace {

constexpr int kFoundColour = 65280;
constexpr int kNotFoundColour = 255;

QLabel* FixedLabel(const char* name, const char* caption) {
  auto* label = Named(new QLabel(QString::fromLatin1(caption)), name, QString::fromLatin1(caption));
  label->setWordWrap(true);
  return label;
}

// An arrow-shaped line pointing at the folder list.
QFrame* Arrow(const char* name) {
  auto* line = Named(new QFrame, name);
  line->setFrameShape(QFrame::HLine);
  line->setLineWidth(3);
  line->setFixedWidth(24);
  return line;
}

}  // namespace

SteamPathWindow::SteamPathWindow(Host& host, std::filesystem::path programFolder, QWidget* parent)
    : QWidget(parent), host_(host), programFolder_(std::move(programFolder)) {
  setObjectName(QStringLiteral("SteamPathWindow"));
  setWindowTitle(QStringLiteral("Specify Steam Manually"));

  auto* intro = FixedLabel("Label1",
                           "Your steam folder could not be found automaticly so you have to "
                           "specify it manualy. ");
  auto* required = FixedLabel("Label2", "You need to have steam installed to run Vendrel.");
  auto* howTo = FixedLabel(
      "Label3",
      "Right-click the shortcut you start Steam with, open its properties and look up the folder "
      "it starts in. Then select that folder in the list below.");
  auto* prompt = FixedLabel("Label4", "Specify Your Steam Folder Here:");
  drive1_ = Named(new QComboBox, "Drive1", QStringLiteral("Drive"));
  for (const QStorageInfo& volume : QStorageInfo::mountedVolumes()) {
    if (volume.isValid()) drive1_->addItem(volume.rootPath());
  }
  dir1_ = Named(new QListWidget, "Dir1", QStringLiteral("Folder"));
  prompt->setBuddy(dir1_);
  command1_ = Named(new QPushButton, "Command1");
  label5_ = Named(new QLabel, "Label5");
  for (std::size_t i = 0; i < arrows_.size(); ++i) {
    arrows_[i] = Arrow(("Line" + std::to_string(i + 1)).c_str());
  }

  auto* listRow = new QHBoxLayout;
  auto* leftArrows = new QVBoxLayout;
  leftArrows->addWidget(arrows_[0]);
  leftArrows->addWidget(arrows_[1]);
  auto* rightArrows = new QVBoxLayout;
  rightArrows->addWidget(arrows_[2]);
  rightArrows->addWidget(arrows_[3]);
  listRow->addLayout(leftArrows);
  listRow->addWidget(dir1_, 1);
  listRow->addLayout(rightArrows);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(intro);
  layout->addWidget(required);
  layout->addWidget(howTo);
  layout->addWidget(prompt);
  layout->addWidget(drive1_);
  layout->addLayout(listRow);
  layout->addWidget(label5_);
  layout->addWidget(command1_);

  connect(command1_, &QPushButton::clicked, this, [this] { Guarded(this, [this] { Command1_Click(); }); });
  connect(drive1_, &QComboBox::activated, this, [this] { Guarded(this, [this] { Drive1_Change(); }); });
  connect(dir1_, &QListWidget::itemActivated, this,
          [this](QListWidgetItem* item) { Guarded(this, [this, item] { Dir1_Activated(item); }); });

  ChangeFoundMode(false);
  std::error_code error;
  const std::filesystem::path start = std::filesystem::current_path(error);
  folder_ = error ? std::filesystem::path("/") : start;
  FillFolderList();
}

void SteamPathWindow::FillFolderList() {
  dir1_->clear();
  dir1_->addItem(PathText(folder_));
  if (folder_.has_relative_path()) dir1_->addItem(QStringLiteral(".."));
  std::vector<std::filesystem::path> subfolders;
  std::error_code error;
  for (std::filesystem::directory_iterator entries(folder_, error), end; !error && entries != end;
       entries.increment(error)) {
    std::error_code kind;
    if (entries->is_directory(kind)) subfolders.push_back(entries->path().filename());
  }
  std::sort(subfolders.begin(), subfolders.end());
  for (const auto& name : subfolders) dir1_->addItem(PathText(name));
  dir1_->setCurrentRow(0);
}

void SteamPathWindow::SetFolder(const std::filesystem::path& folder) {
  std::error_code error;
  if (!std::filesystem::is_directory(folder, error)) return;  // a folder that cannot be read
  folder_ = folder.lexically_normal();
  if (folder_.has_relative_path() && !folder_.has_filename()) folder_ = folder_.parent_path();
  FillFolderList();
  CheckExist(false);
}

void SteamPathWindow::Dir1_Activated(QListWidgetItem* item) {
  if (item == nullptr || dir1_->row(item) == 0) return;
  const std::string name = item->text().toStdString();
  SetFolder(name == ".." ? folder_.parent_path() : folder_ / name);
}

void SteamPathWindow::CheckExist(bool Direct) {
  std::string candidate = folder_.string();
  if (!candidate.ends_with('/')) candidate += '/';
  if (!IsSteamFolder(candidate)) {
    ChangeFoundMode(false);
    return;
  }
  ChangeFoundMode(true);
  if (!Direct &&
      host_.Message("Steam Folder",
                    "Steam folder detected: " + candidate +
                        " do you want to use this as your steam folder?",
                    MessageIcon::None, MessageButtons::OkCancel) == MessageAnswer::Cancel) {
    return;
  }
  if (!WriteSteamPathFile(programFolder_, candidate)) {
    host_.Message("Steam Folder", "spath.idf could not be written in " + programFolder_.string(),
                  MessageIcon::Critical, MessageButtons::Ok);
    return;
  }
  hide();
  if (onSteamFolderChosen) onSteamFolderChosen();
}

void SteamPathWindow::ChangeFoundMode(bool FoundMode) {
  const QColor colour = QtColour(FoundMode ? kFoundColour : kNotFoundColour);
  const QString colourName = colour.name();
  for (QFrame* arrow : arrows_) {
    arrow->setStyleSheet(QStringLiteral("color: %1; background: %1;").arg(colourName));
  }
  command1_->setText(FoundMode ? QStringLiteral("Continiune") : QStringLiteral("Quit"));
  command1_->setAccessibleName(command1_->text());
  command1_->setStyleSheet(QStringLiteral("background: %1;").arg(colourName));
  label5_->setText(FoundMode ? QStringLiteral("Steam was detected in the selected folder!")
                             : QStringLiteral("Steam was not detected in the selected folder."));
  label5_->setAccessibleName(label5_->text());
  label5_->setStyleSheet(QStringLiteral("color: %1;").arg(colourName));
}

void SteamPathWindow::Command1_Click() {
  if (command1_->text() == QStringLiteral("Quit")) {
    if (onQuit) onQuit();
    return;
  }
  CheckExist(true);
}

void SteamPathWindow::Drive1_Change() {
  SetFolder(drive1_->currentText().toStdString());
}

void SteamPathWindow::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  // Loading the window checks the folder the list opens with.
  if (loaded_) return;
  loaded_ = true;
  Guarded(this, [this] { CheckExist(false); });
}

void SteamPathWindow::closeEvent(QCloseEvent* event) {
  event->accept();
  if (onQuit) onQuit();
}

}  // namespace vendrel::startup
