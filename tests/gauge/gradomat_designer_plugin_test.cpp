#include <QMetaProperty>
#include <QPluginLoader>
#include <QtUiPlugin/QDesignerCustomWidgetInterface>
#include <memory>

#include "gauge_fixture.h"

namespace vendrel::testing {
namespace {

TEST(GradomatDesignerPlugin, OffersTheGaugeWithItsProperties) {
  QPluginLoader loader(QStringLiteral(GRADOMAT_DESIGNER_PLUGIN));
  auto* plugin = qobject_cast<QDesignerCustomWidgetInterface*>(loader.instance());
  ASSERT_NE(plugin, nullptr) << loader.errorString().toStdString();
  EXPECT_EQ(plugin->name(), "vendrel::Gradomat");
  EXPECT_EQ(plugin->includeFile(), "gradomat.h");
  EXPECT_TRUE(plugin->domXml().contains("<widget class=\"vendrel::Gradomat\""));
  EXPECT_TRUE(plugin->toolTip().contains(Gradomat::kComponentId));
  EXPECT_FALSE(plugin->isContainer());

  std::unique_ptr<QWidget> widget(plugin->createWidget(nullptr));
  auto* gauge = qobject_cast<Gradomat*>(widget.get());
  ASSERT_NE(gauge, nullptr);

  QStringList properties;
  const QMetaObject* meta = gauge->metaObject();
  for (int i = meta->propertyOffset(); i < meta->propertyCount(); ++i) {
    properties << meta->property(i).name();
  }
  EXPECT_EQ(properties, (QStringList{"LabelAdd", "ShowLabel", "BackColor", "ForeColor",
                                     "SecondForeColor", "Value", "Max", "Min", "BarType",
                                     "TextColor"}));

  // The property editor writes through the setters, clamping included.
  int beeps = 0;
  gauge->SetBeeper([&] { ++beeps; });
  ASSERT_TRUE(gauge->setProperty("Max", 35));
  ASSERT_TRUE(gauge->setProperty("Value", 99));
  EXPECT_EQ(gauge->property("Value").toInt(), 35);
  EXPECT_EQ(beeps, 1);
  ASSERT_TRUE(gauge->setProperty("BarType", QStringLiteral("TYPE_PositionBar")));
  EXPECT_EQ(gauge->BarType(), Gradomat::TYPE_PositionBar);
}

}  // namespace
}  // namespace vendrel::testing
