#pragma once

#include "ui/control_row.h"
#include "ui/page_handles.h"

#include <QList>
#include <span>

class QWidget;

namespace vantelo::ui {

struct BuiltPage
{
    // The controls that take the focus, in focus order: the pressure list,
    // the diameter list and the query button.
    QList<QWidget *> focusOrder;
    // The controls the standard names, when the page serves one.
    PageHandles handles;
};

// Creates every control of a page from its table, at its pixel position on
// the page, stacked as the table lists them (first row on top), and hands
// over the controls the page's standard (if any) names.
BuiltPage buildPage(QWidget *page, std::span<const ControlRow> controls,
                    const lookup::FlangeStandard *standard = nullptr);

} // namespace vantelo::ui
