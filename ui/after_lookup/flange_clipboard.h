#pragma once

#include "lookup/found_flange.h"

class QMimeData;

namespace vantelo::ui {

// How an unknown value is written wherever a flange leaves the window.
inline constexpr char16_t kUnknownMark[] = u"—";

// The headline, then one "column<TAB>value" line per dimension and, where
// the data file gives it, the bolts' thread.
QString flangePlainText(const lookup::FoundFlange &flange);

// The same for office programs: the headline as a paragraph, then a table
// of one row per dimension, its name in one cell and its value in the next.
QString flangeHtml(const lookup::FoundFlange &flange);

// Both forms, ready for the clipboard (the caller owns the result).
QMimeData *flangeMimeData(const lookup::FoundFlange &flange);

} // namespace vantelo::ui
