#include "ui/tab_pages.h"

#include "lookup/standards.h"

#include <array>

namespace vantelo::ui {

std::span<const TabPageSpec> tabPages()
{
    // Tabs 1-4 are the European system, 5-7 the American one; the eighth tab
    // keeps its default caption and stays empty.
    static const std::array<TabPageSpec, 8> tabs = [] {
        std::array<TabPageSpec, 8> made{};
        for (std::size_t i = 0; i < lookup::StandardRecords.size(); ++i)
            made[i] = {lookup::StandardRecords[i].caption, lookup::StandardRecords[i].page};
        made[7] = {"Tab 7", {}};
        return made;
    }();
    return tabs;
}

} // namespace vantelo::ui
