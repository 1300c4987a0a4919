#include "kit_window.h"

#include <QFile>
#include <QFileDialog>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QVBoxLayout>
#include <algorithm>

#include <QPixmap>
#include <exception>

#include "deployment.h"
#include "room_picture.h"

namespace vendrel::roomkit {
namespace {

struct StatisticsControl {
  const char* name;
  const char* caption;
  const char* startText;
};

// Text2 to Text9, in the order of kAllKitFields.
constexpr StatisticsControl kStatisticsControls[] = {
    {"Text2", "VMF File Size:", "0 bytes"},
    {"Text3", "RGR File Size:", "0 bytes"},
    {"Text4", "Room Name:", "Unknown"},
    {"Text5", "Solids:", "0"},
    {"Text6", "Entitys:", "0"},
    {"Text7", "Sides:", "0"},
    {"Text8", "Connections:", "0"},
    {"Text9", "Room Type:", "Unknown"},
};

template <typename Widget>
Widget* Named(Widget* widget, const char* name) {
  widget->setObjectName(QString::fromLatin1(name));
  return widget;
}

}  // namespace

KitWindow::KitWindow(std::filesystem::path roomsFolder, std::string_view writingNote,
                     QWidget* parent)
    : QWidget(parent), roomsFolder_(std::move(roomsFolder)) {
  setObjectName(QStringLiteral("Vendrelsdk"));
  setWindowTitle(QStringLiteral("Quilla RDK for Vendrel 0.9.3"));

  auto* intro = Named(
      new QLabel(QStringLiteral("This tool checks your room for errors and deploys it as a room "
                                "for the Vendrel generator.")),
      "Label1");
  intro->setWordWrap(true);
  auto* hint = Named(new QLabel(QStringLiteral("Start by Selecting your room:")), "Label2");
  auto* prompt = Named(new QLabel(QStringLiteral("Valve Map File (.vmf) path:")), "Label3");
  text1_ = Named(new QLineEdit, "Text1");
  command1_ = Named(new QPushButton(QStringLiteral("Browse")), "Command1");
  command2_ = Named(new QPushButton(QStringLiteral("GO!")), "Command2");

  frame1_ = Named(new QGroupBox(QStringLiteral("Statistics")), "Frame1");
  auto* grid = new QGridLayout(frame1_);
  for (std::size_t i = 0; i < std::size(kStatisticsControls); ++i) {
    const StatisticsControl& control = kStatisticsControls[i];
    statistics_[i] = Named(new QLineEdit(QString::fromLatin1(control.startText)), control.name);
    statistics_[i]->setReadOnly(true);
    const int row = static_cast<int>(i % 4);
    const int column = static_cast<int>(i / 4) * 2;
    grid->addWidget(new QLabel(QString::fromLatin1(control.caption)), row, column);
    grid->addWidget(statistics_[i], row, column + 1);
  }

  progressBar1_ = Named(new QProgressBar, "ProgressBar1");
  progressBar1_->setRange(0, 100);
  progressBar1_->setValue(0);
  status_ = Named(new QLabel(QStringLiteral("Status: Ready")), "Status");
  auto* note = Named(new QLabel(FromEngineText(writingNote)), "WritingFolderNote");
  note->setAccessibleName(QStringLiteral("Writing folder"));
  note->setWordWrap(true);
  note->setVisible(!writingNote.empty());
  roomPicture_ = Named(new QLabel, "RoomPicture");
  roomPicture_->setAccessibleName(QStringLiteral("Room picture"));
  roomPicture_->setAlignment(Qt::AlignCenter);
  roomPicture_->setWordWrap(true);

  auto* pathRow = new QHBoxLayout;
  pathRow->addWidget(text1_, 1);
  pathRow->addWidget(command1_);
  pathRow->addWidget(command2_);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(intro);
  layout->addWidget(hint);
  layout->addWidget(prompt);
  layout->addLayout(pathRow);
  layout->addWidget(frame1_);
  layout->addWidget(progressBar1_);
  layout->addWidget(status_);
  layout->addWidget(note);
  layout->addWidget(roomPicture_, 1);

  host_ = std::make_unique<QtWindowHost>(
      *status_,
      [this](double percent) {
        progressBar1_->setValue(static_cast<int>(std::clamp(percent, 0.0, 100.0)));
      },
      dialogs_);
  connect(command1_, &QPushButton::clicked, this, [this] { Command1_Click(); });
  connect(command2_, &QPushButton::clicked, this, [this] { Command2_Click(); });
}

void KitWindow::Command1_Click() {
  QFileDialog dialog(this, QStringLiteral("Open"), QString(),
                     QStringLiteral("Valve Map Files (.vmf) (*.vmf)"));
  dialog.setObjectName(QStringLiteral("CommonDialog1"));
  dialog.setFileMode(QFileDialog::ExistingFile);
  dialog.setOption(QFileDialog::DontUseNativeDialog);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return;
  text1_->setText(dialog.selectedFiles().constFirst());
}

void KitWindow::Command2_Click() {
  command2_->setEnabled(false);
  const std::filesystem::path mapFile = QFile::encodeName(text1_->text()).toStdString();
  DeployRoom({*host_, *this, random_, roomsFolder_}, mapFile);
  ShowRoomPicture(mapFile);
  command2_->setEnabled(true);
}

void KitWindow::ShowRoomPicture(const std::filesystem::path& mapFile) {
  constexpr int kLargest = 480;
  try {
    const QImage picture = preview::PreviewRoom(mapFile);
    roomPicture_->setPixmap(QPixmap::fromImage(
        picture.scaled(kLargest, kLargest, Qt::KeepAspectRatio, Qt::SmoothTransformation)));
  } catch (const std::exception& error) {
    roomPicture_->setPixmap(QPixmap());
    roomPicture_->setText(QStringLiteral("The room could not be drawn: ") + FromEngineText(error.what()));
  }
}

QLineEdit* KitWindow::StatisticsText(KitField field) const {
  return statistics_[static_cast<std::size_t>(field)];
}

void KitWindow::Show(KitField field, std::string_view text) {
  StatisticsText(field)->setText(FromEngineText(text));
}

}  // namespace vendrel::roomkit
