#include "program_directory.h"

#include <QFileInfo>

namespace vantelo::data {

QString programDirectory()
{
    // The kernel gives the link's target with every link already resolved.
    return QFileInfo(QStringLiteral("/proc/self/exe")).symLinkTarget().section(QLatin1Char('/'), 0, -2);
}

} // namespace vantelo::data
