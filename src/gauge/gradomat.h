#pragma once

#include <QColor>
#include <QImage>
#include <QString>
#include <QStringList>
#include <QVariantMap>
#include <QWidget>
#include <functional>

#include "gradomat_export.h"

class QLabel;
class QPainter;
class QTimer;

namespace vendrel {

// An integer between Min and Max shown as a colour-graded bar (or a marker) with an
// optional label; clicking or dragging sets the value. The bar glides towards a new
// value on a 1 ms timer.
//
// Value, Max and Min are 16-bit. A Max or Min that would leave the 16-bit range, or make
// Max - Min leave it, is refused: nothing changes and RangeRefused says why.
//
// The label's font is the widget's own font (font()/setFont()); the label inherits it.
class GRADOMAT_EXPORT Gradomat : public QWidget {
  Q_OBJECT
  Q_PROPERTY(QString LabelAdd READ LabelAdd WRITE SetLabelAdd)
  Q_PROPERTY(bool ShowLabel READ ShowLabel WRITE SetShowLabel)
  Q_PROPERTY(QColor BackColor READ BackColor WRITE SetBackColor)
  Q_PROPERTY(QColor ForeColor READ ForeColor WRITE SetForeColor)
  Q_PROPERTY(QColor SecondForeColor READ SecondForeColor WRITE SetSecondForeColor)
  Q_PROPERTY(int Value READ Value WRITE SetValue)
  Q_PROPERTY(int Max READ Max WRITE SetMax)
  Q_PROPERTY(int Min READ Min WRITE SetMin)
  Q_PROPERTY(BAR_TYPE_CONSTANTS BarType READ BarType WRITE SetBarType)
  Q_PROPERTY(QColor TextColor READ TextColor WRITE SetTextColor)

 public:
  enum BAR_TYPE_CONSTANTS : qint32 { TYPE_Meterkin = 0, TYPE_PositionBar = 1 };
  Q_ENUM(BAR_TYPE_CONSTANTS)

  // The name hosts know the control by.
  static constexpr const char* kComponentId = "Meterkin.Gradomat";

  explicit Gradomat(QWidget* parent = nullptr);
  ~Gradomat() override;

  QString LabelAdd() const { return labelAdd_; }
  void SetLabelAdd(const QString& suffix);
  bool ShowLabel() const;
  void SetShowLabel(bool show);
  QColor BackColor() const { return backColor_; }
  void SetBackColor(const QColor& colour);
  QColor ForeColor() const { return foreColor_; }
  void SetForeColor(const QColor& colour);
  QColor SecondForeColor() const { return secondForeColor_; }
  void SetSecondForeColor(const QColor& colour);
  int Value() const { return value_; }
  void SetValue(int newValue);
  int Max() const { return max_; }
  void SetMax(int newMax);
  int Min() const { return min_; }
  void SetMin(int newMin);
  BAR_TYPE_CONSTANTS BarType() const { return barType_; }
  void SetBarType(BAR_TYPE_CONSTANTS type);
  QColor TextColor() const;
  void SetTextColor(const QColor& colour);

  // One animation step towards Value, then the drawing and the label. Each timer tick
  // runs it.
  void DrawValue();
  void PaintValue();
  // In pixels, on the control surface.
  void DrawLine(int x1, int y1, int x2, int y2, const QColor& colour);

  // Colour codes are red + 256 * green + 65536 * blue; -1 means no colour and gives 0.
  static quint8 GETRed(qint32 theColorCode);
  static quint8 GETGreen(qint32 theColorCode);
  static quint8 GETBlue(qint32 theColorCode);
  static QColor ColourFromCode(qint32 code);
  static qint32 CodeFromColour(const QColor& colour);

  // The saved form data: only properties that differ from their defaults are written.
  // Reading matches names without regard to case and sets the fields as stored, without
  // the setters' clamping; a missing entry gives the default, and so does one it cannot
  // take (not a number, beyond 16 bits, a Max - Min beyond 16 bits), which is named in
  // the result.
  QVariantMap WriteProperties() const;
  QStringList ReadProperties(const QVariantMap& stored);

  // Replaces the system beep the setters sound when they clamp.
  void SetBeeper(std::function<void()> beeper);

  QSize sizeHint() const override;

 signals:
  // The press position as a fraction of the width, cut to two decimals.
  void MouseClick(float Precent_Position);
  void Change();
  void Click();
  // A property changed and should be saved under this stored name.
  void PropertyChanged(const QString& storedName);
  void RangeRefused(const QString& message);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void changeEvent(QEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void Beep() const;
  // Stores a new range after checking that it and its width fit 16 bits, pulls the value
  // into it and shows the value at once; false (and RangeRefused) when refused.
  bool ApplyRange(int newMax, int newMin, const char* changed);
  void StoreColour(QColor& field, const QColor& colour, const char* storedName);
  void LayoutLabel();
  void ResizeLayout();
  void PressAt(double x);
  bool LabelMouseEvent(QEvent* event);
  QColor GradientColour(int column, int width) const;
  void FillColumn(QPainter& painter, int column, int width);

  QString labelAdd_;
  QColor backColor_;
  QColor foreColor_;
  QColor secondForeColor_;
  qint16 value_;
  qint16 max_;
  qint16 min_;
  qint16 shown_;
  BAR_TYPE_CONSTANTS barType_ = TYPE_Meterkin;
  bool dragging_ = false;
  QLabel* label_;
  QTimer* timer_;
  QImage surface_;
  std::function<void()> beeper_;
};

}  // namespace vendrel
