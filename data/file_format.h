#pragma once

#include <QString>

namespace vantelo::data {

enum class FileFormat { Sqlite, Access, Unrecognised };

struct FileCheck
{
    FileFormat format = FileFormat::Unrecognised;
    QString problem; // why the file cannot be opened; empty when it can
};

// Looks at a data file before any engine touches it: it must be a readable
// regular file whose header and length fit an SQLite or Access database.
// Engines tend to accept an empty or cut-off file and fail much later.
FileCheck inspectDataFile(const QString &path);

} // namespace vantelo::data
