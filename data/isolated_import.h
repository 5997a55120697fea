#pragma once

#include "engine_guard.h"

#include <QString>

#include <chrono>
#include <cstdint>

struct sqlite3;

namespace vantelo::data {

// libmdb can crash or loop forever on a damaged Access file. The file is
// therefore read by a helper program beside this one that writes the copy
// to its standard output as a database image; a helper that is missing,
// crashes, runs past the deadline or writes anything but a whole image makes
// the open fail, and this process carries on.

// The helper's file name; it is looked for beside the program only.
inline constexpr char ImportHelperName[] = "vantelo-import";

// The 3-MB sample files are read in about 50 ms.
constexpr std::chrono::milliseconds AccessImportDeadline{5000};

// The longest image taken from the helper: a copy is usually smaller than
// its file, so this only keeps a helper gone wrong from filling memory.
constexpr std::uint64_t CopyGrowthFactor = 64;
constexpr std::uint64_t CopyAllowance = 4ull << 20;
constexpr std::uint64_t CopySizeCeiling = 1ull << 30;

struct ImportIsolation
{
    QString helper; // empty: the helper beside the program
    std::chrono::milliseconds deadline = AccessImportDeadline;
    WorkLimits limits = WindowLimits; // for checking the copy, as for any file opened
};

// The copy of the Access file at path as a writable in-memory connection,
// or nullptr with a short reason in error.
sqlite3 *importAccessFileIsolated(const QString &path, QString *error, const ImportIsolation &isolation = {});

} // namespace vantelo::data
