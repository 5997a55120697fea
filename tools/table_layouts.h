#pragma once

#include "data/flange_columns.h"
#include "lookup/standard_record.h"

#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace vantelo::tools {

using lookup::FlangeSystem;

enum class ColumnKind {
    Pressure, // 公称压力PN, stored as the program's pressure text
    Diameter, // 公称通径DN, a whole number
    Count,    // 螺栓孔数量n, a whole number
    Length,   // any other dimension, a decimal in mm
};

struct ColumnLayout
{
    std::string name;
    ColumnKind kind;
};

// A hub (neck) diameter and, where the flange has one, the bore it surrounds.
struct HubAndBore
{
    std::string hub;
    std::string bore; // empty where the table has no matching bore
};

// A pipe series and what takes it: the bore it passes through and the hub
// around it; either is empty where the table has none (a welding-neck bore
// is the pipe's inside, not around the pipe).
struct PipeFit
{
    std::string pipe;
    std::string bore;
    std::string hub;
};

// One table of the data file: its columns in shipping order and the roles of
// the columns that the consistency rules compare. Name, pressures and
// columns come from the standard's record, which the program reads too.
struct TableLayout
{
    std::string name;
    FlangeSystem system;
    std::vector<std::string> offeredPressures;
    std::vector<ColumnLayout> columns;
    std::vector<std::string> bores;
    std::vector<HubAndBore> hubs;
    std::vector<std::string> pipeSeriesA;
    std::vector<std::string> pipeSeriesB;
    bool hasHeight = false;
    std::vector<PipeFit> pipeFits;

    int columnIndex(std::string_view columnName) const; // -1 if absent
    bool offers(std::string_view pressure) const;
};

namespace column {
inline constexpr std::string_view Pressure = data::PressureColumn;
inline constexpr std::string_view Diameter = data::DiameterColumn;
inline constexpr std::string_view OutsideD = data::OutsideColumn;
inline constexpr std::string_view BoltCircleK = data::BoltCircleColumn;
inline constexpr std::string_view BoltCountN = data::BoltCountColumn;
inline constexpr std::string_view BoltHoleL = data::BoltHoleColumn;
inline constexpr std::string_view ThicknessC = "法兰厚度C";
inline constexpr std::string_view HeightH = "法兰高度H";
} // namespace column

// The seven tables, in tab order.
std::span<const TableLayout> tableLayouts();
const TableLayout *findTableLayout(std::string_view tableName);

} // namespace vantelo::tools
