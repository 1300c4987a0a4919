#include <QSettings>

#include "gauge_fixture.h"
#include "temp_folder.h"

namespace vendrel::testing {
namespace {

// Every property away from its default.
void ChangeEverything(Gradomat& gauge) {
  gauge.SetBackColor(QColor(1, 2, 3));
  gauge.SetForeColor(QColor(4, 5, 6));
  gauge.SetSecondForeColor(QColor(7, 8, 9));
  gauge.SetMax(35);
  gauge.SetMin(5);
  gauge.SetValue(20);
  gauge.SetBarType(Gradomat::TYPE_PositionBar);
  gauge.SetShowLabel(true);
  gauge.SetLabelAdd(QStringLiteral(" rooms"));
  QFont font(QStringLiteral("Serif"), 17);
  font.setBold(true);
  gauge.setFont(font);
  gauge.SetTextColor(QColor(10, 11, 12));
}

void ExpectSameProperties(const Gradomat& loaded, const Gradomat& saved) {
  EXPECT_EQ(loaded.BackColor(), saved.BackColor());
  EXPECT_EQ(loaded.ForeColor(), saved.ForeColor());
  EXPECT_EQ(loaded.SecondForeColor(), saved.SecondForeColor());
  EXPECT_EQ(loaded.Max(), saved.Max());
  EXPECT_EQ(loaded.Min(), saved.Min());
  EXPECT_EQ(loaded.Value(), saved.Value());
  EXPECT_EQ(loaded.BarType(), saved.BarType());
  EXPECT_EQ(loaded.ShowLabel(), saved.ShowLabel());
  EXPECT_EQ(loaded.LabelAdd(), saved.LabelAdd());
  EXPECT_EQ(loaded.font(), saved.font());
  EXPECT_EQ(loaded.TextColor(), saved.TextColor());
}

// Colour codes are red + 256 green + 65536 blue: 0 black, 255 red, 65535 yellow,
// 16777215 white.
TEST_F(GaugeTest, ANewGaugeHasTheDefaultColours) {
  EXPECT_EQ(gauge.BackColor(), QColor(0, 0, 0));
  EXPECT_EQ(gauge.ForeColor(), QColor(255, 0, 0));
  EXPECT_EQ(gauge.SecondForeColor(), QColor(255, 255, 0));
  EXPECT_EQ(gauge.TextColor(), QColor(255, 255, 255));
  EXPECT_EQ(Gradomat::CodeFromColour(gauge.BackColor()), 0);
  EXPECT_EQ(Gradomat::CodeFromColour(gauge.ForeColor()), 255);
  EXPECT_EQ(Gradomat::CodeFromColour(gauge.SecondForeColor()), 65535);
  EXPECT_EQ(Gradomat::CodeFromColour(gauge.TextColor()), 16777215);
}

TEST_F(GaugeTest, ANewGaugeSavesNothingAndEveryChangeUnderItsStoredName) {
  EXPECT_TRUE(gauge.WriteProperties().isEmpty());
  ChangeEverything(gauge);
  const QVariantMap saved = gauge.WriteProperties();
  EXPECT_EQ(saved.keys(), (QStringList{"BackColor", "BarType", "Font", "ForeColor", "LabelAdd",
                                       "Max", "Min", "SecForeColor", "ShowLabel", "TextColor",
                                       "Value"}));
  EXPECT_EQ(saved.value("BackColor"), QVariant(1 + 256 * 2 + 65536 * 3));
  EXPECT_EQ(saved.value("SecForeColor"), QVariant(7 + 256 * 8 + 65536 * 9));
  EXPECT_EQ(saved.value("Max"), QVariant(35));

  Gradomat loaded;
  EXPECT_TRUE(loaded.ReadProperties(saved).isEmpty());
  ExpectSameProperties(loaded, gauge);
  EXPECT_EQ(loaded.WriteProperties(), saved);
}

TEST_F(GaugeTest, PropertiesRoundTripThroughASettingsFile) {
  ChangeEverything(gauge);
  TempFolder folder;
  const QString file = QString::fromStdString((folder / "form.ini").string());
  {
    QSettings settings(file, QSettings::IniFormat);
    settings.beginGroup(QStringLiteral("MapSizeBar"));
    const QVariantMap saved = gauge.WriteProperties();
    for (auto entry = saved.cbegin(); entry != saved.cend(); ++entry) {
      settings.setValue(entry.key(), entry.value());
    }
  }
  QSettings settings(file, QSettings::IniFormat);
  settings.beginGroup(QStringLiteral("MapSizeBar"));
  QVariantMap stored;
  for (const QString& key : settings.childKeys()) stored.insert(key, settings.value(key));

  Gradomat loaded;
  EXPECT_TRUE(loaded.ReadProperties(stored).isEmpty());
  ExpectSameProperties(loaded, gauge);
}

TEST_F(GaugeTest, LoadingMatchesNamesInAnyCaseAndDoesNotClamp) {
  const QStringList problems = gauge.ReadProperties(
      {{"mAX", 10}, {"VALUE", 50}, {"min", -5}, {"secforecolor", "255"}, {"showlabel", "true"}});
  EXPECT_TRUE(problems.isEmpty()) << problems.join('\n').toStdString();
  EXPECT_EQ(gauge.Max(), 10);
  EXPECT_EQ(gauge.Value(), 50);
  EXPECT_EQ(gauge.Min(), -5);
  EXPECT_EQ(gauge.SecondForeColor(), QColor(255, 0, 0));
  EXPECT_TRUE(gauge.ShowLabel());
  EXPECT_EQ(beeps, 0);
}

TEST_F(GaugeTest, MissingEntriesLoadTheirDefaults) {
  ChangeEverything(gauge);
  EXPECT_TRUE(gauge.ReadProperties({}).isEmpty());
  ExpectSameProperties(gauge, Gradomat());
  EXPECT_FALSE(gauge.testAttribute(Qt::WA_SetFont)) << "the ambient font again";
  EXPECT_TRUE(gauge.WriteProperties().isEmpty());
}

TEST_F(GaugeTest, EntriesThatCannotBeTakenLoadTheirDefaultsAndAreNamed) {
  const QStringList problems = gauge.ReadProperties({{"Value", 70000},
                                                     {"Max", 100},
                                                     {"Min", -32768},
                                                     {"ForeColor", "red"},
                                                     {"BarType", 1},
                                                     {"Font", "Serif,12,bold"}});
  ASSERT_EQ(problems.size(), 4) << problems.join('\n').toStdString();
  EXPECT_EQ(problems[0],
            "The saved Value \"70000\" is not a whole number from -32768 to 32767; Value takes "
            "its default 0.");
  EXPECT_EQ(problems[1],
            "The saved Max 100 with Min -32768 makes Max - Min = 32868, beyond the 16-bit range "
            "of a gauge (-32768 to 32767); Max and Min take their defaults.");
  EXPECT_TRUE(problems[2].startsWith("The saved ForeColor \"red\" is not a whole number"));
  EXPECT_EQ(problems[3],
            "The saved Font \"Serif,12,bold\" is not a font; the ambient font is used.");
  EXPECT_EQ(gauge.Value(), 0);
  EXPECT_EQ(gauge.Max(), 32767);
  EXPECT_EQ(gauge.Min(), 0);
  EXPECT_EQ(gauge.ForeColor(), QColor(255, 0, 0));
  EXPECT_EQ(gauge.BarType(), Gradomat::TYPE_PositionBar) << "the good entries are taken";
}

TEST_F(GaugeTest, LoadingIsNoChangeAndTheBarGlidesToTheLoadedValue) {
  int heard = 0;
  QObject::connect(&gauge, &Gradomat::PropertyChanged, [&] { ++heard; });
  QObject::connect(&gauge, &Gradomat::Change, [&] { ++heard; });
  QFont font = gauge.font();
  font.setPointSize(30);
  gauge.ReadProperties({{"Max", 100}, {"Value", 60}, {"Font", font}});
  EXPECT_EQ(heard, 0);
  EXPECT_TRUE(Timer().isActive());
  EXPECT_EQ(Animate().back(), 60);
}

}  // namespace
}  // namespace vendrel::testing
