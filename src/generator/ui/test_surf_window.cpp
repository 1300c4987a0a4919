#include "test_surf_window.h"

#include <QVBoxLayout>

namespace vendrel::generator_ui {

TestSurfWindow::TestSurfWindow(QWidget* parent)
    : QWidget(parent, Qt::Window), view_(new QLabel(this)) {
  setObjectName("TestSurf");
  setWindowTitle("DrawLine");
  view_->setObjectName("TestSurfPicture");
  view_->setAccessibleName("DrawLine");
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(view_);
}

void TestSurfWindow::ShowPicture(const MazePicture& picture) {
  image_ = QImage(MazePicture::kWidth, MazePicture::kHeight, QImage::Format_RGB32);
  image_.fill(Qt::white);
  for (int y = 0; y < MazePicture::kHeight; ++y) {
    for (int x = 0; x < MazePicture::kWidth; ++x) {
      if (const auto colour = picture.PixelAt(x, y)) {
        image_.setPixel(x, y, qRgb(colour->red, colour->green, colour->blue));
      }
    }
  }
  view_->setPixmap(QPixmap::fromImage(image_));
  show();
  raise();
}

}  // namespace vendrel::generator_ui
