#include "statements.h"

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

} // namespace

std::optional<QString> diameterStatement(const FlangeStandard &standard, const QString &pressure)
{
    if (!isSafePressure(pressure))
        return std::nullopt;
    return QString::fromUtf8(standard.diameterStatementHead) + pressure + QLatin1Char('\'');
}

std::optional<QString> dimensionStatement(const FlangeStandard &standard, const QString &pressure,
                                          const QString &diameter)
{
    if (!isSafePressure(pressure) || !isPlainDecimal(diameter))
        return std::nullopt;
    return QString::fromUtf8(standard.dimensionStatementHead) + pressure
        + QStringLiteral("' and 公称通径DN=") + diameter;
}

} // namespace vantelo::lookup
