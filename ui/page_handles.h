#pragma once

#include "ui/caption.h"

#include "lookup/flange_standard.h"

#include <QStringList>

#include <vector>

class QAbstractButton;
class QComboBox;

namespace vantelo::ui {

// The controls of one standard's page that its page object reads and
// writes, handed over by whoever built the page.
struct PageHandles
{
    const lookup::FlangeStandard *standard = nullptr;
    QComboBox *pressureList = nullptr;
    QComboBox *diameterList = nullptr;
    QAbstractButton *queryButton = nullptr;
    Caption *pressureValueLabel = nullptr; // American pages only
    std::vector<Caption *> resultLabels;   // parallel to the standard's bindings
    // Controls the standard names that the page does not hold; a complete
    // page has none.
    QStringList unbound;
};

// Selects an entry by index and raises the list's reaction exactly as a
// user's pick does. False when there is no such entry.
bool selectEntry(QComboBox &list, int index);

} // namespace vantelo::ui
