#include "room_manager.h"

#include <QFontDatabase>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QProcess>
#include <QStyle>
#include <QVBoxLayout>
#include <system_error>

#include "categorize.h"
#include "dialogs.h"
#include "map_format_error.h"
#include "named_controls.h"
#include "number_text.h"
#include "progress.h"
#include "room_catalogue.h"
#include "room_coverage.h"
#include "room_list.h"
#include "room_picture.h"
#include "room_type_caption.h"

namespace vendrel::generator_ui {
namespace {

constexpr const char* kTestThisRoom = "Test This Room";
constexpr const char* kRestoreTestMode = "Restore Room Test Mode";
constexpr int kYieldsAfterDelete = 7;
constexpr int kPictureSize = 240;

QLabel* Value(const char* name, const char* caption, QFormLayout& form, QWidget* parent) {
  auto* value = new QLabel(parent);
  value->setObjectName(name);
  value->setAccessibleName(caption);
  value->setWordWrap(true);
  value->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
  form.addRow(caption, value);
  return value;
}

QLabel* Picture(const char* name, QStyle::StandardPixmap icon, const QString& caption,
                QWidget* parent) {
  auto* picture = new QLabel(parent);
  picture->setObjectName(name);
  picture->setAccessibleName(caption);
  picture->setPixmap(parent->style()->standardIcon(icon).pixmap(24, 24));
  return picture;
}

// A header item as the room manager shows it; an empty item reads as 0.
QString CellText(const RoomCell& cell) {
  if (cell.text.empty() && cell.number) return FromEngineText(FormatNumber(*cell.number));
  return FromEngineText(cell.text);
}

}  // namespace

RoomManager::RoomManager(const Engine& engine, std::filesystem::path kitProgram, QWidget* parent)
    : QGroupBox("Room Manager", parent),
      engine_(engine),
      kitProgram_(std::move(kitProgram)),
      roomsFolder_(RoomsFolder(engine.programFolder)),
      roomList_(new QListWidget(this)),
      command7_(NamedButton("Command7", kTestThisRoom, this)),
      command8_(NamedButton("Command8", "Delete This Room", this)) {
  setObjectName("RoomManagerFrame");
  setAccessibleName(title());
  startProgram = [](const std::filesystem::path& program) {
    return QProcess::startDetached(QString::fromStdString(program.string()), {});
  };

  roomList_->setObjectName("RoomList");
  roomList_->setAccessibleName("Availible Rooms:");
  auto* listLabel = new QLabel("Availible Rooms:", this);
  listLabel->setBuddy(roomList_);

  auto* details = new QGroupBox("Details", this);
  details->setObjectName("RM_Details");
  auto* form = new QFormLayout(details);
  roomName_ = Value("RM_RoomName", "Room Name:", *form, details);
  roomType_ = Value("RM_RoomType", "Type:", *form, details);
  genre_ = Value("RM_Genre", "Genre:", *form, details);
  size_ = Value("RM_Size", "Size:", *form, details);
  author_ = Value("RM_Author", "Author:", *form, details);
  description_ = Value("RM_Description", "Description:", *form, details);
  problem_ = Value("RM_Problem", "Left out:", *form, details);
  picture_ = new QLabel(details);
  picture_->setObjectName("RM_Picture");
  picture_->setAccessibleName("Room picture");
  picture_->setAlignment(Qt::AlignCenter);
  picture_->setWordWrap(true);
  picture_->setMinimumSize(kPictureSize, kPictureSize);
  form->addRow(picture_);

  auto* coverageFrame = new QGroupBox("Coverage", this);
  coverageFrame->setObjectName("RM_CoverageFrame");
  coverageFrame->setAccessibleName(coverageFrame->title());
  coverage_ = new QPlainTextEdit(coverageFrame);
  coverage_->setObjectName("RM_Coverage");
  coverage_->setAccessibleName("Coverage");
  coverage_->setReadOnly(true);
  coverage_->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
  coverage_->setFocusPolicy(Qt::StrongFocus);
  coverage_->setTabChangesFocus(true);
  coverage_->setLineWrapMode(QPlainTextEdit::NoWrap);
  coverage_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
  auto* coverageLayout = new QVBoxLayout(coverageFrame);
  coverageLayout->addWidget(coverage_);

  picture3_ = Picture("Picture3", QStyle::SP_MediaPlay, kTestThisRoom, this);
  picture4_ = Picture("Picture4", QStyle::SP_TrashIcon, "Delete This Room", this);
  auto* command11 = NamedButton("Command11", "Refresh", this);
  auto* command9 = NamedButton("Command9", "Launch Vendrel SDK", this);
  auto* command10 = NamedButton("Command10", "Close", this);

  auto* listColumn = new QVBoxLayout;
  listColumn->addWidget(listLabel);
  listColumn->addWidget(roomList_, 1);
  listColumn->addWidget(command11);
  auto* testRow = new QHBoxLayout;
  testRow->addWidget(picture3_);
  testRow->addWidget(command7_, 1);
  auto* deleteRow = new QHBoxLayout;
  deleteRow->addWidget(picture4_);
  deleteRow->addWidget(command8_, 1);
  auto* detailColumn = new QVBoxLayout;
  detailColumn->addWidget(details, 1);
  detailColumn->addLayout(testRow);
  detailColumn->addLayout(deleteRow);
  detailColumn->addWidget(command9);
  detailColumn->addWidget(command10);
  auto* layout = new QHBoxLayout(this);
  layout->addLayout(listColumn, 1);
  layout->addLayout(detailColumn, 1);
  layout->addWidget(coverageFrame, 2);

  auto handle = [this](void (RoomManager::*handler)()) {
    return [this, handler] { runHandler([this, handler] { (this->*handler)(); }); };
  };
  connect(roomList_, &QListWidget::currentRowChanged, this, handle(&RoomManager::RoomList_Click));
  connect(command7_, &QPushButton::clicked, this, handle(&RoomManager::Command7_Click));
  connect(command8_, &QPushButton::clicked, this, handle(&RoomManager::Command8_Click));
  connect(command9, &QPushButton::clicked, this, handle(&RoomManager::Command9_Click));
  connect(command10, &QPushButton::clicked, this, handle(&RoomManager::Command10_Click));
  connect(command11, &QPushButton::clicked, this, handle(&RoomManager::Command11_Click));
  for (QWidget* control : RoomButtons()) control->setEnabled(false);
}

std::array<QWidget*, 4> RoomManager::RoomButtons() const {
  return {command7_, command8_, picture3_, picture4_};
}

void RoomManager::Categorize() {
  table_ = vendrel::Categorize(engine_, roomsFolder_);
  RefreshRoomList();
}

void RoomManager::SetRunning(bool running) {
  command7_->setEnabled(!running && roomList_->count() > 0);
}

void RoomManager::Launch() {
  if (!roomTestMode_) Command11_Click();
  setVisible(true);
}

void RoomManager::Command11_Click() {
  if (roomTestMode_) {
    engine_.host.Message("No!", "You cannot refresh while map testing ban mode is on!",
                         MessageIcon::Critical, MessageButtons::Ok);
    return;
  }
  Categorize();
  engine_.host.SetStatus("Ready...");
  MrProg(engine_.host, 0);
  if (roomList_->count() > 0 && roomList_->currentRow() < 0) roomList_->setCurrentRow(0);
}

void RoomManager::RefreshRoomList() {
  const RoomListView view = vendrel::RefreshRoomList(table_, roomList_->currentRow());
  const QSignalBlocker quiet(roomList_);
  roomList_->clear();
  for (const std::string& name : view.names) roomList_->addItem(FromEngineText(name));
  engine_.host.Yield();
  roomList_->setCurrentRow(view.selected);
  ShowDetails(view.selected);
  for (QWidget* control : RoomButtons()) control->setEnabled(view.roomButtonsEnabled);
}

void RoomManager::RoomList_Click() { ShowDetails(roomList_->currentRow()); }

void RoomManager::ShowCoverage(long long genre) {
  coverage_->setPlainText(FromEngineText(CoverageTableText(CoverageOf(table_, genre))));
}

void RoomManager::ShowDetails(int entry) {
  if (entry < 0 || static_cast<std::size_t>(entry) >= table_.RoomCount()) {
    for (QLabel* label :
         {roomName_, roomType_, genre_, size_, author_, description_, problem_, picture_}) {
      label->clear();
    }
    ShowCoverage(0);
    return;
  }
  const RoomRow& row = table_.rows[static_cast<std::size_t>(entry)];
  // The genre of the room in view; a room of no readable genre shows the first genre.
  ShowCoverage(row[kGenreColumn].Whole().value_or(0));
  roomName_->setText(CellText(row[kNameColumn]));
  roomType_->setText(FromEngineText(RoomTypeCaption(row[kTypeColumn])));
  genre_->setText("Genre #" + CellText(row[kGenreColumn]));
  author_->setText(CellText(row[kAuthorColumn]));
  description_->setText(CellText(row[kCommentColumn]));
  std::error_code error;
  const auto file = roomsFolder_ / ToEngineText(roomList_->item(entry)->text());
  const auto length = std::filesystem::file_size(file, error);
  size_->setText(QString::number(error ? 0 : length) + " bytes");
  // A blocked room is left out on purpose; its own type decides whether it could be used.
  RoomRow asScanned = row;
  if (row[kTypeColumn].Whole() == kBlockedTypeCode)
    asScanned[kTypeColumn] = RoomCell::FromItem("0");
  const std::string why = RoomUnfitness(asScanned);
  problem_->setText(why.empty() ? QString("No") : "Yes: " + FromEngineText(why));
  ShowPicture(file);
}

void RoomManager::ShowPicture(const std::filesystem::path& roomFile) {
  try {
    const QImage picture = preview::PreviewRoom(roomFile);
    picture_->setPixmap(QPixmap::fromImage(picture.scaled(kPictureSize, kPictureSize,
                                                          Qt::KeepAspectRatio,
                                                          Qt::SmoothTransformation)));
  } catch (const MapFormatError& error) {
    picture_->setText("No picture: " + FromEngineText(error.what()));
  }
}

void RoomManager::Command7_Click() {
  if (roomTestMode_) {
    engine_.host.Message("Test Map", "Room test mode of, room bans restored.",
                         MessageIcon::Information, MessageButtons::Ok);
    SetRoomTestMode(false);
    Command11_Click();
    return;
  }
  const int selected = roomList_->currentRow();
  if (selected < 0 || static_cast<std::size_t>(selected) >= table_.RoomCount()) return;
  const std::string type = table_.rows[static_cast<std::size_t>(selected)][kTypeColumn].text;
  for (std::size_t j = 0; j < table_.RoomCount(); ++j) {
    RoomCell& cell = table_.rows[j][kTypeColumn];
    if (j != static_cast<std::size_t>(selected) && cell.text == type) {
      cell = RoomCell::FromItem(std::to_string(kBlockedTypeCode));
    }
  }
  engine_.host.Message("Test Map",
                       "All room of this type has now been locked. The room that you have selected "
                       "as your test room will be the only one that can be used. To reset this, "
                       "press this button again.",
                       MessageIcon::Information, MessageButtons::Ok);
  SetRoomTestMode(true);
  ShowDetails(selected);
}

void RoomManager::SetRoomTestMode(bool on) {
  roomTestMode_ = on;
  const char* caption = on ? kRestoreTestMode : kTestThisRoom;
  command7_->setText(caption);
  command7_->setAccessibleName(caption);
  picture3_->setVisible(!on);
  if (onTestModeChanged) onTestModeChanged(on);
}

void RoomManager::Command8_Click() {
  const int selected = roomList_->currentRow();
  if (selected < 0 || static_cast<std::size_t>(selected) >= table_.RoomCount()) return;
  if (engine_.host.Message("Delete Room!",
                           "Warning! This room will be removed permanently if you continiune!",
                           MessageIcon::Critical, MessageButtons::OkCancel) != MessageAnswer::Ok) {
    return;
  }
  const auto file = roomsFolder_ / ToEngineText(roomList_->item(selected)->text());
  std::error_code error;
  std::filesystem::remove(file, error);
  if (error) {
    engine_.host.Message(
        "Delete Room!",
        "The room file " + file.string() + " could not be deleted: " + error.message(),
        MessageIcon::Critical, MessageButtons::Ok);
    return;
  }
  for (int i = 0; i < kYieldsAfterDelete; ++i) engine_.host.Yield();
  // The table must not keep a room whose file is gone, or the next run may choose it.
  if (roomTestMode_) {
    table_.rows.erase(table_.rows.begin() + selected);
    RefreshRoomList();
  } else {
    Command11_Click();
  }
}

void RoomManager::Command9_Click() {
  if (!startProgram(kitProgram_)) {
    engine_.host.Message("Not Found!", "Exe not found...", MessageIcon::Information,
                         MessageButtons::Ok);
  }
}

void RoomManager::Command10_Click() {
  setVisible(false);
  if (onClose) onClose();
}

}  // namespace vendrel::generator_ui
