#pragma once

#include "ui/caption.h"

#include "lookup/standard_record.h"

#include <vector>

class QAbstractButton;
class QComboBox;

namespace vantelo::ui {

// The controls of one standard's page that its page object reads and
// writes, bound by their roles as the page was built.
struct PageHandles
{
    const lookup::StandardRecord *standard = nullptr;
    QComboBox *pressureList = nullptr;
    QComboBox *diameterList = nullptr;
    QAbstractButton *queryButton = nullptr;
    Caption *pressureValueLabel = nullptr; // American pages only
    std::vector<Caption *> resultLabels;   // in the query's order: resultLabels[place]
};

// Selects an entry by index and raises the list's reaction exactly as a
// user's pick does. False when there is no such entry.
bool selectEntry(QComboBox &list, int index);

} // namespace vantelo::ui
