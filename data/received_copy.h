#pragma once

#include "import_reply.h"

#include <cstdint>

struct sqlite3;

namespace vantelo::data {

// Opens the database image the import child sent as a fresh in-memory
// connection that owns the bytes (image: size bytes, then ReplySlack zero
// bytes). nullptr when the engine does not take it or the image fails its
// integrity check: a copy that came back damaged is no copy.
sqlite3 *openReceivedCopy(EngineBytes image, std::uint64_t size);

} // namespace vantelo::data
