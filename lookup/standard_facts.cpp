#include "standard_facts.h"

#include "pressure_class_table.h"

namespace vantelo::lookup {

QString tableName(const FlangeStandard &standard)
{
    // The statement heads are the one place that names the table.
    const QString head = QString::fromUtf8(standard.dimensionStatementHead);
    const QString from = QStringLiteral(" from ");
    const qsizetype start = head.indexOf(from);
    if (start < 0)
        return QString();
    return head.mid(start + from.size()).section(QLatin1Char(' '), 0, 0);
}

QString standardName(const FlangeStandard &standard)
{
    QString name = tableName(standard);
    if (name.startsWith(QLatin1Char('_')))
        name.remove(0, 1);
    return name;
}

bool isAmerican(const FlangeStandard &standard)
{
    return standard.classesTranslated > 0;
}

std::vector<PressureEntry> pressureEntries(const FlangeStandard &standard)
{
    std::vector<PressureEntry> entries;
    for (const char *entry : standard.pressureEntries) {
        const QString listed = QString::fromLatin1(entry);
        if (!isAmerican(standard)) {
            entries.push_back({listed, listed});
            continue;
        }
        if (const std::optional<QString> mpa = PressureClassTable(listed, standard.classesTranslated))
            entries.push_back({listed, *mpa});
    }
    return entries;
}

QString listedPressure(const FlangeStandard &standard, const QString &stored)
{
    for (const PressureEntry &entry : pressureEntries(standard)) {
        if (entry.stored == stored)
            return entry.listed;
    }
    return stored;
}

} // namespace vantelo::lookup
