#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

namespace vantelo::data {

// The copy of the Access file at path as an SQLite database image, made in
// this process with importAccessFileInProcess; std::nullopt with a reason in
// error when the file cannot be read. openReceivedCopy (database_image.h)
// takes the image into a connection.
std::optional<QByteArray> accessFileImage(const QString &path, QString *error);

} // namespace vantelo::data
