#include "statements.h"

#include "data/flange_columns.h"

namespace vantelo::lookup {

namespace {

bool isSafePressure(const QString &pressure)
{
    return !pressure.contains(QLatin1Char('\''));
}

// Digits with an optional sign and fraction, nothing else: what a diameter
// list entry made from a number looks like. Scanned by hand: compiling a
// regular expression would cost more than a whole lookup from the command line.
bool isPlainDecimal(const QString &diameter)
{
    qsizetype at = diameter.startsWith(QLatin1Char('-')) ? 1 : 0;
    const auto skipDigits = [&] {
        const qsizetype start = at;
        while (at < diameter.size() && diameter.at(at) >= QLatin1Char('0') && diameter.at(at) <= QLatin1Char('9'))
            ++at;
        return at > start;
    };
    if (!skipDigits())
        return false;
    if (at < diameter.size() && diameter.at(at) == QLatin1Char('.')) {
        ++at;
        if (!skipDigits())
            return false;
    }
    return at == diameter.size();
}

const QString Diameter = QString::fromUtf8(data::DiameterColumn);

// " from <table> where <pressure column>='": what both statements share.
QString fromTableAtPressure(const StandardRecord &record)
{
    return QStringLiteral(" from ") + QString::fromUtf8(record.table) + QStringLiteral(" where ")
        + QString::fromUtf8(data::PressureColumn) + QStringLiteral("='");
}

} // namespace

std::optional<QString> diameterStatement(const StandardRecord &record, const QString &pressure)
{
    if (!isSafePressure(pressure))
        return std::nullopt;
    return QStringLiteral("select distinct ") + Diameter + fromTableAtPressure(record) + pressure
        + QLatin1Char('\'');
}

std::optional<QString> tableStatement(const StandardRecord &record, const QString &pressure)
{
    if (!isSafePressure(pressure))
        return std::nullopt;
    return QStringLiteral("select *") + fromTableAtPressure(record) + pressure + QStringLiteral("' order by ")
        + Diameter;
}

std::optional<QString> dimensionStatement(const StandardRecord &record, const QString &pressure,
                                          const QString &diameter)
{
    if (!isSafePressure(pressure) || !isPlainDecimal(diameter))
        return std::nullopt;
    return QStringLiteral("select *") + fromTableAtPressure(record) + pressure + QStringLiteral("' and ")
        + Diameter + QLatin1Char('=') + diameter;
}

} // namespace vantelo::lookup
