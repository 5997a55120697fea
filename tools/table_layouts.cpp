#include "table_layouts.h"

#include <algorithm>

namespace vantelo::data::builder {

namespace {

const std::vector<std::string> kEuropeanPl{"0.25", "0.6", "1.0", "1.6", "2.5"};
const std::vector<std::string> kEuropeanSo{"0.6", "1.0", "1.6", "2.5", "4.0"};
const std::vector<std::string> kEuropeanWn{"1.0", "1.6", "2.5", "4.0", "6.3", "10.0", "16.0", "25.0"};
const std::vector<std::string> kEuropeanIf{"0.6", "1.0", "1.6", "2.5", "4.0", "6.3", "10.0", "16.0", "25.0"};
const std::vector<std::string> kAmericanSo{"2.0", "5.0", "11.0", "15.0", "26.0"};
const std::vector<std::string> kAmericanWnIf{"2.0", "5.0", "11.0", "15.0", "26.0", "42.0"};

// Key columns first, then the dimensions in the order the table lists them.
std::vector<ColumnLayout> columnsOf(std::initializer_list<const char *> dimensions)
{
    std::vector<ColumnLayout> columns{{std::string(column::Pressure), ColumnKind::Pressure},
                                      {std::string(column::Diameter), ColumnKind::Diameter}};
    for (const char *name : dimensions)
        columns.push_back({name, name == column::BoltCountN ? ColumnKind::Count : ColumnKind::Length});
    return columns;
}

std::vector<TableLayout> makeLayouts()
{
    std::vector<TableLayout> layouts;

    layouts.push_back({"_HG20593", FlangeSystem::European, kEuropeanPl,
                       columnsOf({"管子外径A1A", "管子外径A1B", "螺栓孔数量n", "螺栓孔直径L", "法兰内径B1A",
                                  "法兰内径B1B", "螺孔中圆直径K", "法兰外径D", "法兰厚度C", "坡口宽度b"}),
                       {"法兰内径B1A", "法兰内径B1B"}, {}, {"管子外径A1A"}, {"管子外径A1B"}, false});
    layouts.back().pipeFits = {{"管子外径A1A", "法兰内径B1A", ""}, {"管子外径A1B", "法兰内径B1B", ""}};

    layouts.push_back({"_HG20594", FlangeSystem::European, kEuropeanSo,
                       columnsOf({"钢管外径A1A", "钢管外径A1B", "螺栓孔数量n", "螺栓孔直径L", "法兰内径B1A",
                                  "法兰内径B1B", "螺孔中圆直径K", "法兰外径D", "法兰厚度C", "法兰高度H", "坡口宽度b",
                                  "法兰颈N-A", "法兰颈N-B", "法兰颈R"}),
                       {"法兰内径B1A", "法兰内径B1B"},
                       {{"法兰颈N-A", "法兰内径B1A"}, {"法兰颈N-B", "法兰内径B1B"}},
                       {"钢管外径A1A"}, {"钢管外径A1B"}, true});
    layouts.back().pipeFits = {{"钢管外径A1A", "法兰内径B1A", "法兰颈N-A"}, {"钢管外径A1B", "法兰内径B1B", "法兰颈N-B"}};

    layouts.push_back({"_HG20595", FlangeSystem::European, kEuropeanWn,
                       columnsOf({"法兰颈N-A", "法兰颈N-B", "钢管外径A1A", "钢管外径A1B", "螺栓孔数量n", "螺栓孔直径L",
                                  "螺孔中圆直径K", "法兰外径D", "法兰厚度C", "法兰高度H", "法兰颈H1", "法兰颈R",
                                  "法兰颈S"}),
                       {}, {{"法兰颈N-A", ""}, {"法兰颈N-B", ""}}, {"钢管外径A1A"}, {"钢管外径A1B"}, true});
    layouts.back().pipeFits = {{"钢管外径A1A", "", "法兰颈N-A"}, {"钢管外径A1B", "", "法兰颈N-B"}};

    layouts.push_back({"_HG20596", FlangeSystem::European, kEuropeanIf,
                       columnsOf({"法兰颈N", "螺孔中圆直径K", "法兰外径D", "螺栓孔数量n", "螺栓孔直径L", "法兰颈S0",
                                  "法兰颈S1", "法兰厚度C", "法兰颈R"}),
                       {}, {{"法兰颈N", ""}}, {}, {}, false});

    layouts.push_back({"_HG20616", FlangeSystem::American, kAmericanSo,
                       columnsOf({"法兰颈N", "法兰内径B", "螺孔中圆直径K", "法兰外径D", "螺栓孔数量n", "螺栓孔直径L",
                                  "法兰厚度C", "法兰高度H"}),
                       {"法兰内径B"}, {{"法兰颈N", "法兰内径B"}}, {}, {}, true});

    layouts.push_back({"_HG20617", FlangeSystem::American, kAmericanWnIf,
                       columnsOf({"法兰颈N", "钢管外径A", "法兰内径B-注", "螺孔中圆直径K", "法兰外径D", "螺栓孔数量n",
                                  "螺栓孔直径L", "法兰厚度C", "法兰高度H"}),
                       {"法兰内径B-注"}, {{"法兰颈N", "法兰内径B-注"}}, {"钢管外径A"}, {}, true});
    layouts.back().pipeFits = {{"钢管外径A", "", "法兰颈N"}};

    layouts.push_back({"_HG20618", FlangeSystem::American, kAmericanWnIf,
                       columnsOf({"法兰颈N", "法兰内径B", "螺孔中圆直径K", "法兰外径D", "螺栓孔数量n", "螺栓孔直径L",
                                  "颈部最小壁厚S", "法兰厚度C"}),
                       {"法兰内径B"}, {{"法兰颈N", "法兰内径B"}}, {}, {}, false});
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

} // namespace vantelo::data::builder
