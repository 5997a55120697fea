#include "received_copy.h"

#include "engine_guard.h"

#include <sqlite3.h>

namespace vantelo::data {

sqlite3 *openReceivedCopy(EngineBytes image, std::uint64_t size)
{
    sqlite3 *db = nullptr;
    if (sqlite3_open_v2(":memory:", &db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr) != SQLITE_OK) {
        sqlite3_close_v2(db);
        return nullptr;
    }
    limitEngine(db);
    // The connection takes the bytes over, and frees them itself should the
    // call fail.
    const int taken = sqlite3_deserialize(db, "main", image.release(), sqlite3_int64(size),
                                          sqlite3_int64(size + ReplySlack),
                                          SQLITE_DESERIALIZE_FREEONCLOSE | SQLITE_DESERIALIZE_RESIZEABLE);
    if (taken != SQLITE_OK || !passesIntegrityCheck(db)) {
        sqlite3_close_v2(db);
        return nullptr;
    }
    return db;
}

} // namespace vantelo::data
