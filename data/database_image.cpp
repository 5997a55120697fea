#include "database_image.h"

#include "engine_guard.h"

#include <sqlite3.h>

#include <cstring>

namespace vantelo::data {

namespace {

// Zero bytes allocated after every image: the engine may read a little past
// the end of a malformed one.
constexpr sqlite3_int64 Slack = 4096;

} // namespace

sqlite3 *openReceivedCopy(const QByteArray &image, const WorkLimits &limits, CheckVerdict *verdict)
{
    if (verdict != nullptr)
        *verdict = CheckVerdict::Damaged;
    const sqlite3_int64 size = image.size();
    auto *bytes = static_cast<unsigned char *>(sqlite3_malloc64(sqlite3_uint64(size + Slack)));
    if (bytes == nullptr)
        return nullptr;
    std::memcpy(bytes, image.constData(), std::size_t(size));
    std::memset(bytes + size, 0, std::size_t(Slack));
    sqlite3 *db = nullptr;
    if (sqlite3_open_v2(":memory:", &db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr) != SQLITE_OK) {
        sqlite3_free(bytes);
        sqlite3_close_v2(db);
        return nullptr;
    }
    limitEngine(db);
    // The connection takes the bytes over, and frees them itself should the
    // call fail.
    const int taken = sqlite3_deserialize(db, "main", bytes, size, size + Slack,
                                          SQLITE_DESERIALIZE_FREEONCLOSE | SQLITE_DESERIALIZE_RESIZEABLE);
    const CheckVerdict checked = taken == SQLITE_OK ? checkIntegrity(db, limits) : CheckVerdict::Damaged;
    if (verdict != nullptr)
        *verdict = checked;
    if (checked != CheckVerdict::Passed) {
        sqlite3_close_v2(db);
        return nullptr;
    }
    return db;
}

} // namespace vantelo::data
