#include "ui/window_command.h"

#include <QAction>
#include <QWidget>

namespace vantelo::ui {

QAction *addWindowCommand(QWidget &window, const char *name, const QString &text, const QKeySequence &key,
                          QObject *owner)
{
    auto *action = new QAction(text, owner != nullptr ? owner : &window);
    action->setObjectName(QString::fromLatin1(name));
    action->setShortcut(key);
    window.addAction(action);
    return action;
}

} // namespace vantelo::ui
