#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

struct sqlite3;

namespace vantelo::data {

// The copy of the Access file at path as an SQLite database image, made in
// this process with importAccessFileInProcess; std::nullopt with a reason in
// error when the file cannot be read.
std::optional<QByteArray> accessFileImage(const QString &path, QString *error);

// Opens a database image as a fresh in-memory connection with a copy of the
// bytes. nullptr when the engine does not take it or the image fails its
// integrity check: a copy that came back damaged is no copy.
sqlite3 *openReceivedCopy(const QByteArray &image);

} // namespace vantelo::data
