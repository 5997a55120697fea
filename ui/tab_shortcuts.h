#pragma once

#include <QList>

class QWidget;

namespace vantelo::ui {

class TabControl;

// Ctrl+Tab and Ctrl+PgDn go to the next tab, Ctrl+Shift+Tab and Ctrl+PgUp to
// the previous one, from anywhere in window, wrapping round at the ends.
void addTabShortcuts(QWidget &window, TabControl &tabs);

// Return or Enter in one of a page's lists presses its query button, as a
// click does. stops are the page's focus stops: lists first, the button last.
void queryOnReturn(const QList<QWidget *> &stops);

} // namespace vantelo::ui
