#include "access_import.h"

#include "access_catalog.h"
#include "access_reader.h"
#include "access_schema.h"
#include "access_values.h"
#include "data/error_text.h"
#include "data/sqlite_statement.h"

#include <QFileInfo>

namespace vantelo::data {

namespace {

bool run(sqlite3 *db, const QString &sql)
{
    return sqlite3_exec(db, sql.toUtf8().constData(), nullptr, nullptr, nullptr) == SQLITE_OK;
}

StatementPtr prepare(sqlite3 *db, const QString &sql)
{
    const QByteArray utf8 = sql.toUtf8();
    sqlite3_stmt *statement = nullptr;
    sqlite3_prepare_v2(db, utf8.constData(), int(utf8.size()), &statement, nullptr);
    return StatementPtr(statement);
}

void bindValue(sqlite3_stmt *insert, int index, const FieldValue &value)
{
    if (const auto *text = std::get_if<QString>(&value)) {
        const QByteArray utf8 = text->toUtf8();
        sqlite3_bind_text(insert, index, utf8.constData(), int(utf8.size()), SQLITE_TRANSIENT);
    } else if (const auto *whole = std::get_if<std::int64_t>(&value)) {
        sqlite3_bind_int64(insert, index, *whole);
    } else if (const auto *number = std::get_if<double>(&value)) {
        sqlite3_bind_double(insert, index, *number);
    } else {
        sqlite3_bind_null(insert, index);
    }
}

bool copyTable(MdbHandle *mdb, MdbCatalogEntry *entry, sqlite3 *db, qint64 rowLimit)
{
    const MdbTablePtr table = readTable(entry);
    const std::vector<MdbColumn *> columns = table ? readColumns(table.get()) : std::vector<MdbColumn *>();
    if (columns.empty())
        return false;

    const QString name = accessName(entry->object_name);
    std::vector<AccessColumn> schema;
    for (const MdbColumn *column : columns)
        schema.push_back(AccessColumn{accessName(column->name), column->col_type});
    const QStringList statements = copySchemaStatements(name, schema);
    if (!run(db, statements.first()))
        return false;
    const StatementPtr insert = prepare(db, copyInsertStatement(name, columns.size()));
    if (!insert)
        return false;
    const bool copied = forEachRow(mdb, table.get(), rowLimit, [&](const std::vector<MdbField> &fields) {
        sqlite3_reset(insert.get());
        for (std::size_t column = 0; column < columns.size(); ++column)
            bindValue(insert.get(), int(column) + 1, accessFieldValue(mdb, *columns[column], fields[column]));
        return sqlite3_step(insert.get()) == SQLITE_DONE;
    });
    if (!copied)
        return false;
    // The index is built once the rows are in, which is faster than keeping
    // it up to date row by row.
    for (qsizetype index = 1; index < statements.size(); ++index) {
        if (!run(db, statements[index]))
            return false;
    }
    return true;
}

bool fail(QString *error, const QString &reason)
{
    setError(error, reason);
    return false;
}

} // namespace

bool importAccessFileInProcess(const QString &path, sqlite3 *target, QString *error)
{
    const MdbHandlePtr mdb = openAccessFile(path);
    // Every row takes at least its two-byte slot in a page's offset table,
    // so a damaged page chain cannot make a table longer than this.
    const qint64 rowLimit = QFileInfo(path).size() / 2;
    std::optional<std::vector<MdbCatalogEntry>> tables = mdb ? readUserTables(mdb.get(), rowLimit) : std::nullopt;
    if (!tables)
        return fail(error, QStringLiteral("the Access file cannot be read"));
    if (!run(target, QStringLiteral("BEGIN")))
        return fail(error, QStringLiteral("the copy of the Access file cannot be started"));
    for (MdbCatalogEntry &entry : *tables) {
        // A table that cannot be read or copied whole is left out, so that
        // the statements naming it fail and the rest of the file serves.
        run(target, QStringLiteral("SAVEPOINT table_copy"));
        if (!copyTable(mdb.get(), &entry, target, rowLimit))
            run(target, QStringLiteral("ROLLBACK TO table_copy"));
        run(target, QStringLiteral("RELEASE table_copy"));
    }
    if (!run(target, QStringLiteral("COMMIT")))
        return fail(error, QStringLiteral("the copy of the Access file cannot be completed"));
    return true;
}

} // namespace vantelo::data
