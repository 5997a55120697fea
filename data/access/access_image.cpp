#include "access_image.h"

#include "access_import.h"

#include "data/error_text.h"

#include <sqlite3.h>

namespace vantelo::data {

std::optional<QByteArray> accessFileImage(const QString &path, QString *error)
{
    sqlite3 *db = nullptr;
    std::optional<QByteArray> image;
    if (sqlite3_open_v2(":memory:", &db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr) != SQLITE_OK) {
        setError(error, QStringLiteral("no in-memory database for the copy of the Access file"));
    } else if (importAccessFileInProcess(path, db, error)) {
        sqlite3_int64 size = 0;
        unsigned char *bytes = sqlite3_serialize(db, "main", &size, 0);
        // A copy without tables has no pages: its image is empty.
        if (bytes != nullptr || size == 0)
            image = QByteArray(reinterpret_cast<const char *>(bytes), qsizetype(size));
        else
            setError(error, QStringLiteral("the copy of the Access file cannot be completed"));
        sqlite3_free(bytes);
    }
    sqlite3_close_v2(db);
    return image;
}

} // namespace vantelo::data
