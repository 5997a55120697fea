#include "ui/page_tables.h"

#include <array>

namespace vantelo::ui {

std::span<const TabPageSpec> tabPages()
{
    // Tabs 1-4 are the European system, 5-7 the American one; the eighth tab
    // keeps its default caption and stays empty.
    static const std::array<TabPageSpec, 8> tabs{{
        {"HG20593", hg20593Page()},
        {"HG20594", hg20594Page()},
        {"HG20595", hg20595Page()},
        {"HG20596", hg20596Page()},
        {"HG20616", hg20616Page()},
        {"HG20617", hg20617Page()},
        {"HG20618", hg20618Page()},
        {"Tab 7", {}},
    }};
    return tabs;
}

} // namespace vantelo::ui
