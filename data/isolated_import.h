#pragma once

#include <QString>

#include <chrono>
#include <cstdint>

struct sqlite3;

namespace vantelo::data {

// libmdb can crash or loop forever on a damaged Access file. The file is
// therefore read in a forked child that sends back the in-memory copy as a
// database image; a child that crashes, hangs past the deadline or sends
// anything but a whole image makes the open fail, and this process carries on.

// The 3-MB sample files are read in about 50 ms.
constexpr std::chrono::milliseconds AccessImportDeadline{5000};

// The longest image taken from the child: a copy is usually smaller than
// its file, so this only keeps a child gone wrong from filling memory.
constexpr std::uint64_t CopyGrowthFactor = 64;
constexpr std::uint64_t CopyAllowance = 4ull << 20;
constexpr std::uint64_t CopySizeCeiling = 1ull << 30;

// What the child runs: reads the file at path and sends one reply down
// answerDescriptor. Exchangeable so that the parent's side can be tried
// against children that crash, hang or send rubbish.
using ChildImport = void (*)(const QString &path, int answerDescriptor);

// The child's work in the program: imports the file with
// importAccessFileInProcess and sends its image, or why it failed.
void sendAccessCopy(const QString &path, int answerDescriptor);

struct ImportIsolation
{
    ChildImport childImport = sendAccessCopy;
    std::chrono::milliseconds deadline = AccessImportDeadline;
};

// The copy of the Access file at path as a writable in-memory connection,
// or nullptr with a short reason in error.
sqlite3 *importAccessFileIsolated(const QString &path, QString *error, const ImportIsolation &isolation = {});

} // namespace vantelo::data
