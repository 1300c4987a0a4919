#pragma once

#include <QCheckBox>
#include <QString>
#include <QWidget>

#include "gradomat.h"
#include "run_options.h"

namespace vendrel::generator_ui {

// The caption the window shows beside a gauge.
QString GaugeCaption(std::string_view gaugeName);

// A gauge as its setting declares it: name, range, start value, label suffix, bar type,
// colours, and the keyboard.
Gradomat* MakeGauge(const GaugeSetting& setting, QWidget* parent);

QCheckBox* MakeCheck(const CheckSetting& setting, QWidget* parent);

}  // namespace vendrel::generator_ui
