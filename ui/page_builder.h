#pragma once

#include "ui/control_row.h"

#include <QList>
#include <span>

class QWidget;

namespace vantelo::ui {

// Creates every control of a page from its table, at its pixel position on
// the page, stacked as the table lists them (first row on top). Returns the
// controls that take the focus, in focus order: the pressure list, the
// diameter list and the query button.
QList<QWidget *> buildPage(QWidget *page, std::span<const ControlRow> controls);

} // namespace vantelo::ui
