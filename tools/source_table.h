#pragma once

#include "csv_file.h"
#include "table_layouts.h"

#include <optional>
#include <string>
#include <vector>

namespace vantelo::tools {

// One value of a source row. An empty source cell is absent: unknown, stored
// as NULL, never as zero.
struct SourceCell
{
    std::string text;
    double number = 0;
    bool present = false;
};

struct SourceRow
{
    int line = 0;
    std::string pressure;
    long long diameter = 0;
    std::vector<SourceCell> cells; // indexed like TableLayout::columns
};

// A source file checked against its table layout.
struct SourceTable
{
    const TableLayout *layout = nullptr;
    std::string displayName;
    std::vector<SourceRow> rows;

    const SourceCell &cell(const SourceRow &row, std::string_view columnName) const;
};

// Checks header and values of file against layout. Every fault is appended
// to errors as "<file>:<line>: column <n> "<name>": <reason>"; with any fault
// the result is nullopt.
std::optional<SourceTable> readSourceTable(const CsvFile &file, const TableLayout &layout,
                                           std::vector<std::string> &errors);

} // namespace vantelo::tools
