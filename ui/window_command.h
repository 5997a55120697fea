#pragma once

#include <QKeySequence>
#include <QString>

class QAction;
class QObject;
class QWidget;

namespace vantelo::ui {

// A command of the window: an action named name (tests and the page menu
// find it by that name) with its text and shortcut, added to window so the
// shortcut works wherever the focus is in it. owner keeps it; the window when
// none is given.
QAction *addWindowCommand(QWidget &window, const char *name, const QString &text, const QKeySequence &key,
                          QObject *owner = nullptr);

} // namespace vantelo::ui
