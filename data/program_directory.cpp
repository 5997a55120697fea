#include "program_directory.h"

#include <QFileInfo>

#include <iterator>

#ifdef _WIN32
#include <windows.h>
#endif

namespace vantelo::data {

QString programDirectory()
{
#ifdef _WIN32
    // Windows has no /proc: ask for this process's own executable.
    wchar_t path[32768];
    const DWORD size = ::GetModuleFileNameW(nullptr, path, DWORD(std::size(path)));
    if (size == 0 || size >= std::size(path))
        return {};
    return QFileInfo(QString::fromWCharArray(path, int(size))).canonicalPath();
#else
    // The kernel gives the link's target with every link already resolved.
    return QFileInfo(QStringLiteral("/proc/self/exe")).symLinkTarget().section(QLatin1Char('/'), 0, -2);
#endif
}

} // namespace vantelo::data
