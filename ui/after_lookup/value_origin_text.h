#pragma once

#include "ui/after_lookup/found_flange.h"

#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

namespace vantelo::ui {

// What an empty cell or label means.
QString unknownValueText();

// Where one column's value of the shown flange comes from, as one line of
// text, or nothing when the data file does not say.
using OriginOf = std::function<std::optional<QString>(const QString &column)>;

// A result label's tooltip: for each column it shows, the column's name and
// either where its value comes from or that it is unknown.
QString labelToolTip(const QStringList &columns, const FoundFlange &flange, const OriginOf &originOf);

} // namespace vantelo::ui
