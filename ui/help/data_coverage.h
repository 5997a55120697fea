#pragma once

#include "data/connection.h"

#include <QString>

#include <optional>
#include <vector>

namespace vantelo::ui {

// How much of one standard's table the data file fills, over the columns
// its page shows.
struct TableCoverage
{
    QString standard; // "HG20593"
    int rows = 0;
    int knownCells = 0;
    int gaps = 0; // cells left empty: values no usable source gave
};

// Every standard's coverage; nothing when the data file cannot be read. A
// table the file lacks counts no rows.
std::optional<std::vector<TableCoverage>> dataCoverage(const data::Connection &connection);

// One published source of the data file: its system, id and full reference.
struct SourceReference
{
    QString system;
    QString id;
    QString reference;
};

// The sources the data file records, in the order it lists them; empty for
// a file that records none.
std::vector<SourceReference> sourceReferences(const data::Connection &connection);

} // namespace vantelo::ui
