#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QString>

namespace vantelo::test {

// Creates an SQLite database at path by running sql, which may hold several
// statements. False when the engine refuses any of them.
bool createSqliteFile(const QString &path, const char *sql);

// The path of a shared Access fixture, or an empty text when the fixtures
// folder is not there.
QString accessFixture(const char *fileName);

QByteArray readBytes(const QString &path);
bool writeBytes(const QString &path, const QByteArray &bytes);
bool setModified(const QString &path, const QDateTime &time);

} // namespace vantelo::test
