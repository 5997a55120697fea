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

// The eight tabs, in order.
std::span<const TabPageSpec> tabPages();

// One table per standard's page.
std::span<const ControlRow> hg20593Page();
std::span<const ControlRow> hg20594Page();
std::span<const ControlRow> hg20595Page();
std::span<const ControlRow> hg20596Page();
std::span<const ControlRow> hg20616Page();
std::span<const ControlRow> hg20617Page();
std::span<const ControlRow> hg20618Page();

} // namespace vantelo::ui
