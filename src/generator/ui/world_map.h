#pragma once

#include <QPixmap>
#include <QWidget>
#include <functional>

namespace vendrel::generator_ui {

// `Picture1`: the world map from 90 degrees north to 50 south, 915 twips high whatever
// its size on screen, with the red latitude line. A press (or the arrow keys, one degree
// a step) reports the height in twips.
class WorldMap final : public QWidget {
 public:
  static constexpr double kHeightTwips = 915;

  explicit WorldMap(QWidget* parent = nullptr);

  // Clears the picture and draws the latitude line at the height in twips.
  void DrawLatitudeLine(double yTwips);
  double LineTwips() const { return lineTwips_; }
  // The twips of a pixel row and back; the last row is the map's bottom edge.
  double TwipsFromRow(int row) const;
  int RowFromTwips(double twips) const;

  std::function<void(double yTwips)> onPress;

  QSize sizeHint() const override;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  QPixmap map_;
  double lineTwips_ = 0;
};

// The height in twips at which a latitude lies on the map.
double TwipsFromLatitude(int latitude);

}  // namespace vendrel::generator_ui
