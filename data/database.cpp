#include "database.h"

#include "engine_guard.h"
#include "error_text.h"
#include "file_format.h"
#include "isolated_import.h"
#include "schema_names.h"
#include "sqlite_file.h"
#include "sqlite_statement.h"

namespace vantelo::data {

namespace {

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

// What a step gives: the row read, the end, or a failure.
enum class Stepped { Row, Done, Failed };

// Reads up to maxRows rows of a prepared statement within budget.
Stepped fetchRows(sqlite3 *db, sqlite3_stmt *statement, const WorkBudget &budget, std::size_t maxRows,
                  std::vector<std::vector<FieldValue>> &rows, QString *error)
{
    const int columnCount = sqlite3_column_count(statement);
    std::size_t resultBytes = 0;
    while (rows.size() < maxRows) {
        const int stepped = budget.spent() ? SQLITE_INTERRUPT : sqlite3_step(statement);
        if (stepped == SQLITE_DONE)
            return Stepped::Done;
        if (stepped != SQLITE_ROW) {
            setError(error, budget.spent() ? QStringLiteral("the statement ran too long") : engineError(db));
            return Stepped::Failed;
        }
        std::vector<FieldValue> row;
        row.reserve(columnCount);
        for (int column = 0; column < columnCount; ++column) {
            row.push_back(columnValue(statement, column));
            const QString *text = std::get_if<QString>(&row.back());
            resultBytes += BytesPerField + (text ? std::size_t(text->size()) * sizeof(QChar) : 0);
        }
        if (resultBytes > MostResultBytes) {
            setError(error, QStringLiteral("the result is too large"));
            return Stepped::Failed;
        }
        rows.push_back(std::move(row));
    }
    return Stepped::Row;
}

std::vector<QString> columnNames(sqlite3_stmt *statement)
{
    std::vector<QString> columns;
    const int columnCount = sqlite3_column_count(statement);
    for (int column = 0; column < columnCount; ++column)
        columns.push_back(QString::fromUtf8(sqlite3_column_name(statement, column)));
    return columns;
}

} // namespace

struct Database::Prepared
{
    StatementPtr statement;
    std::unique_ptr<WorkBudget> budget; // from the start of preparing
};

Database::Database(sqlite3 *handle, NonTables nonTables, const WorkLimits &limits)
    : m_handle(handle)
    , m_nonTables(std::move(nonTables))
    , m_limits(limits)
{
    refuseReadsOf(m_handle, m_nonTables.virtualTables);
}

Database::~Database()
{
    sqlite3_close_v2(m_handle);
}

std::unique_ptr<Database> Database::open(const QString &path, QString *error, const WorkLimits &limits)
{
    const FileCheck check = inspectDataFile(path);
    sqlite3 *db = nullptr;
    if (check.format == FileFormat::Sqlite)
        db = openSqliteFile(path, limits, error);
    else if (check.format == FileFormat::Access)
        db = importAccessFileIsolated(path, error, ImportIsolation{{}, AccessImportDeadline, limits});
    else
        setError(error, check.problem);
    return db ? adopt(db, limits) : nullptr;
}

std::unique_ptr<Database> Database::adopt(sqlite3 *handle, const WorkLimits &limits)
{
    allowReadsOnly(handle);
    std::optional<NonTables> nonTables = namesOfNonTables(handle, limits);
    if (!nonTables) {
        sqlite3_close_v2(handle);
        return nullptr;
    }
    return std::unique_ptr<Database>(new Database(handle, std::move(*nonTables), limits));
}

Database::Prepared Database::prepare(const QString &statement, QString *error) const
{
    Prepared result;
    const QByteArray sql = statement.toUtf8();
    // The engine refuses a view or a virtual table that a statement reads,
    // but only after expanding the views it names: those that read others
    // are refused before.
    if (mentionsAnyName(sql, m_nonTables.nestedViews)) {
        setError(error, QStringLiteral("the statement names a view that reads other views"));
        return result;
    }
    result.budget = std::make_unique<WorkBudget>(m_handle, m_limits.statementSteps, m_limits.statementClock);
    sqlite3_stmt *prepared = nullptr;
    const char *tail = nullptr;
    const int compiled = sqlite3_prepare_v2(m_handle, sql.constData(), int(sql.size()), &prepared, &tail);
    StatementPtr query(prepared);
    if (compiled != SQLITE_OK) {
        setError(error, engineError(m_handle));
        return result;
    }
    if (!query) {
        setError(error, QStringLiteral("the statement is empty"));
        return result;
    }
    if (!nothingFollows(m_handle, tail, sql.constData() + sql.size())) {
        setError(error, QStringLiteral("only one statement may be run at a time"));
        return result;
    }
    if (!sqlite3_stmt_readonly(query.get())) {
        setError(error, QStringLiteral("the data file is read only"));
        return result;
    }
    result.statement = std::move(query);
    return result;
}

std::optional<ResultSet> Database::execute(const QString &statement, QString *error, std::size_t maxRows) const
{
    const Prepared prepared = prepare(statement, error);
    if (!prepared.statement)
        return std::nullopt;
    std::vector<std::vector<FieldValue>> rows;
    if (fetchRows(m_handle, prepared.statement.get(), *prepared.budget, maxRows, rows, error) == Stepped::Failed)
        return std::nullopt;
    return ResultSet(columnNames(prepared.statement.get()), std::move(rows));
}

std::unique_ptr<RowReader> Database::read(const QString &statement, QString *error) const
{
    Prepared prepared = prepare(statement, error);
    if (!prepared.statement)
        return nullptr;
    return std::unique_ptr<RowReader>(new RowReader(m_handle, prepared.statement.release(), m_limits));
}

RowReader::RowReader(sqlite3 *handle, sqlite3_stmt *statement, const WorkLimits &limits)
    : m_handle(handle)
    , m_statement(statement)
    , m_limits(limits)
{
}

RowReader::~RowReader()
{
    sqlite3_finalize(m_statement);
}

std::optional<ResultSet> RowReader::next(std::size_t count, QString *error)
{
    std::vector<std::vector<FieldValue>> rows;
    if (!m_atEnd) {
        const WorkBudget budget(m_handle, m_limits.statementSteps, m_limits.statementClock);
        const Stepped stepped = fetchRows(m_handle, m_statement, budget, count, rows, error);
        if (stepped == Stepped::Failed) {
            m_atEnd = true;
            return std::nullopt;
        }
        m_atEnd = stepped == Stepped::Done;
    }
    return ResultSet(columnNames(m_statement), std::move(rows));
}

} // namespace vantelo::data
