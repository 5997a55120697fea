#include "standard_facts.h"

#include "diameter_list.h"

namespace vantelo::lookup {

QString standardName(const FlangeStandard &standard)
{
    return QString::fromUtf8(standard.record->caption);
}

QString tableName(const FlangeStandard &standard)
{
    return QString::fromUtf8(standard.table);
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
        entries.push_back({listed, classPressure(standard, listed).value_or(listed)});
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
