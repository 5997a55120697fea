#include "statements.h"

#include "data/key_columns.h"

#include <QRegularExpression>

namespace vantelo::lookup {

namespace {

bool isSafePressure(const QString &pressure)
{
    return !pressure.contains(QLatin1Char('\''));
}

// Digits with an optional sign and fraction, nothing else: what a diameter
// list entry made from a number looks like.
bool isPlainDecimal(const QString &diameter)
{
    static const QRegularExpression plainDecimal(QStringLiteral("\\A-?[0-9]+(\\.[0-9]+)?\\z"));
    return plainDecimal.match(diameter).hasMatch();
}

const QString Diameter = QString::fromUtf8(data::DiameterColumn);

// " from <table> where <pressure column>='": what both statements share.
QString fromTableAtPressure(const FlangeStandard &standard)
{
    return QStringLiteral(" from ") + QString::fromUtf8(standard.table) + QStringLiteral(" where ")
        + QString::fromUtf8(data::PressureColumn) + QStringLiteral("='");
}

} // namespace

std::optional<QString> diameterStatement(const FlangeStandard &standard, const QString &pressure)
{
    if (!isSafePressure(pressure))
        return std::nullopt;
    return QStringLiteral("select distinct ") + Diameter + fromTableAtPressure(standard) + pressure
        + QLatin1Char('\'');
}

std::optional<QString> dimensionStatement(const FlangeStandard &standard, const QString &pressure,
                                          const QString &diameter)
{
    if (!isSafePressure(pressure) || !isPlainDecimal(diameter))
        return std::nullopt;
    return QStringLiteral("select *") + fromTableAtPressure(standard) + pressure + QStringLiteral("' and ")
        + Diameter + QLatin1Char('=') + diameter;
}

} // namespace vantelo::lookup
