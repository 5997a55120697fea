#include "pressure_class_table.h"

#include "standard_record.h"

#include <algorithm>
#include <iterator>

namespace vantelo::lookup {

std::optional<QString> PressureClassTable(const QString &classText, int classesTested)
{
    const int tested = std::clamp(classesTested, 0, int(std::size(PressureClasses)));
    for (int i = 0; i < tested; ++i) {
        if (classText == QLatin1String(PressureClasses[i].name))
            return QString::fromLatin1(PressureClasses[i].mpa);
    }
    return std::nullopt;
}

} // namespace vantelo::lookup
