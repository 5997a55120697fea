#include "quiet_output.h"

#include <QtGlobal>

#include <cstdio>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <unistd.h>
#endif

namespace vantelo::data {

namespace {

#ifdef Q_OS_UNIX
// Returns a copy of the descriptor that was there before, or -1.
int redirect(int descriptor, int target)
{
    const int saved = ::fcntl(descriptor, F_DUPFD_CLOEXEC, 0);
    if (saved >= 0)
        ::dup2(target, descriptor);
    return saved;
}

void restore(int descriptor, int saved)
{
    if (saved < 0)
        return;
    ::dup2(saved, descriptor);
    ::close(saved);
}
#endif

} // namespace

QuietOutput::QuietOutput()
{
#ifdef Q_OS_UNIX
    std::fflush(stdout);
    std::fflush(stderr);
    const int devNull = ::open("/dev/null", O_WRONLY | O_CLOEXEC);
    if (devNull < 0)
        return;
    m_savedOutput = redirect(STDOUT_FILENO, devNull);
    m_savedError = redirect(STDERR_FILENO, devNull);
    ::close(devNull);
#endif
}

QuietOutput::~QuietOutput()
{
#ifdef Q_OS_UNIX
    std::fflush(stdout);
    std::fflush(stderr);
    restore(STDOUT_FILENO, m_savedOutput);
    restore(STDERR_FILENO, m_savedError);
#endif
}

} // namespace vantelo::data
