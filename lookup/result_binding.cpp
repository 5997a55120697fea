#include "result_binding.h"

#include "data/value_text.h"

namespace vantelo::lookup {

namespace {

const QString Phi = QStringLiteral("\u03A6");

std::optional<QString> columnText(const data::ResultSet &row, const char *column)
{
    if (column == nullptr)
        return std::nullopt;
    const std::optional<data::FieldValue> value = row.field(QString::fromUtf8(column));
    if (!value)
        return std::nullopt;
    return data::fieldText(*value).value_or(QString());
}

} // namespace

std::optional<QString> captionFor(const ResultBinding &binding, const data::ResultSet &row)
{
    const std::optional<QString> first = columnText(row, binding.firstColumn);
    if (!first)
        return std::nullopt;

    // A caption none of whose values is known stays empty, as a plain one
    // does: a bare "Φ" or "R" would read as a value left off by mistake.
    switch (binding.pattern) {
    case CaptionPattern::Plain:
        return *first;
    case CaptionPattern::Diameter:
        return first->isEmpty() ? QString() : Phi + *first;
    case CaptionPattern::Radius:
        return first->isEmpty() ? QString() : QStringLiteral("R") + *first;
    case CaptionPattern::DiameterPair:
    case CaptionPattern::BoltHoles:
        break;
    }

    const std::optional<QString> second = columnText(row, binding.secondColumn);
    if (!second)
        return std::nullopt;
    if (first->isEmpty() && second->isEmpty())
        return QString();
    if (binding.pattern == CaptionPattern::DiameterPair)
        return Phi + *first + QStringLiteral("(") + Phi + *second + QStringLiteral(")");
    return *first + QStringLiteral("-") + Phi + *second;
}

} // namespace vantelo::lookup
