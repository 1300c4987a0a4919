#pragma once

#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QScrollArea>
#include <memory>

namespace vendrel::generator_ui {

// The picture of the level just written, beside the settings: small here, full size in a
// window of its own on a click, Enter or Space. It keeps the last level until a run writes
// the next one, since until then that level is the one in "level1.vmf".
class LevelPreviewPanel final : public QGroupBox {
 public:
  static constexpr const char* kCaption = "Level Preview";

  explicit LevelPreviewPanel(QWidget* parent = nullptr);
  ~LevelPreviewPanel() override;

  void ShowPreview(const QImage& picture, const QString& verdict);
  // A level that could not be drawn: the reason instead of a picture.
  void ShowNoPreview(const QString& reason);
  // Opens the larger window; nothing to enlarge before the first level.
  void Enlarge();

  const QImage& Picture() const { return picture_; }
  QWidget& LargeWindow() const { return *largeWindow_; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  void FitThumbnail();

  QLabel* thumbnail_;
  QLabel* verdict_;
  QImage picture_;
  std::unique_ptr<QWidget> largeWindow_;
  QLabel* largePicture_;
};

}  // namespace vendrel::generator_ui
