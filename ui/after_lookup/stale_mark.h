#pragma once

#include "lookup/found_flange.h"

class QWidget;

namespace vantelo::ui {

// Greys a result label's text while it shows a flange other than the one the
// page's lists now name, and gives it back its own colour afterwards.
void markStale(QWidget &label, bool stale);

// "显示的是 PN1.6 DN100 的尺寸；请按查询": which flange the labels still show.
QString staleToolTip(const lookup::FoundFlange &flange);

} // namespace vantelo::ui
