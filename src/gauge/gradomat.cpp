#include "gradomat.h"

#include <QApplication>
#include <QEvent>
#include <QFontInfo>
#include <QLabel>
#include <QTimer>
#include <algorithm>

#include "gauge_range.h"
#include "gradomat_defaults.h"

namespace vendrel {

namespace defaults = gradomat_defaults;

Gradomat::Gradomat(QWidget* parent)
    : QWidget(parent),
      backColor_(ColourFromCode(defaults::kBackColor)),
      foreColor_(ColourFromCode(defaults::kForeColor)),
      secondForeColor_(ColourFromCode(defaults::kSecForeColor)),
      value_(defaults::kValue),
      max_(defaults::kMax),
      min_(defaults::kMin),
      shown_(defaults::kValue),
      label_(new QLabel(this)),
      timer_(new QTimer(this)),
      beeper_([] { QApplication::beep(); }) {
  setAttribute(Qt::WA_OpaquePaintEvent);

  label_->setObjectName(QStringLiteral("LabelText"));
  label_->setTextFormat(Qt::PlainText);
  label_->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
  label_->hide();
  label_->installEventFilter(this);
  SetTextColor(ColourFromCode(defaults::kTextColor));

  timer_->setObjectName(QStringLiteral("Timer1"));
  timer_->setInterval(1);
  connect(timer_, &QTimer::timeout, this, &Gradomat::DrawValue);

  ResizeLayout();
}

Gradomat::~Gradomat() = default;

void Gradomat::SetBeeper(std::function<void()> beeper) { beeper_ = std::move(beeper); }

void Gradomat::Beep() const {
  if (beeper_) beeper_();
}

QSize Gradomat::sizeHint() const { return {160, 24}; }

void Gradomat::SetLabelAdd(const QString& suffix) {
  labelAdd_ = suffix;
  emit PropertyChanged(QStringLiteral("LabelAdd"));
  DrawValue();
}

bool Gradomat::ShowLabel() const { return !label_->isHidden(); }

void Gradomat::SetShowLabel(bool show) {
  label_->setVisible(show);
  emit PropertyChanged(QStringLiteral("ShowLabel"));
  DrawValue();
}

void Gradomat::StoreColour(QColor& field, const QColor& colour, const char* storedName) {
  // Kept as the 24-bit code it is saved as: no alpha, an invalid colour is black.
  field = ColourFromCode(CodeFromColour(colour));
  emit PropertyChanged(QString::fromLatin1(storedName));
  DrawValue();
}

void Gradomat::SetBackColor(const QColor& colour) { StoreColour(backColor_, colour, "BackColor"); }

void Gradomat::SetForeColor(const QColor& colour) { StoreColour(foreColor_, colour, "ForeColor"); }

void Gradomat::SetSecondForeColor(const QColor& colour) {
  StoreColour(secondForeColor_, colour, "SecForeColor");
}

QColor Gradomat::TextColor() const { return label_->palette().color(QPalette::WindowText); }

void Gradomat::SetTextColor(const QColor& colour) {
  QPalette palette = label_->palette();
  palette.setColor(QPalette::WindowText, ColourFromCode(CodeFromColour(colour)));
  label_->setPalette(palette);
  emit PropertyChanged(QStringLiteral("TextColor"));
  DrawValue();
}

void Gradomat::SetBarType(BAR_TYPE_CONSTANTS type) {
  barType_ = type;
  emit PropertyChanged(QStringLiteral("BarType"));
  DrawValue();
}

void Gradomat::SetValue(int newValue) {
  if (newValue > max_) {
    Beep();
    newValue = max_;
  }
  if (newValue < min_) {
    Beep();
    newValue = min_;
  }
  value_ = static_cast<qint16>(newValue);
  emit PropertyChanged(QStringLiteral("Value"));
  DrawValue();
  emit Change();
}

void Gradomat::SetMax(int newMax) {
  if (newMax < min_) {
    Beep();
    newMax = min_ + 1;
  }
  ApplyRange(newMax, min_, "Max");
}

void Gradomat::SetMin(int newMin) {
  if (newMin < 0) {
    Beep();
    newMin = 0;
  }
  if (newMin > max_) {
    Beep();
    // Max - 1 would be negative under a Max of 0, and Min is never below 0.
    newMin = std::max(max_ - 1, 0);
  }
  ApplyRange(max_, newMin, "Min");
}

bool Gradomat::ApplyRange(int newMax, int newMin, const char* changed) {
  const QString problem = GaugeRangeProblem(newMax, newMin);
  if (!problem.isEmpty()) {
    const int kept = qstrcmp(changed, "Max") == 0 ? max_ : min_;
    emit RangeRefused(QStringLiteral("%1; %2 stays %3.").arg(problem).arg(changed).arg(kept));
    return false;
  }
  max_ = static_cast<qint16>(newMax);
  min_ = static_cast<qint16>(newMin);
  if (value_ > max_) value_ = max_;
  if (value_ < min_) value_ = min_;
  shown_ = value_;
  DrawValue();
  emit PropertyChanged(QString::fromLatin1(changed));
  return true;
}

void Gradomat::LayoutLabel() {
  // The label's text sits about on the middle line of the bar.
  const int top = qRound(height() / 2.0 - QFontInfo(font()).pointSizeF());
  label_->setGeometry(0, top, width(), height() - top);
}

void Gradomat::ResizeLayout() {
  LayoutLabel();
  DrawValue();
}

void Gradomat::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  ResizeLayout();
}

void Gradomat::changeEvent(QEvent* event) {
  QWidget::changeEvent(event);
  if (event->type() != QEvent::FontChange) return;
  // A font handed down from the parent is not one of ours to save.
  if (testAttribute(Qt::WA_SetFont)) emit PropertyChanged(QStringLiteral("Font"));
  ResizeLayout();
}

}  // namespace vendrel
