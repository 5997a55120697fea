#pragma once

#include <QDeadlineTimer>

#include <cstddef>

namespace vantelo::data {

// Owns a file descriptor and closes it once.
class FileDescriptor final
{
public:
    FileDescriptor() = default;
    explicit FileDescriptor(int descriptor);
    ~FileDescriptor();
    FileDescriptor(FileDescriptor &&other) noexcept;
    FileDescriptor &operator=(FileDescriptor &&other) noexcept;
    FileDescriptor(const FileDescriptor &) = delete;
    FileDescriptor &operator=(const FileDescriptor &) = delete;

    int get() const { return m_descriptor; }
    bool isValid() const { return m_descriptor >= 0; }
    void close();

private:
    int m_descriptor = -1;
};

// Writes all size bytes, however the pipe takes them; false on any error.
bool writeAll(int descriptor, const void *bytes, std::size_t size);

enum class ReadOutcome { Complete, EndOfFile, TimedOut, Failed };

// Reads exactly size bytes, waiting at most until deadline for each to come.
// EndOfFile when the writer closed its end first.
ReadOutcome readExactly(int descriptor, void *buffer, std::size_t size, const QDeadlineTimer &deadline);

// Waits until deadline for the writer to close its end without sending any
// more: Complete then, Failed when a byte arrives, or TimedOut.
ReadOutcome waitForEndOfFile(int descriptor, const QDeadlineTimer &deadline);

} // namespace vantelo::data
