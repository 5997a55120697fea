#include "value_text.h"

#include <charconv>
#include <cmath>

namespace vantelo::data {

namespace {

// The original platform writes numbers with at most 15 significant digits.
constexpr int SignificantDigits = 15;

} // namespace

QString generalNumberText(double value)
{
    if (std::isnan(value))
        return QStringLiteral("NaN");
    if (std::isinf(value))
        return value > 0 ? QStringLiteral("Infinity") : QStringLiteral("-Infinity");
    if (value == 0.0)
        return QStringLiteral("0"); // also for -0, which nobody types

    // std::to_chars never consults a locale, so "." holds under any LC_NUMERIC.
    // Its general form matches printf's %.15g: scientific below 1E-04 and
    // from 1E+15 on, trailing zeros removed.
    char buffer[64];
    const auto result = std::to_chars(std::begin(buffer), std::end(buffer), value,
                                      std::chars_format::general, SignificantDigits);
    if (result.ec != std::errc())
        return QString();
    QString text = QString::fromLatin1(buffer, result.ptr - buffer);
    text.replace(QLatin1Char('e'), QLatin1Char('E'));
    return text;
}

std::optional<QString> fieldText(const FieldValue &value)
{
    if (const auto *text = std::get_if<QString>(&value))
        return *text;
    if (const auto *whole = std::get_if<std::int64_t>(&value))
        return QString::number(*whole);
    if (const auto *number = std::get_if<double>(&value))
        return generalNumberText(*number);
    return std::nullopt;
}

QString storedText(const std::optional<FieldValue> &value)
{
    const QString *text = value ? std::get_if<QString>(&*value) : nullptr;
    return text ? *text : QString();
}

QString sqlString(QString text)
{
    return u'\'' + text.replace(u'\'', QStringLiteral("''")) + u'\'';
}

} // namespace vantelo::data
