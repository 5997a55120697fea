#pragma once

#include "standard_record.h"

#include "data/result_set.h"

#include <QString>

#include <optional>

namespace vantelo::lookup {

// One result label of a page and where its caption comes from.
struct ResultBinding
{
    const char *label;
    CaptionPattern pattern;
    const char *firstColumn;
    const char *secondColumn = nullptr; // DiameterPair and BoltHoles only
};

// The caption of a binding built from the current row, or std::nullopt when
// a column cannot be read (no current row, no such column): the label then
// keeps its caption. A null counts as empty text, in Plain too, so a flange
// never shows a value left over from another row.
std::optional<QString> captionFor(const ResultBinding &binding, const data::ResultSet &row);

} // namespace vantelo::lookup
