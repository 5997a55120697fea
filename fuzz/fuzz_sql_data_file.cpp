// Takes each input as SQL that builds a data file: the statements run on a
// scratch in-memory database, whose bytes are then written out as
// FLDATA.mdb, opened as the program opens it, and sent every page's two
// statements. Mutating SQL reaches schemas (views, generated columns,
// triggers, CTE-built rows) that mutating file bytes almost never does.
#include "fuzz/page_statements.h"

#include "data/database.h"

#include <QFile>
#include <QTemporaryDir>

#include <sqlite3.h>

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <string>

using namespace vantelo;

namespace {

// Building stops after this long; what was built so far is the file. It
// keeps a CTE that would insert a billion rows from hiding everything else.
constexpr auto BuildTime = std::chrono::milliseconds(200);

int onProgress(void *end)
{
    return std::chrono::steady_clock::now() >= *static_cast<std::chrono::steady_clock::time_point *>(end);
}

QByteArray builtFile(const std::string &sql)
{
    sqlite3 *scratch = nullptr;
    if (sqlite3_open(":memory:", &scratch) != SQLITE_OK) {
        sqlite3_close(scratch);
        return {};
    }
    sqlite3_limit(scratch, SQLITE_LIMIT_LENGTH, 4 << 20);
    sqlite3_limit(scratch, SQLITE_LIMIT_ATTACHED, 0);
    auto end = std::chrono::steady_clock::now() + BuildTime;
    sqlite3_progress_handler(scratch, 1000, onProgress, &end);
    sqlite3_exec(scratch, sql.c_str(), nullptr, nullptr, nullptr);
    sqlite3_progress_handler(scratch, 0, nullptr, nullptr);
    sqlite3_int64 size = 0;
    unsigned char *image = sqlite3_serialize(scratch, "main", &size, 0);
    QByteArray bytes = image ? QByteArray(reinterpret_cast<const char *>(image), qsizetype(size)) : QByteArray();
    sqlite3_free(image);
    sqlite3_close(scratch);
    return bytes;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *bytes, std::size_t size)
{
    static QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("FLDATA.mdb"));
    const QByteArray file = builtFile(std::string(reinterpret_cast<const char *>(bytes), size));
    {
        QFile out(path);
        if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate))
            return 0;
        out.write(file);
    }
    if (const auto database = data::Database::open(path))
        fuzz::runPageStatements(*database);
    return 0;
}
