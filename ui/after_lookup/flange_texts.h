#pragma once

#include "lookup/found_flange.h"

#include <QString>

namespace vantelo::ui {

// The title of a standard's page: "带颈对焊钢制管法兰(美洲体系)(WN)".
QString pageTitle(const lookup::StandardRecord &record);

// "公称压力 PN1.6 MPa" or "公称压力 Class 300# (5.0 MPa)".
QString pressureText(const lookup::StandardRecord &record, const QString &pressure, const QString &storedPressure);

// Standard, title, pressure and DN of a found flange on one line.
QString headline(const lookup::FoundFlange &flange);

} // namespace vantelo::ui
