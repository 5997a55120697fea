#include "pipe_io.h"

#include <cerrno>
#include <utility>

#include <poll.h>
#include <unistd.h>

namespace vantelo::data {

namespace {

// Waits for the descriptor to become readable: true when it did (data or
// end of file), false at the deadline or on an error.
bool waitReadable(int descriptor, const QDeadlineTimer &deadline, bool *timedOut)
{
    for (;;) {
        pollfd wanted{descriptor, POLLIN, 0};
        const qint64 remaining = deadline.remainingTime();
        const int ready = ::poll(&wanted, 1, remaining < 0 ? -1 : int(qMin<qint64>(remaining, 60000)));
        if (ready > 0)
            return true;
        if (ready == 0 && deadline.hasExpired()) {
            *timedOut = true;
            return false;
        }
        if (ready < 0 && errno != EINTR)
            return false;
    }
}

} // namespace

FileDescriptor::FileDescriptor(int descriptor)
    : m_descriptor(descriptor)
{
}

FileDescriptor::~FileDescriptor()
{
    close();
}

FileDescriptor::FileDescriptor(FileDescriptor &&other) noexcept
    : m_descriptor(std::exchange(other.m_descriptor, -1))
{
}

FileDescriptor &FileDescriptor::operator=(FileDescriptor &&other) noexcept
{
    if (this != &other) {
        close();
        m_descriptor = std::exchange(other.m_descriptor, -1);
    }
    return *this;
}

void FileDescriptor::close()
{
    // Linux closes the descriptor even when close() reports EINTR, so it is
    // never retried.
    if (m_descriptor >= 0)
        ::close(std::exchange(m_descriptor, -1));
}

bool writeAll(int descriptor, const void *bytes, std::size_t size)
{
    const auto *next = static_cast<const char *>(bytes);
    while (size > 0) {
        const ssize_t written = ::write(descriptor, next, size);
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return false;
        next += written;
        size -= std::size_t(written);
    }
    return true;
}

ReadOutcome readExactly(int descriptor, void *buffer, std::size_t size, const QDeadlineTimer &deadline)
{
    auto *next = static_cast<char *>(buffer);
    while (size > 0) {
        bool timedOut = false;
        if (!waitReadable(descriptor, deadline, &timedOut))
            return timedOut ? ReadOutcome::TimedOut : ReadOutcome::Failed;
        const ssize_t got = ::read(descriptor, next, size);
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            return ReadOutcome::Failed;
        if (got == 0)
            return ReadOutcome::EndOfFile;
        next += got;
        size -= std::size_t(got);
    }
    return ReadOutcome::Complete;
}

ReadOutcome waitForEndOfFile(int descriptor, const QDeadlineTimer &deadline)
{
    char extra = 0;
    switch (readExactly(descriptor, &extra, 1, deadline)) {
    case ReadOutcome::EndOfFile:
        return ReadOutcome::Complete;
    case ReadOutcome::TimedOut:
        return ReadOutcome::TimedOut;
    default:
        return ReadOutcome::Failed;
    }
}

} // namespace vantelo::data
