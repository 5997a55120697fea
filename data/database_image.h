#pragma once

#include "engine_guard.h"

#include <QByteArray>

struct sqlite3;

namespace vantelo::data {

// Opens a database image as a fresh in-memory connection with a copy of the
// bytes, checked within limits. nullptr when the engine does not take it or
// the image fails its integrity check (a copy that came back damaged is no
// copy); verdict, if given, tells a damaged image from one too large to check.
sqlite3 *openReceivedCopy(const QByteArray &image, const WorkLimits &limits, CheckVerdict *verdict = nullptr);

} // namespace vantelo::data
