#include "received_copy.h"

#include "access_import.h"
#include "engine_guard.h"

#include <sqlite3.h>

#include <cstring>

namespace vantelo::data {

namespace {

// Zero bytes allocated after every image: the engine may read a little past
// the end of a malformed one.
constexpr sqlite3_int64 Slack = 4096;

} // namespace

std::optional<QByteArray> accessFileImage(const QString &path, QString *error)
{
    sqlite3 *db = nullptr;
    std::optional<QByteArray> image;
    if (sqlite3_open_v2(":memory:", &db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr) != SQLITE_OK) {
        if (error)
            *error = QStringLiteral("no in-memory database for the copy of the Access file");
    } else if (importAccessFileInProcess(path, db, error)) {
        sqlite3_int64 size = 0;
        unsigned char *bytes = sqlite3_serialize(db, "main", &size, 0);
        // A copy without tables has no pages: its image is empty.
        if (bytes != nullptr || size == 0)
            image = QByteArray(reinterpret_cast<const char *>(bytes), qsizetype(size));
        else if (error)
            *error = QStringLiteral("the copy of the Access file cannot be completed");
        sqlite3_free(bytes);
    }
    sqlite3_close_v2(db);
    return image;
}

sqlite3 *openReceivedCopy(const QByteArray &image)
{
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
    if (taken != SQLITE_OK || !passesIntegrityCheck(db)) {
        sqlite3_close_v2(db);
        return nullptr;
    }
    return db;
}

} // namespace vantelo::data
