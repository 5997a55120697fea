// vantelo-import: reads the Access file named by its one argument with
// libmdb and writes the copy, an SQLite database image, to standard output.
// Exit status 0: the image follows. 2: the file cannot be read, and the
// reason follows instead. The program runs it beside itself, so that libmdb
// crashing or hanging on a damaged file takes only this process down.

#include "access_image.h"

#include <QFile>

#include <cerrno>
#include <cstdio>

#include <fcntl.h>
#include <unistd.h>

namespace {

bool writeAll(int descriptor, const QByteArray &bytes)
{
    for (qsizetype done = 0; done < bytes.size();) {
        const ssize_t written = ::write(descriptor, bytes.constData() + done, std::size_t(bytes.size() - done));
        if (written < 0 && errno != EINTR)
            return false;
        done += written > 0 ? written : 0;
    }
    return true;
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc != 2) {
        std::fputs("usage: vantelo-import FILE\n", stderr);
        return 64;
    }
    // libmdb prints about odd files on standard output: the answer goes
    // down the original descriptor, and whatever else is printed goes nowhere.
    const int answer = ::dup(STDOUT_FILENO);
    const int nowhere = ::open("/dev/null", O_WRONLY);
    if (answer < 0 || nowhere < 0 || ::dup2(nowhere, STDOUT_FILENO) < 0)
        return 3;
    ::close(nowhere);

    QString error;
    const std::optional<QByteArray> image = vantelo::data::accessFileImage(QFile::decodeName(argv[1]), &error);
    if (!image)
        return writeAll(answer, error.toUtf8()) ? 2 : 3;
    return writeAll(answer, *image) ? 0 : 3;
}
