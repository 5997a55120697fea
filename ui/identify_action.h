#pragma once

#include "data/connection.h"
#include "lookup/standards.h"

#include <QString>

#include <vector>

class QAction;
class QWidget;

namespace vantelo::ui {

class StandardPage;

// Adds 按实测尺寸识别… (Ctrl+F) to the window as the action "identifyAction",
// so that menus can list it too. Its dialog is created on first use; a
// chosen flange is shown with goToFlange.
QAction *addIdentifyAction(QWidget &window, std::vector<StandardPage *> pages,
                           const data::Connection &connection);

// Brings the standard's tab to the front, picks the pressure and the DN on
// its page through the reactions a user's picks raise, and runs its query.
// A pressure or DN the lists do not hold stops there, silently.
void goToFlange(QWidget &window, const std::vector<StandardPage *> &pages, const lookup::StandardRecord &standard,
                const QString &pressure, const QString &diameter);

} // namespace vantelo::ui
