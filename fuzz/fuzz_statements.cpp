// Arbitrary pressure and diameter texts through both statement paths of every
// page, against a small data file holding all seven tables.
#include "data/connection.h"
#include "lookup/result_binding.h"
#include "lookup/statements.h"

#include <QTemporaryDir>

#include <sqlite3.h>

#include <cstddef>
#include <cstdint>

namespace {

const vantelo::data::Connection &connection()
{
    static QTemporaryDir dir;
    static vantelo::data::Connection opened = [] {
        const QByteArray path = dir.filePath(QStringLiteral("FLDATA.mdb")).toUtf8();
        sqlite3 *db = nullptr;
        sqlite3_open(path.constData(), &db);
        for (const char *table : {"_HG20593", "_HG20594", "_HG20595", "_HG20596", "_HG20616", "_HG20617", "_HG20618"}) {
            const QByteArray sql = QByteArray("create table ") + table
                + " (公称压力PN TEXT, 公称通径DN REAL, 法兰外径D REAL, 螺栓孔数量n INTEGER, 螺栓孔直径L REAL);"
                + "insert into " + table + " values ('1.6', 100, 220, 8, 18), ('2.0', 15, NULL, 4, 16);";
            sqlite3_exec(db, sql.constData(), nullptr, nullptr, nullptr);
        }
        sqlite3_close(db);
        vantelo::data::Connection c;
        c.setConnectionString(QStringLiteral("Data Source=") + QString::fromUtf8(path));
        c.open();
        return c;
    }();
    return opened;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *bytes, std::size_t size)
{
    // The first byte picks the page; the rest splits at the first NUL into
    // the pressure text and the diameter text.
    if (size == 0)
        return 0;
    const auto standards = vantelo::lookup::flangeStandards();
    const auto &standard = standards[bytes[0] % standards.size()];
    const QByteArray rest(reinterpret_cast<const char *>(bytes + 1), qsizetype(size - 1));
    const qsizetype split = rest.indexOf('\0');
    const QString pressure = QString::fromUtf8(split < 0 ? rest : rest.left(split));
    const QString diameter = split < 0 ? QString() : QString::fromUtf8(rest.mid(split + 1));

    if (auto statement = vantelo::lookup::diameterStatement(standard, pressure))
        connection().execute(*statement);
    if (auto statement = vantelo::lookup::dimensionStatement(standard, pressure, diameter)) {
        if (auto row = connection().execute(*statement, nullptr, 1)) {
            for (const auto &binding : standard.bindings)
                vantelo::lookup::captionFor(binding, *row);
        }
    }
    return 0;
}
