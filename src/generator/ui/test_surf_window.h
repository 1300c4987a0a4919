#pragma once

#include <QImage>
#include <QLabel>
#include <QWidget>

#include "maze_picture.h"

namespace vendrel::generator_ui {

// `TestSurf`, "DrawLine": the picture of the last maze line painted while ShowSurf is on.
class TestSurfWindow final : public QWidget {
 public:
  explicit TestSurfWindow(QWidget* parent = nullptr);

  // Shows the picture, white where nothing is painted, and brings the window up.
  void ShowPicture(const MazePicture& picture);
  const QImage& Image() const { return image_; }

 private:
  QImage image_;
  QLabel* view_;
};

}  // namespace vendrel::generator_ui
