#pragma once

#include "data/connection.h"
#include "lookup/standards.h"

#include <QString>

#include <vector>

class QAction;
class QWidget;

namespace vantelo::ui {

class StandardPage;

// Adds 按设计条件选型… (Ctrl+R) to the window as the action "ratingAction",
// so that menus can list it too. Its dialog is created on first use and told
// which page it was opened from; a chosen class is shown with goToClass.
QAction *addRatingAction(QWidget &window, std::vector<StandardPage *> pages, const data::Connection &connection);

// Brings the American standard's tab to the front, selects the class on its
// page through the reaction a user's pick raises, keeps the DN that the page
// in front showed if the new list has it, and runs the query. False when the
// page does not list the class.
bool goToClass(QWidget &window, const std::vector<StandardPage *> &pages, const lookup::StandardRecord &standard,
               const QString &classText);

} // namespace vantelo::ui
