#pragma once

#include "data/connection.h"

#include <QString>

class QWidget;

namespace vantelo::app {

// The window's load step: open DbConnection() on the data file beside the
// program (the result is not looked at), tie the seven pages to the lookups
// and fill their pressure lists, which fills every diameter list; add the
// action that identifies a flange from its measurements.
void loadForm1(QWidget &form1);

// The same load step on a given connection and program directory.
void loadForm1(QWidget &form1, data::Connection &connection, const QString &programDirectory);

} // namespace vantelo::app
