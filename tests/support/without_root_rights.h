#pragma once

#include <QFile>
#include <QString>

#include <functional>

#include <cerrno>

#include <grp.h>
#include <sys/wait.h>
#include <unistd.h>

namespace vantelo::test {

// Runs check with the rights of an ordinary user: root reads any file
// whatever its permissions, so as root (CI) the check runs in a child process
// that has given up root for the user nobody. The folder holding the files
// the check reads is opened for others to pass through. True when check
// returned true.
inline bool withoutRootRights(const QString &folder, const std::function<bool()> &check)
{
    if (::geteuid() != 0)
        return check();
    constexpr uid_t Nobody = 65534;
    QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner
                                      | QFileDevice::ExeGroup | QFileDevice::ExeOther);
    const pid_t child = ::fork();
    if (child < 0)
        return false;
    if (child == 0) {
        if (::setgroups(0, nullptr) != 0 || ::setgid(Nobody) != 0 || ::setuid(Nobody) != 0 || ::geteuid() == 0)
            ::_exit(2);
        ::_exit(check() ? 0 : 1);
    }
    int status = 0;
    while (::waitpid(child, &status, 0) < 0) {
        if (errno != EINTR)
            return false;
    }
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

} // namespace vantelo::test
