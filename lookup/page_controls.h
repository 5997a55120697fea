#pragma once

#include "caption.h"
#include "flange_standard.h"

#include <QPointer>

#include <vector>

class QAbstractButton;
class QComboBox;
class QWidget;

namespace vantelo::lookup {

// The controls of one page that the lookups read and write, found once by
// their names. A control that is missing stays null and its steps are skipped.
struct PageControls
{
    QPointer<QComboBox> pressureList;
    QPointer<QComboBox> diameterList;
    QPointer<QAbstractButton> queryButton;
    Caption *pressureValueLabel = nullptr;
    std::vector<Caption *> resultLabels; // parallel to the standard's bindings

    static PageControls find(const FlangeStandard &standard, const QWidget &root);
};

// Selects an entry by index and raises the list's reaction exactly as a
// user's pick does. False when there is no such entry.
bool selectEntry(QComboBox &list, int index);

} // namespace vantelo::lookup
