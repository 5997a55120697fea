// Arbitrary pressure and diameter texts through both statements of every
// page, against a small data file whose seven tables hold every column the
// pages show. Its values are placeholders (integers, reals, texts and nulls
// in turn), not flange dimensions.
#include "data/connection.h"
#include "lookup/found_flange.h"
#include "lookup/standards.h"
#include "lookup/statements.h"
#include "tools/sqlite_writer.h"

#include <QStringList>
#include <QTemporaryDir>

#include <cstddef>
#include <cstdint>
#include <cstdlib>

using namespace vantelo;

namespace {

QByteArray tableStatements(const lookup::StandardRecord &standard)
{
    const QString table = QString::fromUtf8(standard.table);
    const QStringList columns = lookup::shownColumns(standard);
    QStringList definitions{QStringLiteral("公称压力PN TEXT"), QStringLiteral("公称通径DN REAL")};
    QStringList values;
    for (qsizetype index = 0; index < columns.size(); ++index) {
        definitions << QStringLiteral("\"%1\"").arg(columns[index]);
        const char *const placeholders[] = {"7", "7.5", "'x'", "NULL"};
        values << QString::fromLatin1(placeholders[index % 4]);
    }
    QString sql = QStringLiteral("create table %1 (%2);").arg(table, definitions.join(QLatin1String(", ")));
    for (const char *pressure : {"0.6", "1.0", "2.0", "5.0", ""})
        for (const char *diameter : {"15", "100", "NULL", "'x'"})
            sql += QStringLiteral("insert into %1 values ('%2', %3, %4);")
                       .arg(table, QString::fromUtf8(pressure), QString::fromUtf8(diameter),
                            values.join(QLatin1String(", ")));
    return sql.toUtf8();
}

const data::Connection &connection()
{
    static QTemporaryDir dir;
    static data::Connection opened = [] {
        const QString path = dir.filePath(QStringLiteral("FLDATA.mdb"));
        {
            tools::SqliteWriter file(path.toStdU16String());
            for (const lookup::StandardRecord &standard : lookup::StandardRecords)
                file.exec(tableStatements(standard).toStdString());
        }
        data::Connection c;
        c.setConnectionString(QStringLiteral("Data Source=") + path);
        if (!c.open())
            std::abort(); // the harness would test nothing
        return c;
    }();
    return opened;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *bytes, std::size_t size)
{
    // The input splits at its first NUL into the pressure text and the
    // diameter text.
    const QByteArray input(reinterpret_cast<const char *>(bytes), qsizetype(size));
    const qsizetype split = input.indexOf('\0');
    const QString pressure = QString::fromUtf8(split < 0 ? input : input.left(split));
    const QString diameter = split < 0 ? QString() : QString::fromUtf8(input.mid(split + 1));

    for (const lookup::StandardRecord &standard : lookup::StandardRecords) {
        if (auto statement = lookup::diameterStatement(standard, pressure)) {
            for (auto rows = connection().execute(*statement); rows && !rows->atEnd(); rows->moveNext())
                rows->field(QStringLiteral("公称通径DN"));
        }
        const lookup::FlangeLookup found = lookup::findFlange(standard, pressure, pressure, diameter, connection());
        if (const auto *flange = std::get_if<lookup::FoundFlange>(&found)) {
            for (int place = 0; place < lookup::resultCount(standard); ++place)
                lookup::captionOf(lookup::resultAt(standard, place)->source, *flange);
        }
    }
    return 0;
}
