#pragma once

#include <QString>

class QWidget;

namespace vantelo::ui {

// What a command the user asked for says when the data file is missing or
// cannot be read, instead of "no match" or an empty result.
QString unreadableDataFileText();

// Tells the user so in a message box titled after the command.
void tellDataFileUnreadable(QWidget *parent, const QString &command);

} // namespace vantelo::ui
