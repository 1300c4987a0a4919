#include "gradomat_designer_plugin.h"

#include <QIcon>

#include "gradomat.h"

namespace vendrel {

GradomatDesignerPlugin::GradomatDesignerPlugin(QObject* parent) : QObject(parent) {}

QString GradomatDesignerPlugin::name() const { return QStringLiteral("vendrel::Gradomat"); }

QString GradomatDesignerPlugin::group() const { return QStringLiteral("Meterkin"); }

QString GradomatDesignerPlugin::toolTip() const {
  return QStringLiteral("Gradomat gauge (%1)").arg(QLatin1String(Gradomat::kComponentId));
}

QString GradomatDesignerPlugin::whatsThis() const {
  return QStringLiteral(
      "A value between Min and Max shown as a colour-graded bar or a marker, set by clicking "
      "or dragging.");
}

QString GradomatDesignerPlugin::includeFile() const { return QStringLiteral("gradomat.h"); }

QIcon GradomatDesignerPlugin::icon() const { return {}; }

bool GradomatDesignerPlugin::isContainer() const { return false; }

QWidget* GradomatDesignerPlugin::createWidget(QWidget* parent) { return new Gradomat(parent); }

QString GradomatDesignerPlugin::domXml() const {
  return QStringLiteral(
      "<ui language=\"c++\">\n"
      " <widget class=\"vendrel::Gradomat\" name=\"gradomat\">\n"
      "  <property name=\"geometry\">\n"
      "   <rect><x>0</x><y>0</y><width>160</width><height>24</height></rect>\n"
      "  </property>\n"
      " </widget>\n"
      "</ui>\n");
}

}  // namespace vendrel
