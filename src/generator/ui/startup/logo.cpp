#include "logo.h"

#include <QCloseEvent>
#include <QLabel>
#include <QVBoxLayout>

#include "startup_widgets.h"

namespace vendrel::startup {

Logo::Logo(QWidget* parent) : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint) {
  setObjectName(QStringLiteral("Logo"));
  setWindowTitle(QStringLiteral("Vendrel"));
  timer1_.setObjectName(QStringLiteral("Timer1"));
  timer1_.setSingleShot(true);
  auto* title = Named(new QLabel(QStringLiteral("Vendrel")), "Label1", QStringLiteral("Vendrel"));
  QFont big = title->font();
  big.setPointSize(big.pointSize() * 3);
  big.setBold(true);
  title->setFont(big);
  const QString line = QStringLiteral("Random levels from designer-built rooms");
  auto* subtitle = Named(new QLabel(line), "Label2", line);
  auto* version = Named(new QLabel(QStringLiteral("Version 0.9.34")), "Label3",
                        QStringLiteral("Version 0.9.34"));
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(40, 30, 40, 30);
  for (QLabel* label : {title, subtitle, version}) {
    label->setAlignment(Qt::AlignCenter);
    layout->addWidget(label);
  }
  setStyleSheet(QStringLiteral("background: #203040; color: #e0e8f0;"));
  connect(&timer1_, &QTimer::timeout, this, [this] { Guarded(this, [this] { Timer1_Timer(); }); });
}

void Logo::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  timer1_.start(kSplashMilliseconds);
}

void Logo::Timer1_Timer() {
  hide();
  timer1_.stop();
  if (onTimer) onTimer();
}

void Logo::closeEvent(QCloseEvent* event) {
  event->accept();
  timer1_.stop();
  if (onUnload) onUnload();
}

}  // namespace vendrel::startup
