#include "level_preview_panel.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPixmap>
#include <QScreen>
#include <QShortcut>
#include <QVBoxLayout>

namespace vendrel::generator_ui {
namespace {

constexpr int kThumbnailWidth = 280;

bool Activates(const QEvent* event) {
  if (event->type() == QEvent::MouseButtonRelease) {
    return static_cast<const QMouseEvent*>(event)->button() == Qt::LeftButton;
  }
  if (event->type() != QEvent::KeyPress) return false;
  const int key = static_cast<const QKeyEvent*>(event)->key();
  return key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space;
}

}  // namespace

LevelPreviewPanel::LevelPreviewPanel(QWidget* parent)
    : QGroupBox(kCaption, parent), thumbnail_(new QLabel(this)), verdict_(new QLabel(this)) {
  setObjectName("LevelPreviewFrame");
  setAccessibleName(kCaption);
  thumbnail_->setObjectName("LevelPreview");
  thumbnail_->setAccessibleName(kCaption);
  thumbnail_->setAccessibleDescription("Click or press Enter to enlarge");
  thumbnail_->setToolTip("Click or press Enter to enlarge");
  thumbnail_->setFocusPolicy(Qt::StrongFocus);
  thumbnail_->setAlignment(Qt::AlignCenter);
  thumbnail_->setFixedWidth(kThumbnailWidth);
  thumbnail_->setMinimumHeight(kThumbnailWidth);
  thumbnail_->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Expanding);
  thumbnail_->setText("No level generated yet.");
  thumbnail_->setWordWrap(true);
  thumbnail_->setCursor(Qt::PointingHandCursor);
  thumbnail_->installEventFilter(this);
  verdict_->setObjectName("LevelPreviewVerdict");
  verdict_->setAccessibleName("Level check");
  verdict_->setWordWrap(true);
  verdict_->setFixedWidth(kThumbnailWidth);
  verdict_->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(thumbnail_, 1);
  layout->addWidget(verdict_);

  largeWindow_ = std::make_unique<QScrollArea>();
  auto* area = static_cast<QScrollArea*>(largeWindow_.get());
  area->setObjectName("LevelPreviewWindow");
  area->setWindowTitle(kCaption);
  area->setAccessibleName(kCaption);
  largePicture_ = new QLabel;
  largePicture_->setObjectName("LevelPreviewLarge");
  largePicture_->setAccessibleName(kCaption);
  area->setWidget(largePicture_);
  area->setAlignment(Qt::AlignCenter);
  auto* close = new QShortcut(QKeySequence(Qt::Key_Escape), area);
  connect(close, &QShortcut::activated, area, &QWidget::close);
}

LevelPreviewPanel::~LevelPreviewPanel() = default;

void LevelPreviewPanel::ShowPreview(const QImage& picture, const QString& verdict) {
  picture_ = picture;
  verdict_->setText(verdict);
  largePicture_->setPixmap(QPixmap::fromImage(picture_));
  largePicture_->adjustSize();
  FitThumbnail();
}

void LevelPreviewPanel::ShowNoPreview(const QString& reason) {
  picture_ = QImage();
  thumbnail_->setPixmap(QPixmap());
  thumbnail_->setText(reason);
  verdict_->clear();
  largePicture_->clear();
  largeWindow_->hide();
}

void LevelPreviewPanel::Enlarge() {
  if (picture_.isNull()) return;
  QSize size = picture_.size() + QSize(4, 4);
  if (const QScreen* screen = this->screen()) {
    size = size.boundedTo(screen->availableSize() * 9 / 10);
  }
  largeWindow_->resize(size);
  largeWindow_->show();
  largeWindow_->raise();
  largeWindow_->activateWindow();
}

bool LevelPreviewPanel::eventFilter(QObject* watched, QEvent* event) {
  if (watched == thumbnail_ && Activates(event)) {
    Enlarge();
    return true;
  }
  return QGroupBox::eventFilter(watched, event);
}

void LevelPreviewPanel::resizeEvent(QResizeEvent* event) {
  QGroupBox::resizeEvent(event);
  FitThumbnail();
}

void LevelPreviewPanel::FitThumbnail() {
  if (picture_.isNull()) return;
  thumbnail_->setPixmap(QPixmap::fromImage(
      picture_.scaled(thumbnail_->size(), Qt::KeepAspectRatio, Qt::SmoothTransformation)));
}

}  // namespace vendrel::generator_ui
