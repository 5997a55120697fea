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
#ifdef _WIN32
#include <io.h>
#include <windows.h>
#else
#include <unistd.h>
#endif

namespace {

#ifdef _WIN32
// The C runtime's descriptors; the answer must not have its line ends changed.
constexpr int StdoutDescriptor = 1;
const char *const NullDevice = "NUL";
int duplicate(int descriptor)
{
    const int copy = ::_dup(descriptor);
    if (copy >= 0)
        ::_setmode(copy, _O_BINARY);
    return copy;
}
int redirect(int from, int to) { return ::_dup2(from, to); }
int openNowhere() { return ::_open(NullDevice, _O_WRONLY); }
int closeDescriptor(int descriptor) { return ::_close(descriptor); }
int writeSome(int descriptor, const char *bytes, std::size_t size) { return ::_write(descriptor, bytes, unsigned(size)); }
#else
constexpr int StdoutDescriptor = STDOUT_FILENO;
int duplicate(int descriptor) { return ::dup(descriptor); }
int redirect(int from, int to) { return ::dup2(from, to); }
int openNowhere() { return ::open("/dev/null", O_WRONLY); }
int closeDescriptor(int descriptor) { return ::close(descriptor); }
ssize_t writeSome(int descriptor, const char *bytes, std::size_t size) { return ::write(descriptor, bytes, size); }
#endif

bool writeAll(int descriptor, const QByteArray &bytes)
{
    for (qsizetype done = 0; done < bytes.size();) {
        const auto written = writeSome(descriptor, bytes.constData() + done, std::size_t(bytes.size() - done));
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
#ifdef _WIN32
    // A crash on a damaged file ends this process quietly, without Windows'
    // error dialog waiting for a click.
    ::SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOGPFAULTERRORBOX | SEM_NOOPENFILEERRORBOX);
#endif
    // libmdb prints about odd files on standard output: the answer goes
    // down the original descriptor, and whatever else is printed goes nowhere.
    const int answer = duplicate(StdoutDescriptor);
    const int nowhere = openNowhere();
    if (answer < 0 || nowhere < 0 || redirect(nowhere, StdoutDescriptor) < 0)
        return 3;
    closeDescriptor(nowhere);

    QString error;
    const std::optional<QByteArray> image = vantelo::data::accessFileImage(QFile::decodeName(argv[1]), &error);
    if (!image)
        return writeAll(answer, error.toUtf8()) ? 2 : 3;
    return writeAll(answer, *image) ? 0 : 3;
}
