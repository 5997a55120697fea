#include "ui/after_lookup/found_flange.h"

#include "data/flange_columns.h"

#include <algorithm>
#include <array>

namespace vantelo::ui {
namespace {

// What a fitter measures to find a mating flange, in the order they are quoted.
constexpr std::array<const char *, 4> kConnectionColumns = {data::OutsideColumn, data::BoltCircleColumn,
                                                           data::BoltCountColumn, data::BoltHoleColumn};

} // namespace

QString FoundFlange::pressureText() const
{
    if (pressureMpa.isEmpty())
        return QStringLiteral("公称压力 PN%1 MPa").arg(pressure);
    return QStringLiteral("公称压力 Class %1 (%2 MPa)").arg(pressure, pressureMpa);
}

QString FoundFlange::headline() const
{
    return QStringLiteral("%1 %2  %3  公称通径 DN%4").arg(standard, title, pressureText(), diameter);
}

std::optional<QString> valueIn(const std::vector<std::pair<QString, QString>> &row, const QString &column)
{
    const auto found = std::ranges::find_if(
        row, [&](const auto &value) { return value.first.compare(column, Qt::CaseInsensitive) == 0; });
    if (found == row.end() || found->second.isEmpty())
        return std::nullopt;
    return found->second;
}

QStringList labelColumns(const lookup::ResultBinding &binding)
{
    QStringList columns{QString::fromUtf8(binding.firstColumn)};
    if (binding.secondColumn != nullptr)
        columns.append(QString::fromUtf8(binding.secondColumn));
    return columns;
}

QStringList shownColumns(const lookup::FlangeStandard &standard)
{
    QStringList bound;
    for (const lookup::ResultBinding &binding : standard.bindings)
        bound.append(labelColumns(binding));
    QStringList columns;
    for (const char *connection : kConnectionColumns) {
        if (bound.contains(QString::fromUtf8(connection)))
            columns.append(QString::fromUtf8(connection));
    }
    for (const QString &column : bound) {
        if (!columns.contains(column))
            columns.append(column);
    }
    return columns;
}

} // namespace vantelo::ui
