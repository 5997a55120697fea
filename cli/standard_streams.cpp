#include "standard_streams.h"

#include "output_table.h"

#include <QFile>

#include <cerrno>
#include <cstdio>
#include <cstring>

#include <fcntl.h>
#ifdef Q_OS_WIN
#include <io.h>
#else
#include <unistd.h>
#endif

namespace vantelo::cli {

bool writeAnswer(const QByteArray &bytes)
{
    return std::fwrite(bytes.constData(), 1, std::size_t(bytes.size()), stdout) == std::size_t(bytes.size());
}

bool answerWritten(QString *reason)
{
    errno = 0;
    if (std::fflush(stdout) == 0 && !std::ferror(stdout))
        return true;
    *reason = QString::fromLocal8Bit(std::strerror(errno != 0 ? errno : EIO));
    return false;
}

bool standardOutputOpen()
{
#ifdef Q_OS_WIN
    return ::_get_osfhandle(_fileno(stdout)) != -1;
#else
    return ::fcntl(STDOUT_FILENO, F_GETFD) != -1;
#endif
}

void writeMessage(const QString &message)
{
    const QByteArray line = "vantelo-query: " + escapedControls(message).toLocal8Bit() + '\n';
    std::fwrite(line.constData(), 1, std::size_t(line.size()), stderr);
}

QString openablePath(const QByteArray &argument)
{
    const QString text = QFile::decodeName(argument);
    if (QFile::encodeName(text) == argument)
        return text;
#ifdef Q_OS_LINUX
    // The descriptor stays open until the program ends, and is inherited by
    // the Access import helper, which opens the same name.
    const int descriptor = ::open(argument.constData(), O_RDONLY);
    if (descriptor >= 0)
        return QStringLiteral("/proc/self/fd/%1").arg(descriptor);
#endif
    return text;
}

} // namespace vantelo::cli
