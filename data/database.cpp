#include "database.h"

#include "engine_guard.h"
#include "file_format.h"
#include "isolated_import.h"
#include "sqlite_statement.h"

#include <QFile>
#include <QFileInfo>

namespace vantelo::data {

namespace {

void setError(QString *error, const QString &text)
{
    if (error)
        *error = text;
}

QString engineError(sqlite3 *db)
{
    return QString::fromUtf8(sqlite3_errmsg(db));
}

// immutable=1: the engine opens the file read-only and takes no locks, so
// no journal, WAL or shared-memory file ever appears beside it.
QByteArray immutableFileUri(const QString &path)
{
    const QByteArray local = QFile::encodeName(QFileInfo(path).absoluteFilePath());
    return "file:" + local.toPercentEncoding("/") + "?immutable=1";
}

sqlite3 *openSqliteFile(const QString &path, QString *error)
{
    sqlite3 *db = nullptr;
    const int opened = sqlite3_open_v2(immutableFileUri(path).constData(), &db,
                                       SQLITE_OPEN_READONLY | SQLITE_OPEN_URI, nullptr);
    // Reading the schema is the first moment the engine looks into the file.
    if (opened != SQLITE_OK
        || sqlite3_exec(db, "SELECT count(*) FROM sqlite_schema", nullptr, nullptr, nullptr) != SQLITE_OK) {
        setError(error, db ? engineError(db) : QStringLiteral("the database cannot be opened"));
        sqlite3_close_v2(db);
        return nullptr;
    }
    return db;
}

// Only blanks, comments and empty statements may follow the statement; a
// second statement is refused even though only the first would run.
bool nothingFollows(sqlite3 *db, const char *tail, const char *end)
{
    while (tail && tail < end) {
        sqlite3_stmt *next = nullptr;
        const char *rest = nullptr;
        const int compiled = sqlite3_prepare_v2(db, tail, int(end - tail), &next, &rest);
        sqlite3_finalize(next);
        if (compiled != SQLITE_OK || next || rest == tail)
            return compiled == SQLITE_OK && !next;
        tail = rest;
    }
    return true;
}

FieldValue columnValue(sqlite3_stmt *statement, int column)
{
    switch (sqlite3_column_type(statement, column)) {
    case SQLITE_INTEGER:
        return std::int64_t(sqlite3_column_int64(statement, column));
    case SQLITE_FLOAT:
        return sqlite3_column_double(statement, column);
    case SQLITE_TEXT:
        return QString::fromUtf8(reinterpret_cast<const char *>(sqlite3_column_text(statement, column)),
                                 sqlite3_column_bytes(statement, column));
    case SQLITE_BLOB: // read as text: a value that was meant to be one
        return QString::fromUtf8(static_cast<const char *>(sqlite3_column_blob(statement, column)),
                                 sqlite3_column_bytes(statement, column));
    default:
        return std::monostate();
    }
}

} // namespace

Database::Database(sqlite3 *handle)
    : m_handle(handle)
{
}

Database::~Database()
{
    sqlite3_close_v2(m_handle);
}

std::unique_ptr<Database> Database::open(const QString &path, QString *error)
{
    const FileCheck check = inspectDataFile(path);
    sqlite3 *db = nullptr;
    if (check.format == FileFormat::Sqlite)
        db = openSqliteFile(path, error);
    else if (check.format == FileFormat::Access)
        db = importAccessFileIsolated(path, error);
    else
        setError(error, check.problem);
    return db ? adopt(db) : nullptr;
}

std::unique_ptr<Database> Database::adopt(sqlite3 *handle)
{
    allowReadsOnly(handle);
    return std::unique_ptr<Database>(new Database(handle));
}

std::optional<ResultSet> Database::execute(const QString &statement, QString *error, std::size_t maxRows) const
{
    const QByteArray sql = statement.toUtf8();
    sqlite3_stmt *prepared = nullptr;
    const char *tail = nullptr;
    const int compiled = sqlite3_prepare_v2(m_handle, sql.constData(), int(sql.size()), &prepared, &tail);
    const StatementPtr query(prepared);
    if (compiled != SQLITE_OK) {
        setError(error, engineError(m_handle));
        return std::nullopt;
    }
    if (!query) {
        setError(error, QStringLiteral("the statement is empty"));
        return std::nullopt;
    }
    if (!nothingFollows(m_handle, tail, sql.constData() + sql.size())) {
        setError(error, QStringLiteral("only one statement may be run at a time"));
        return std::nullopt;
    }
    if (!sqlite3_stmt_readonly(query.get())) {
        setError(error, QStringLiteral("the data file is read only"));
        return std::nullopt;
    }

    std::vector<QString> columns;
    const int columnCount = sqlite3_column_count(query.get());
    for (int column = 0; column < columnCount; ++column)
        columns.push_back(QString::fromUtf8(sqlite3_column_name(query.get(), column)));

    const StatementBudget budget(m_handle);
    std::vector<std::vector<FieldValue>> rows;
    while (rows.size() < maxRows) {
        const int stepped = sqlite3_step(query.get());
        if (stepped == SQLITE_DONE)
            break;
        if (stepped != SQLITE_ROW) {
            setError(error, budget.exhausted() ? QStringLiteral("the statement ran too long") : engineError(m_handle));
            return std::nullopt;
        }
        std::vector<FieldValue> row;
        row.reserve(columnCount);
        for (int column = 0; column < columnCount; ++column)
            row.push_back(columnValue(query.get(), column));
        rows.push_back(std::move(row));
    }
    return ResultSet(std::move(columns), std::move(rows));
}

} // namespace vantelo::data
