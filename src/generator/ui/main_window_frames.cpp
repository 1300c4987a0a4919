#include <QFormLayout>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QVBoxLayout>

#include "main_window.h"
#include "named_controls.h"
#include "setting_controls.h"

namespace vendrel::generator_ui {
namespace {

QLineEdit* TextBox(const char* name, const QString& caption, const QString& text, QWidget* parent) {
  auto* box = new QLineEdit(text, parent);
  box->setObjectName(name);
  box->setAccessibleName(caption);
  return box;
}

// A read-only box the handlers fill: still in the tab order, so it can be read.
QLineEdit* ShowBox(const char* name, const QString& caption, const QString& text, QWidget* parent) {
  QLineEdit* box = TextBox(name, caption, text, parent);
  box->setReadOnly(true);
  box->setMaximumWidth(90);
  return box;
}

}  // namespace

QWidget* MainWindow::BuildSettings() {
  frame1_ = NamedFrame("Frame1", "Map Settings", this);
  auto* gauges = new QFormLayout;
  for (const GaugeSetting& setting : RunGauges()) {
    Gradomat* gauge = MakeGauge(setting, frame1_);
    runGauges_.push_back(gauge);
    gauges->addRow(GaugeCaption(setting.name), gauge);
  }
  combo1_ = new QComboBox(frame1_);
  combo1_->setObjectName("Combo1");
  combo1_->setAccessibleName("Genre:");
  combo1_->addItem("0 - Gene");
  gauges->addRow("Genre:", combo1_);

  auto* randomizing = NamedFrame("RandomizingFrame", "Randomizing", frame1_);
  auto* randomizingLayout = new QVBoxLayout(randomizing);
  auto* frame3 = NamedFrame("Frame3", "Compile Options", frame1_);
  auto* compileLayout = new QVBoxLayout(frame3);
  for (const CheckSetting& setting : RunChecks()) {
    QCheckBox* check = MakeCheck(setting, frame1_);
    runChecks_.push_back(check);
    const bool compileOption = setting.name == "RunMapCheck" || setting.name == "RCUnhidden" ||
                               setting.name == "DetStatus" || setting.name == "LogFile";
    if (setting.name == "DetStatus") {
      auto* row = new QHBoxLayout;
      row->addWidget(check);
      row->addWidget(new QLabel("(slows down)", frame3));
      row->addStretch(1);
      compileLayout->addLayout(row);
      connect(check, &QCheckBox::toggled, this, [this] { Guarded([this] { DetStatus_Click(); }); });
    } else {
      (compileOption ? compileLayout : randomizingLayout)->addWidget(check);
    }
    if (setting.name == "LogFile") {
      connect(check, &QCheckBox::toggled, this, [this] { Guarded([this] { LogFile_Click(); }); });
    }
  }
  customSeed_ = new QCheckBox("Custom Seed", randomizing);
  customSeed_->setObjectName("CustomSeed");
  customSeed_->setAccessibleName(customSeed_->text());
  customSeedBox_ = TextBox("CustomSeedBox", "Seed:", "0", randomizing);
  customSeedBox_->setMaxLength(10);
  customSeedBox_->setEnabled(false);
  auto* seedRow = new QHBoxLayout;
  seedRow->addWidget(customSeed_);
  auto* seedLabel = new QLabel("Seed:", randomizing);
  seedLabel->setBuddy(customSeedBox_);
  seedRow->addWidget(seedLabel);
  seedRow->addWidget(customSeedBox_, 1);
  randomizingLayout->addLayout(seedRow);
  connect(customSeed_, &QCheckBox::toggled, this,
          [this] { Guarded([this] { CustomSeed_Click(); }); });

  command2_ = NamedButton("Command2", "Set Randomized Options", frame1_);
  connect(command2_, &QPushButton::clicked, this,
          [this] { Guarded([this] { Command2_Click(); }); });

  auto* layout = new QVBoxLayout(frame1_);
  layout->addLayout(gauges);
  layout->addWidget(command2_);
  layout->addWidget(randomizing);
  layout->addWidget(frame3);
  layout->addStretch(1);
  return frame1_;
}

QWidget* MainWindow::BuildTimeFrames() {
  frame2_ = NamedFrame("Frame2", "Time and Place", this);
  const auto gauges = TimeGauges();

  auto* clockFrame = NamedFrame("Frame4", "Time - (Not Daylight Saving Time)", frame2_);
  clockBar_ = MakeGauge(gauges[0], clockFrame);
  bigTimerBox_ = ShowBox("BigTimerBox", "Time", "12:00", clockFrame);
  auto* clockLayout = new QHBoxLayout(clockFrame);
  clockLayout->addWidget(clockBar_, 1);
  clockLayout->addWidget(bigTimerBox_);
  connect(clockBar_, &Gradomat::Change, this, [this] { Guarded([this] { ClockBar_Change(); }); });

  auto* dayFrame = NamedFrame("Frame5", "Time of the Day", frame2_);
  moonBar_ = MakeGauge(gauges[1], dayFrame);
  moonBox_ = new QLabel(dayFrame);
  moonBox_->setObjectName("MoonBox");
  moonBox_->setAccessibleName("Moon phase");
  moonBox_->setFixedSize(64, 64);
  connect(moonBar_, &Gradomat::Change, this, [this] { Guarded([this] { MoonBar_Change(); }); });
  connect(moonBar_, &Gradomat::Click, this, [this] { Guarded([this] { MoonBar_Change(); }); });
  auto* moonRow = new QHBoxLayout;
  moonRow->addWidget(new QLabel(GaugeCaption(gauges[1].name), dayFrame));
  moonRow->addWidget(moonBar_, 1);
  moonRow->addWidget(moonBox_);

  const ChoiceSetting& season = SeasonSetting();
  combo2_ = new QComboBox(dayFrame);
  combo2_->setObjectName(FromEngineText(season.name));
  combo2_->setAccessibleName(FromEngineText(season.label));
  for (const std::string_view item : season.items) combo2_->addItem(FromEngineText(item));
  combo2_->setCurrentIndex(season.start);
  connect(combo2_, &QComboBox::currentIndexChanged, this,
          [this] { Guarded([this] { Combo2_Click(); }); });

  picture1_ = new WorldMap(dayFrame);
  picture1_->onPress = [this](double y) { Guarded([this, y] { Picture1_MouseDown(y); }); };
  latitudBox_ = ShowBox("LatitudBox", "Latitude", "0", dayFrame);
  sunAngleBox_ = ShowBox("SunAngleBox", "Sun Angle", "90", dayFrame);
  auto* command4 = NamedButton("Command4", "Randomize Time", dayFrame);
  connect(command4, &QPushButton::clicked, this, [this] { Guarded([this] { Command4_Click(); }); });

  auto* places = new QFormLayout;
  places->addRow(FromEngineText(season.label), combo2_);
  places->addRow("Sun Angle:", sunAngleBox_);
  auto* dayLayout = new QVBoxLayout(dayFrame);
  dayLayout->addLayout(moonRow);
  dayLayout->addLayout(places);
  auto* mapLabel = new QLabel("Latitude:", dayFrame);
  mapLabel->setBuddy(picture1_);
  auto* latitudeRow = new QHBoxLayout;
  latitudeRow->addWidget(mapLabel);
  latitudeRow->addWidget(latitudBox_);
  latitudeRow->addStretch(1);
  dayLayout->addLayout(latitudeRow);
  dayLayout->addWidget(picture1_, 0, Qt::AlignHCenter);
  dayLayout->addStretch(1);
  dayLayout->addWidget(command4);

  auto* layout = new QVBoxLayout(frame2_);
  layout->addWidget(clockFrame);
  layout->addWidget(dayFrame, 1);
  return frame2_;
}

}  // namespace vendrel::generator_ui
