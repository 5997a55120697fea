#include "program_directory.h"

#include <QFileInfo>

namespace vantelo::data {

QString programDirectory()
{
    return QFileInfo(QStringLiteral("/proc/self/exe")).canonicalFilePath().section(QLatin1Char('/'), 0, -2);
}

} // namespace vantelo::data
