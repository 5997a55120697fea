// Opens arbitrary bytes as the data file, then sends every page's statements
// to it and reads every table it holds.
//
// The program reads an Access file in its helper program, where a crash in
// libmdb only fails the open. Here the import runs in this process, so that
// libFuzzer and the sanitizers see where libmdb fails; its image then takes
// the same way into a connection as the program's copies do.
#include "fuzz/page_statements.h"

#include "data/access/access_image.h"
#include "data/database.h"
#include "data/file_format.h"
#include "data/database_image.h"
#include "data/value_text.h"

#include <QFile>
#include <QTemporaryDir>

#include <sqlite3.h>

#include <cstddef>
#include <cstdint>
#include <cstring>

using namespace vantelo;

namespace {

std::unique_ptr<data::Database> importInThisProcess(const QString &path)
{
    const std::optional<QByteArray> image = data::accessFileImage(path, nullptr);
    sqlite3 *db = image ? data::openReceivedCopy(*image, data::WindowLimits) : nullptr;
    return db ? data::Database::adopt(db) : nullptr;
}

// The first rows of every table: what an Access copy holds is reached only
// this way, as its tables are not the program's. Reading a row turns every
// value into a field.
void readEveryTable(const data::Database &database)
{
    auto tables = database.execute(QStringLiteral("select name from sqlite_schema where type='table'"));
    for (; tables && !tables->atEnd(); tables->moveNext()) {
        const auto name = tables->field(QStringLiteral("name"));
        const auto text = name ? data::fieldText(*name) : std::nullopt;
        QString quoted = text.value_or(QString());
        quoted.replace(QLatin1Char('"'), QLatin1String("\"\""));
        database.execute(QStringLiteral("select * from \"%1\"").arg(quoted), nullptr, 1000);
    }
}

bool hasAccessSignature(const std::uint8_t *bytes, std::size_t size)
{
    return size >= 20
        && (std::memcmp(bytes + 4, "Standard Jet DB", 16) == 0 || std::memcmp(bytes + 4, "Standard ACE DB", 16) == 0);
}

} // namespace

// Most of libFuzzer's mutations change an input's length, and an Access file
// that is not a whole number of pages is refused before libmdb sees it. An
// Access input is therefore cut back to whole 4-KiB pages (whole 2-KiB Jet 3
// pages too) after each mutation, so that the corpus and every finding are
// files as the program would open them.
extern "C" std::size_t LLVMFuzzerMutate(std::uint8_t *data, std::size_t size, std::size_t maxSize);
extern "C" std::size_t LLVMFuzzerCustomMutator(std::uint8_t *data, std::size_t size, std::size_t maxSize,
                                               unsigned int)
{
    constexpr std::size_t Page = 4096;
    const std::size_t mutated = LLVMFuzzerMutate(data, size, maxSize);
    return hasAccessSignature(data, mutated) && mutated >= 2 * Page ? mutated / Page * Page : mutated;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *bytes, std::size_t size)
{
    static QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("FLDATA.mdb"));
    {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
            return 0;
        file.write(reinterpret_cast<const char *>(bytes), qint64(size));
    }
    const auto database = data::inspectDataFile(path).format == data::FileFormat::Access
        ? importInThisProcess(path)
        : data::Database::open(path);
    if (database) {
        fuzz::runPageStatements(*database);
        readEveryTable(*database);
    }
    return 0;
}
