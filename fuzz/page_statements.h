#pragma once

// What a user can pick on every page: each pressure, then the first diameter
// listed for it, with every result label's caption made from the row.

#include "data/database.h"
#include "data/value_text.h"
#include "lookup/found_flange.h"
#include "lookup/standards.h"
#include "lookup/statements.h"

namespace vantelo::fuzz {

inline void runPageStatements(const data::Database &database)
{
    for (const lookup::StandardRecord &standard : lookup::StandardRecords) {
        for (std::size_t entry = 0; entry < lookup::pressureCount(standard); ++entry) {
            const std::string_view stored = lookup::pressureEntry(standard, entry).stored;
            const QString pressure = QString::fromUtf8(stored.data(), qsizetype(stored.size()));
            const auto listing = lookup::diameterStatement(standard, pressure);
            auto diameters = listing ? database.execute(*listing) : std::nullopt;
            if (!diameters || diameters->atEnd())
                continue;
            const auto diameter = diameters->field(QStringLiteral("公称通径DN"));
            const auto text = diameter ? data::fieldText(*diameter) : std::nullopt;
            const auto query = lookup::dimensionStatement(standard, pressure, text.value_or(QString()));
            if (auto row = query ? database.execute(*query, nullptr, 1) : std::nullopt) {
                const lookup::FoundFlange flange{&standard, pressure, pressure, text.value_or(QString()),
                                                 lookup::rowValues(*row), std::nullopt};
                for (int place = 0; place < lookup::resultCount(standard); ++place)
                    lookup::captionOf(lookup::resultAt(standard, place)->source, flange);
            }
        }
    }
}

} // namespace vantelo::fuzz
