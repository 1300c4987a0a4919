#pragma once

#include <QString>
#include <QtGlobal>

namespace vendrel {

// Gauge values are 16-bit, and so is the width Max - Min that the drawing divides by.
bool FitsGauge(qint64 number);

// Why a gauge cannot have this Max and Min, or empty when it can.
QString GaugeRangeProblem(qint64 max, qint64 min);

}  // namespace vendrel
