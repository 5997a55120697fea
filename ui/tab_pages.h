#pragma once

#include "ui/control_row.h"

#include <span>

namespace vantelo::ui {

// A tab of the window: its caption and its page's controls, front to back
// (the first row lies on top, the last at the bottom). The eighth tab has none.
struct TabPageSpec
{
    const char *caption;
    std::span<const ControlRow> controls;
};

// The eight tabs, in order: the seven standards' pages and the empty tab.
std::span<const TabPageSpec> tabPages();

} // namespace vantelo::ui
