#pragma once

#include <QByteArray>

struct sqlite3;

namespace vantelo::data {

// Opens a database image as a fresh in-memory connection with a copy of the
// bytes. nullptr when the engine does not take it or the image fails its
// integrity check: a copy that came back damaged is no copy.
sqlite3 *openReceivedCopy(const QByteArray &image);

} // namespace vantelo::data
