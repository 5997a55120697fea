#pragma once

#include "data/connection.h"

#include <QString>

namespace vantelo::lookup {

// Where one value of the data file comes from, as the file itself records it.
struct ValueOrigin
{
    enum class Kind {
        Unrecorded, // the file records nothing for the value (no provenance tables, or no line for it)
        Known,      // source, reference and confidence are set
        Gap,        // recorded as not found in any usable source; the cell is empty
    };

    Kind kind = Kind::Unrecorded;
    QString source;     // short name as the references give it, e.g. "S2+S3" or "X"
    QString reference;  // each source it names with its published document, one per line
    QString confidence; // "high", "medium-high", "medium", "medium-low", "low"; empty if not graded
};

// The origin of column in table at pressure (the text stored in 公称压力PN,
// e.g. "1.6") and diameter (the DN as the page lists it, e.g. "100").
// Reads the optional provenance tables (data/side_tables.h); a file
// without them (an Access file, an older file), a failed statement or a
// malformed argument gives Unrecorded. Never shows anything.
ValueOrigin valueOrigin(const data::Connection &connection, const QString &table, const QString &pressure,
                        const QString &diameter, const QString &column);

} // namespace vantelo::lookup
