#pragma once

#include <QIcon>

namespace vantelo::ui {

// The program's icon, a generic window symbol (a white window with a cyan
// title bar), drawn at 16 and 32 px from the SVGs under ui/icons/.
QIcon programIcon();

} // namespace vantelo::ui
