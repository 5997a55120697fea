#pragma once

#include "data/connection.h"
#include "ui/standard_page.h"

#include <QString>

#include <span>

class QWidget;

namespace vantelo::ui {
class Form1;
}

namespace vantelo::app {

// The window's load step: open DbConnection() on the data file beside the
// program (the result is not looked at), tie the seven pages to the lookups
// and fill their pressure lists, which fills every diameter list; add the
// action that identifies a flange from its measurements. Returns the page
// objects, owned by the window, in tab order.
std::vector<ui::StandardPage *> loadForm1(ui::Form1 &form1);

// The same load step on a given connection and program directory.
std::vector<ui::StandardPage *> loadForm1(ui::Form1 &form1, data::Connection &connection, const QString &programDirectory);

// The same load step for any window that holds the pages; the page objects
// are owned by window.
std::vector<ui::StandardPage *> loadForm1(QWidget &window, std::span<const ui::PageHandles> pages,
                                         data::Connection &connection, const QString &programDirectory);

} // namespace vantelo::app
