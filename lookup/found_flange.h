#pragma once

#include "lookup/bolt_thread.h"
#include "lookup/standard_record.h"

#include "data/connection.h"
#include "data/field_value.h"

#include <QString>
#include <QStringList>

#include <optional>
#include <variant>
#include <vector>

namespace vantelo::lookup {

// One column of a found row with its value as the data file holds it.
struct FoundValue
{
    QString column;
    data::FieldValue value;
};

// The flange a query found: what was asked for and the first row stored for
// it, every column in the table's order, with the bolts where the file gives
// them. What the window shows, copies, exports and prints, and what the
// command line's show prints.
struct FoundFlange
{
    const StandardRecord *standard = nullptr;
    QString pressure;       // as the page lists it: "1.6", "300#"
    QString storedPressure; // as the table stores it: "1.6", "5.0"
    QString diameter;       // the DN as asked: "100"
    std::vector<FoundValue> values;
    std::optional<BoltThread> bolts;

    // The value of a column named in any letter case; nullptr when the row lacks it.
    const data::FieldValue *value(const QString &column) const;
    // Its text in the labels' number form; nothing when the row lacks it or
    // it is null or empty (a value nobody found).
    std::optional<QString> text(const QString &column) const;
};

// No row is stored for what was asked (or the texts could ask for none).
struct NoSuchRow
{
};

// The data file could not deliver the table.
struct ReadFailure
{
    QString reason;
};

using FlangeLookup = std::variant<FoundFlange, NoSuchRow, ReadFailure>;

// The query button's lookup, and the command line's: the first row of the
// record's table at storedPressure and diameter, and its bolts. pressure is
// the listed text the answer names.
FlangeLookup findFlange(const StandardRecord &record, const QString &pressure, const QString &storedPressure,
                        const QString &diameter, const data::Connection &connection);

// The current row of a result as a found flange's values.
std::vector<FoundValue> rowValues(const data::ResultSet &row);

// A result label's caption for a found row, or nothing when a column it
// reads is missing: the label then keeps its caption. A null counts as empty
// text, so a flange never shows a value left over from another row.
std::optional<QString> captionOf(const ResultSource &source, const FoundFlange &flange);

// The columns a result label shows, in its caption's order.
QStringList labelColumns(const ResultSource &source);

// The columns a page shows, the connection dimensions (D, K, n, L) first and
// the rest in the page's label order, each once.
QStringList shownColumns(const StandardRecord &record);

} // namespace vantelo::lookup
