#pragma once

namespace vantelo::ui {

// Makes the window's own painted controls visible to assistive technology:
// the tab strip as a page-tab list with one page tab per caption, and the
// page labels with their caption as the accessible value. Safe to call more
// than once.
void installAccessibility();

} // namespace vantelo::ui
