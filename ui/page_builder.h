#pragma once

#include "ui/page_handles.h"
#include "ui/twips.h"

#include <QList>

class QWidget;

namespace vantelo::ui {

struct BuiltPage
{
    // The controls that take the focus, in focus order: the pressure list,
    // the diameter list and the query button.
    QList<QWidget *> focusOrder;
    // The controls of the roles the page object uses.
    PageHandles handles;
};

// Creates every control of a standard's page from its record, at its pixel
// position on the page, stacked as the record lists them (first row on top),
// and binds each control of a role the page object uses as it is made. The
// records' roles match their kinds (checked where they are gathered), so
// every role finds its control.
BuiltPage buildPage(QWidget *page, const lookup::StandardRecord &record);

} // namespace vantelo::ui
