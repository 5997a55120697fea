#include "ui/rating_texts.h"

#include <cmath>

namespace vantelo::ui {

namespace {

// Fixed decimals without the trailing zeros: 1.960 -> "1.96".
QString trimmed(double value, int decimals)
{
    QString text = QString::number(value, 'f', decimals);
    if (text.contains(u'.')) {
        while (text.endsWith(u'0'))
            text.chop(1);
        if (text.endsWith(u'.'))
            text.chop(1);
    }
    return text;
}

} // namespace

std::optional<double> typedNumber(const QString &text)
{
    const QString typed = text.trimmed();
    if (typed.isEmpty())
        return std::nullopt;
    bool ok = false;
    const double value = typed.toDouble(&ok);
    return ok && std::isfinite(value) ? value : std::nan("");
}

QString pressureText(double mpa)
{
    // Listed values have 0.1 bar; a value between two of them is shown to 0.01 bar.
    return QStringLiteral("%1 MPa（%2 bar）").arg(trimmed(mpa, 3), trimmed(mpa / lookup::MpaPerBar, 2));
}

QString classText(int ratingClass)
{
    return QStringLiteral("%1#").arg(ratingClass);
}

QString ratingCellText(const lookup::ClassRating &entry)
{
    return entry.rating ? pressureText(entry.rating->mpa()) : QStringLiteral("该温度下无额定值");
}

QString holdsText(const lookup::ClassRating &entry, bool lowest, bool pressureGiven)
{
    if (!entry.rating || !pressureGiven)
        return QString();
    if (lowest)
        return QStringLiteral("满足（最低等级）");
    return entry.holds ? QStringLiteral("满足") : QStringLiteral("不满足");
}

QString formText(const QString &form)
{
    if (form == QLatin1String("forging"))
        return QStringLiteral("锻件");
    if (form == QLatin1String("casting"))
        return QStringLiteral("铸件");
    return form == QLatin1String("plate") ? QStringLiteral("板材") : QString();
}

} // namespace vantelo::ui
