#include "access_numbers.h"

#include <QDate>
#include <QTime>

#include <charconv>
#include <cmath>

namespace vantelo::data {

namespace {

constexpr double CurrencyScale = 10000.0;
constexpr qint64 SecondsPerDay = 86400;
// Access holds the years 100 to 9999: -657434 is 0100-01-01, 2958465 is 9999-12-31.
constexpr double FirstDay = -657434.0;
constexpr double LastDay = 2958466.0;

} // namespace

double widenSingle(float value)
{
    if (!std::isfinite(value))
        return double(value);
    char buffer[32];
    const auto written = std::to_chars(std::begin(buffer), std::end(buffer), value);
    double widened = double(value);
    if (written.ec == std::errc())
        std::from_chars(buffer, written.ptr, widened);
    return widened;
}

double currencyValue(std::int64_t tenThousandths)
{
    // One correctly rounded division gives the double nearest the decimal.
    return double(tenThousandths) / CurrencyScale;
}

std::optional<QString> accessDateText(double days)
{
    if (!std::isfinite(days) || days < FirstDay || days >= LastDay)
        return std::nullopt;
    const double wholeDays = std::trunc(days);
    qint64 seconds = std::llround(std::fabs(days - wholeDays) * double(SecondsPerDay));
    QDate date = QDate(1899, 12, 30).addDays(qint64(wholeDays));
    if (seconds >= SecondsPerDay) { // rounded up to the next midnight
        date = date.addDays(1);
        seconds = 0;
    }
    const QTime time = QTime(0, 0).addSecs(int(seconds));
    return date.toString(Qt::ISODate) + QLatin1Char('T') + time.toString(Qt::ISODate);
}

} // namespace vantelo::data
