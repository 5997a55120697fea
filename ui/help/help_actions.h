#pragma once

#include "data/connection.h"

class QWidget;

namespace vantelo::ui {

// 使用说明 (F1) and 关于 Vantelo…, as window-wide commands named "helpAction"
// and "aboutAction", for the page context menu to offer.
void addHelpActions(QWidget &window, const data::Connection &connection);

} // namespace vantelo::ui
