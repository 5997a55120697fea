#pragma once

#include "standard_record.h"
#include "value_origin.h"

#include "data/connection.h"
#include "data/side_tables.h"

#include <QHash>
#include <QString>

#include <optional>

namespace vantelo::lookup {

// The name the bolts go by wherever a flange is shown: their column's.
using data::BoltThreadColumn;

// The bolts of a flange: the thread and how many, and where the thread
// comes from. All flange types of a system share them at a PN/DN.
struct BoltThread
{
    QString thread; // "M16", "M36×3"
    int count = 0;  // n
    ValueOrigin origin;

    // Count and thread in one text, as a bill of materials writes them: "8-M16".
    QString countText() const;
};

// The bolts of the flanges in record's table at pressure (the MPa text the
// file stores, "1.6" or "5.0"; an American class name such as "300#" is
// taken too) and diameter (the DN, "100"). Reads the optional bolt table of
// the data file: a file without it (an Access file, an older file), a PN/DN
// without a row or a failed statement gives std::nullopt, no thread. Never
// shows anything.
std::optional<BoltThread> boltThread(const data::Connection &connection, const StandardRecord &record,
                                     const QString &pressure, const QString &diameter);

// The threads of every DN of record's table at pressure, keyed by the DN as
// the data file's value text gives it ("100"): one statement for a whole
// table. Empty where boltThread() would give no thread.
QHash<QString, QString> boltThreadsAt(const data::Connection &connection, const StandardRecord &record,
                                      const QString &pressure);

} // namespace vantelo::lookup
