#include "pressure_class_table.h"

#include <algorithm>
#include <array>
#include <utility>

namespace vantelo::lookup {

namespace {

constexpr std::array<std::pair<const char *, const char *>, 6> Classes = {{
    {"150#", "2.0"},
    {"300#", "5.0"},
    {"600#", "11.0"},
    {"900#", "15.0"},
    {"1500#", "26.0"},
    {"2500#", "42.0"},
}};

} // namespace

std::optional<QString> PressureClassTable(const QString &classText, int classesTested)
{
    const int tested = std::clamp(classesTested, 0, int(Classes.size()));
    for (int i = 0; i < tested; ++i) {
        if (classText == QLatin1String(Classes[i].first))
            return QString::fromLatin1(Classes[i].second);
    }
    return std::nullopt;
}

} // namespace vantelo::lookup
