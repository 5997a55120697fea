#pragma once

#include "lookup/bolt_thread.h"
#include "lookup/flange_standard.h"

#include <QString>
#include <QStringList>

#include <optional>
#include <utility>
#include <vector>

namespace vantelo::ui {

// One dimension of a flange as the data file holds it: its column name and
// its value in the labels' number form, or nothing when the value is unknown.
struct Dimension
{
    QString column;
    std::optional<QString> value;
};

// The flange a page shows: what its last query that found a row asked for
// and got. A failed query leaves it as it was, like the labels.
struct FoundFlange
{
    QString standard;    // tab caption, "HG20593"
    QString title;       // the page's title
    QString pressure;    // as picked: "1.6" or "300#"
    QString pressureMpa; // the class's MPa text on the American pages, else empty
    QString diameter;    // "100"
    std::vector<Dimension> dimensions;
    // The bolts of the flange; nothing when the data file does not give them.
    std::optional<lookup::BoltThread> bolts;

    // The pressure as the data file stores it: the MPa text.
    QString storedPressure() const { return pressureMpa.isEmpty() ? pressure : pressureMpa; }
    // "公称压力 PN1.6 MPa" or "公称压力 Class 300# (5.0 MPa)".
    QString pressureText() const;
    // Standard, title, pressure and DN on one line.
    QString headline() const;
};

// A value of a row as the lookups give it (column, text), found by column
// name in any case; nothing when the row lacks it or it is empty (a null: a
// value nobody found).
std::optional<QString> valueIn(const std::vector<std::pair<QString, QString>> &row, const QString &column);

// The columns a page shows, the connection dimensions (D, K, n, L) first and
// the rest in the page's label order, each once.
QStringList shownColumns(const lookup::FlangeStandard &standard);

// The columns a result label shows, in its caption's order.
QStringList labelColumns(const lookup::ResultBinding &binding);

} // namespace vantelo::ui
