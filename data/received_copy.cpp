#include "received_copy.h"

#include <QByteArray>

#include <sqlite3.h>

namespace vantelo::data {

namespace {

int storeFirstText(void *result, int columns, char **values, char **)
{
    if (columns > 0 && values[0])
        *static_cast<QByteArray *>(result) = values[0];
    return 0;
}

// quick_check reads every page once and the program's copies are a few
// megabytes, so it costs a few milliseconds; it also proves the schema reads.
bool passesIntegrityCheck(sqlite3 *db)
{
    QByteArray verdict;
    return sqlite3_exec(db, "PRAGMA quick_check(1)", storeFirstText, &verdict, nullptr) == SQLITE_OK
        && verdict == "ok";
}

} // namespace

sqlite3 *openReceivedCopy(EngineBytes image, std::uint64_t size)
{
    sqlite3 *db = nullptr;
    if (sqlite3_open_v2(":memory:", &db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr) != SQLITE_OK) {
        sqlite3_close_v2(db);
        return nullptr;
    }
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
