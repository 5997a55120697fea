#pragma once

#include "flange_standard.h"
#include "page_controls.h"

#include "data/connection.h"

#include <QString>

namespace vantelo::lookup {

// The reaction to a pick in a page's pressure list: on the American pages the
// class goes into the pressure-value label as its MPa text; then the diameter
// list is refilled with the distinct diameters stored for that pressure, in
// the order the data file delivers them, and its first entry is selected.
// Every failing step is skipped silently.
void RefillDiameterList(const FlangeStandard &standard, const PageControls &controls,
                        const data::Connection &connection);

// The pressure text the page's statements use: the pressure list's text, or
// on the American pages the pressure-value label's caption.
QString pressureText(const FlangeStandard &standard, const PageControls &controls);

} // namespace vantelo::lookup
