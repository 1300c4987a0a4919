#include "picture_module.h"

#include <QGuiApplication>
#include <QImage>
#include <algorithm>
#include <cstdio>
#include <cstring>
#include <exception>
#include <memory>
#include <string>

#include "level_picture.h"
#include "room_map.h"
#include "room_picture.h"

namespace {

// Qt's notes about the session (no runtime folder and the like) are no concern of a
// command that writes a file; its errors still reach the terminal.
void QuietNotes(QtMsgType type, const QMessageLogContext&, const QString& message) {
  if (type == QtCriticalMsg || type == QtFatalMsg) std::fprintf(stderr, "%s\n", message.toLocal8Bit().constData());
}

// Text needs a GUI application for its fonts; a command line has no screen to show on.
void EnsureApplication() {
  if (QCoreApplication::instance() != nullptr) return;
  qInstallMessageHandler(QuietNotes);
  static int argc = 1;
  static char name[] = "vendrel-cli";
  static char* argv[] = {name, nullptr};
  qputenv("QT_QPA_PLATFORM", "offscreen");
  static const auto application = std::make_unique<QGuiApplication>(argc, argv);
}

bool IsRoom(const vendrel::preview::RoomMap& room, const std::string& file) {
  if (file.size() >= 4 && (file.ends_with(".rgr") || file.ends_with(".RGR"))) return true;
  return std::any_of(room.map.entities.begin(), room.map.entities.end(),
                     [](const vendrel::preview::MapEntity& e) { return e.className.starts_with("quilla_"); });
}

void Tell(char* error, std::size_t size, const std::string& text) {
  if (error == nullptr || size == 0) return;
  const std::size_t length = std::min(size - 1, text.size());
  std::memcpy(error, text.data(), length);
  error[length] = '\0';
}

}  // namespace

extern "C" int vendrel_draw_preview(const char* mapFile, const char* pictureFile, const char* seed, int* kind,
                                    char* error, std::size_t errorSize) {
  try {
    EnsureApplication();
    const std::string file = mapFile;
    const vendrel::preview::RoomMap room = vendrel::preview::ReadRoomMap(file);
    QImage picture;
    if (IsRoom(room, file)) {
      picture = vendrel::preview::DrawRoomPicture(room);
      if (kind != nullptr) *kind = kVendrelPictureRoom;
    } else {
      picture = vendrel::preview::PreviewLevel(file, seed != nullptr ? seed : "").picture;
      if (kind != nullptr) *kind = kVendrelPictureLevel;
    }
    if (!picture.save(QString::fromLocal8Bit(pictureFile), "PNG")) {
      Tell(error, errorSize, std::string("the picture could not be written to ") + pictureFile);
      return 1;
    }
    return 0;
  } catch (const std::exception& failure) {
    Tell(error, errorSize, failure.what());
    return 1;
  }
}
