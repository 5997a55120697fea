#pragma once

// What a user can pick on every page: each pressure, then the first diameter
// listed for it, with every result label's caption made from the row.

#include "data/database.h"
#include "data/value_text.h"
#include "lookup/flange_standard.h"
#include "lookup/pressure_class_table.h"
#include "lookup/result_binding.h"
#include "lookup/statements.h"

namespace vantelo::fuzz {

inline void runPageStatements(const data::Database &database)
{
    for (const lookup::FlangeStandard &standard : lookup::flangeStandards()) {
        for (const char *entry : standard.pressureEntries) {
            const QString pick = QString::fromUtf8(entry);
            const QString pressure = standard.classesTranslated == 0
                ? pick
                : lookup::PressureClassTable(pick, standard.classesTranslated).value_or(QString());
            const auto listing = lookup::diameterStatement(standard, pressure);
            auto diameters = listing ? database.execute(*listing) : std::nullopt;
            if (!diameters || diameters->atEnd())
                continue;
            const auto diameter = diameters->field(QStringLiteral("公称通径DN"));
            const auto text = diameter ? data::fieldText(*diameter) : std::nullopt;
            const auto query = lookup::dimensionStatement(standard, pressure, text.value_or(QString()));
            if (auto row = query ? database.execute(*query, nullptr, 1) : std::nullopt) {
                for (const lookup::ResultBinding &binding : standard.bindings)
                    lookup::captionFor(binding, *row);
            }
        }
    }
}

} // namespace vantelo::fuzz
