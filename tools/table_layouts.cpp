#include "table_layouts.h"

#include "lookup/standards.h"

#include <algorithm>

namespace vantelo::tools {

namespace {

// The pressure texts a table stores, one for each entry of its page's list.
std::vector<std::string> storedPressures(const lookup::StandardRecord &record)
{
    std::vector<std::string> pressures;
    for (std::size_t i = 0; i < lookup::pressureCount(record); ++i)
        pressures.emplace_back(lookup::pressureEntry(record, i).stored);
    return pressures;
}

// Key columns first, then the columns the page's result labels read, in the
// order the query fills the labels.
std::vector<ColumnLayout> storedColumns(const lookup::StandardRecord &record)
{
    std::vector<ColumnLayout> columns{{std::string(column::Pressure), ColumnKind::Pressure},
                                      {std::string(column::Diameter), ColumnKind::Diameter}};
    for (int place = 0; const lookup::ControlRow *row = lookup::resultAt(record, place); ++place) {
        for (const char *name : {row->source.firstColumn, row->source.secondColumn}) {
            if (name != nullptr)
                columns.push_back({name, name == column::BoltCountN ? ColumnKind::Count : ColumnKind::Length});
        }
    }
    return columns;
}

// What a standard's record says of its table; the column roles are added
// below.
TableLayout layoutOf(const lookup::StandardRecord &record)
{
    TableLayout layout;
    layout.name = record.table;
    layout.system = record.system();
    layout.offeredPressures = storedPressures(record);
    layout.columns = storedColumns(record);
    layout.hasHeight = layout.columnIndex(column::HeightH) >= 0;
    return layout;
}

std::vector<TableLayout> makeLayouts()
{
    std::vector<TableLayout> layouts;
    for (const lookup::StandardRecord &record : lookup::StandardRecords)
        layouts.push_back(layoutOf(record));
    // The roles the consistency rules compare, by the standard whose table has them.
    const auto roles = [&layouts](const lookup::StandardRecord &record) -> TableLayout & {
        return *std::find_if(layouts.begin(), layouts.end(), [&](const TableLayout &l) { return l.name == record.table; });
    };
    using namespace lookup::standards;

    TableLayout &pl = roles(Hg20593);
    pl.bores = {"法兰内径B1A", "法兰内径B1B"};
    pl.pipeSeriesA = {"管子外径A1A"};
    pl.pipeSeriesB = {"管子外径A1B"};
    pl.pipeFits = {{"管子外径A1A", "法兰内径B1A", ""}, {"管子外径A1B", "法兰内径B1B", ""}};

    TableLayout &so = roles(Hg20594);
    so.bores = {"法兰内径B1A", "法兰内径B1B"};
    so.hubs = {{"法兰颈N-A", "法兰内径B1A"}, {"法兰颈N-B", "法兰内径B1B"}};
    so.pipeSeriesA = {"钢管外径A1A"};
    so.pipeSeriesB = {"钢管外径A1B"};
    so.pipeFits = {{"钢管外径A1A", "法兰内径B1A", "法兰颈N-A"}, {"钢管外径A1B", "法兰内径B1B", "法兰颈N-B"}};

    TableLayout &wn = roles(Hg20595);
    wn.hubs = {{"法兰颈N-A", ""}, {"法兰颈N-B", ""}};
    wn.pipeSeriesA = {"钢管外径A1A"};
    wn.pipeSeriesB = {"钢管外径A1B"};
    wn.pipeFits = {{"钢管外径A1A", "", "法兰颈N-A"}, {"钢管外径A1B", "", "法兰颈N-B"}};

    roles(Hg20596).hubs = {{"法兰颈N", ""}};

    TableLayout &americanSo = roles(Hg20616);
    americanSo.bores = {"法兰内径B"};
    americanSo.hubs = {{"法兰颈N", "法兰内径B"}};

    TableLayout &americanWn = roles(Hg20617);
    americanWn.bores = {"法兰内径B-注"};
    americanWn.hubs = {{"法兰颈N", "法兰内径B-注"}};
    americanWn.pipeSeriesA = {"钢管外径A"};
    americanWn.pipeFits = {{"钢管外径A", "", "法兰颈N"}};

    TableLayout &americanIf = roles(Hg20618);
    americanIf.bores = {"法兰内径B"};
    americanIf.hubs = {{"法兰颈N", "法兰内径B"}};
    return layouts;
}

} // namespace

int TableLayout::columnIndex(std::string_view columnName) const
{
    const auto found = std::find_if(columns.begin(), columns.end(),
                                    [&](const ColumnLayout &c) { return c.name == columnName; });
    return found == columns.end() ? -1 : int(found - columns.begin());
}

bool TableLayout::offers(std::string_view pressure) const
{
    return std::find(offeredPressures.begin(), offeredPressures.end(), pressure) != offeredPressures.end();
}

std::span<const TableLayout> tableLayouts()
{
    static const std::vector<TableLayout> layouts = makeLayouts();
    return layouts;
}

const TableLayout *findTableLayout(std::string_view tableName)
{
    for (const TableLayout &layout : tableLayouts()) {
        if (layout.name == tableName)
            return &layout;
    }
    return nullptr;
}

} // namespace vantelo::tools
