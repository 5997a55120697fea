#include "database.h"

#include "engine_guard.h"
#include "file_format.h"
#include "isolated_import.h"
#include "schema_names.h"
#include "sqlite_file.h"
#include "sqlite_statement.h"

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

// What the rows of one result may hold in all, counting each field as
// its bytes and a fixed share for the field itself: a list or a row the
// window can show, and far below the memory the program may use.
constexpr std::size_t MostResultBytes = 32 << 20;
constexpr std::size_t BytesPerField = 48;

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

Database::Database(sqlite3 *handle, QSet<QByteArray> nonTables)
    : m_handle(handle)
    , m_nonTables(std::move(nonTables))
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
    std::optional<QSet<QByteArray>> nonTables = namesOfNonTables(handle);
    if (!nonTables) {
        sqlite3_close_v2(handle);
        return nullptr;
    }
    return std::unique_ptr<Database>(new Database(handle, std::move(*nonTables)));
}

std::optional<ResultSet> Database::execute(const QString &statement, QString *error, std::size_t maxRows) const
{
    const QByteArray sql = statement.toUtf8();
    // Only ordinary tables are read: a view or a virtual table in a flange
    // table's place counts as a missing table.
    if (mentionsAnyName(sql, m_nonTables)) {
        setError(error, QStringLiteral("the statement names a view or a virtual table"));
        return std::nullopt;
    }
    const StatementDeadline deadline(m_handle, StatementTime);
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

    std::vector<std::vector<FieldValue>> rows;
    std::size_t resultBytes = 0;
    while (rows.size() < maxRows) {
        const int stepped = deadline.passed() ? SQLITE_INTERRUPT : sqlite3_step(query.get());
        if (stepped == SQLITE_DONE)
            break;
        if (stepped != SQLITE_ROW) {
            setError(error, deadline.passed() ? QStringLiteral("the statement ran too long") : engineError(m_handle));
            return std::nullopt;
        }
        std::vector<FieldValue> row;
        row.reserve(columnCount);
        for (int column = 0; column < columnCount; ++column) {
            row.push_back(columnValue(query.get(), column));
            const QString *text = std::get_if<QString>(&row.back());
            resultBytes += BytesPerField + (text ? std::size_t(text->size()) * sizeof(QChar) : 0);
        }
        if (resultBytes > MostResultBytes) {
            setError(error, QStringLiteral("the result is too large"));
            return std::nullopt;
        }
        rows.push_back(std::move(row));
    }
    return ResultSet(std::move(columns), std::move(rows));
}

} // namespace vantelo::data
