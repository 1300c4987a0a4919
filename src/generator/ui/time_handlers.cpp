#include <QPixmap>

#include "main_window.h"

namespace vendrel::generator_ui {

void MainWindow::CalcSunAngle() {
  sun_ = vendrel::CalcSunAngle(ReadRunOptions());
  sunAngleBox_->setText(FromEngineText(log_->Number(sun_.sunAngle)) + QChar(0xB0));
  moonBox_->setPixmap(QPixmap(QString(":/vendrel/moon%1.png").arg(sun_.moonImage)));
}

void MainWindow::ClockBar_Change() {
  bigTimerBox_->setText(FromEngineText(BigTimerText(clockBar_->Value())));
  CalcSunAngle();
}

void MainWindow::MoonBar_Change() { CalcSunAngle(); }

void MainWindow::Combo2_Click() { CalcSunAngle(); }

void MainWindow::Picture1_MouseDown(double yTwips) {
  latitude_ = LatitudeFromPictureY(yTwips);
  picture1_->DrawLatitudeLine(yTwips);
  latitudBox_->setText(QString::number(latitude_) + QChar(0xB0));
  CalcSunAngle();
}

void MainWindow::Command4_Click() {
  RunOptions options = ReadRunOptions();
  RandomizeTime(random_, options);
  clockBar_->SetValue(options.clockBar);
  moonBar_->SetValue(options.moonBar);
  // The press lands where the drawn latitude lies; one below the map's foot counts as its foot.
  Picture1_MouseDown(TwipsFromLatitude(options.latitude));
  combo2_->setCurrentIndex(options.season);
}

}  // namespace vendrel::generator_ui
