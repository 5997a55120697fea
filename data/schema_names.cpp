#include "schema_names.h"

#include "engine_guard.h"
#include "sqlite_statement.h"

#include <utility>
#include <vector>

namespace vantelo::data {

namespace {

QByteArray foldCase(QByteArrayView name)
{
    QByteArray folded(name.data(), name.size());
    for (char &c : folded) {
        if (c >= 'A' && c <= 'Z')
            c = char(c - 'A' + 'a');
    }
    return folded;
}

bool isSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\f' || c == '\r';
}

// The schema stores the creating statement as typed after "CREATE": blanks
// and comments may stand before VIRTUAL, and the engine skips them.
bool isVirtualTableSql(const QByteArray &sql)
{
    qsizetype at = 6; // past "CREATE", which the engine requires here
    while (at < sql.size()) {
        if (isSpace(sql[at])) {
            ++at;
        } else if (sql.mid(at, 2) == "/*") {
            const qsizetype end = sql.indexOf("*/", at + 2);
            at = end < 0 ? sql.size() : end + 2;
        } else if (sql.mid(at, 2) == "--") {
            const qsizetype end = sql.indexOf('\n', at);
            at = end < 0 ? sql.size() : end + 1;
        } else {
            break;
        }
    }
    return foldCase(sql.mid(at, 7)) == "virtual";
}

bool isIdentifierByte(char c)
{
    const auto byte = static_cast<unsigned char>(c);
    return byte >= 0x80 || (byte >= '0' && byte <= '9') || (byte >= 'a' && byte <= 'z')
        || (byte >= 'A' && byte <= 'Z') || byte == '_' || byte == '$';
}

// The text of a quoted identifier or literal starting at 'at' with its
// opening quote, doubled closing quotes read as one; 'at' moves past it.
QByteArray quotedText(const QByteArray &text, qsizetype &at)
{
    const char close = text[at] == '[' ? ']' : text[at];
    QByteArray inner;
    for (++at; at < text.size(); ++at) {
        if (text[at] != close) {
            inner += text[at];
        } else if (close != ']' && at + 1 < text.size() && text[at + 1] == close) {
            inner += close;
            ++at;
        } else {
            ++at;
            break;
        }
    }
    return inner;
}

// Far more than any schema's views hold that is not built to stall the open.
constexpr std::size_t MostScannedDefinitionBytes = 1 << 20;

} // namespace

std::optional<NonTables> namesOfNonTables(sqlite3 *db, const WorkLimits &limits)
{
    const std::int64_t bytes = fileBytes(db);
    const WorkBudget budget(db, checkSteps(limits, bytes), checkClock(limits, bytes));
    sqlite3_stmt *prepared = nullptr;
    sqlite3_prepare_v2(db, "SELECT type, name, rootpage, sql FROM sqlite_schema WHERE type IN ('table', 'view')", -1,
                       &prepared, nullptr);
    const StatementPtr query(prepared);
    if (!query)
        return std::nullopt;
    QSet<QByteArray> names;
    NonTables found;
    std::vector<std::pair<QByteArray, QByteArray>> views; // name, creating statement
    int stepped = SQLITE_ROW;
    while ((stepped = sqlite3_step(query.get())) == SQLITE_ROW) {
        const auto column = [&](int index) {
            return QByteArrayView(reinterpret_cast<const char *>(sqlite3_column_text(query.get(), index)),
                                  sqlite3_column_bytes(query.get(), index));
        };
        if (column(0) == "view") {
            views.emplace_back(foldCase(column(1)), column(3).toByteArray());
        } else if (sqlite3_column_int64(query.get(), 2) <= 0 || isVirtualTableSql(column(3).toByteArray())) {
            found.virtualTables.insert(foldCase(column(1)));
        } else {
            continue;
        }
        names.insert(foldCase(column(1)));
    }
    if (stepped != SQLITE_DONE)
        return std::nullopt;
    // Scanning every definition for every name is bounded: beyond it, every
    // view counts as nested.
    std::size_t scanned = 0;
    for (const auto &[name, sql] : views) {
        scanned += std::size_t(sql.size());
        if (scanned > MostScannedDefinitionBytes || mentionsAnyName(sql, names, name))
            found.nestedViews.insert(name);
    }
    return found;
}

bool mentionsAnyName(const QByteArray &statement, const QSet<QByteArray> &names, const QByteArray &except)
{
    if (names.isEmpty())
        return false;
    for (qsizetype at = 0; at < statement.size();) {
        const char c = statement[at];
        if (c == '"' || c == '`' || c == '[' || c == '\'') {
            const QByteArray name = foldCase(quotedText(statement, at));
            if (name != except && names.contains(name))
                return true;
        } else if (isIdentifierByte(c)) {
            const qsizetype start = at;
            while (at < statement.size() && isIdentifierByte(statement[at]))
                ++at;
            const QByteArray name = foldCase(QByteArrayView(statement).sliced(start, at - start));
            if (name != except && names.contains(name))
                return true;
        } else {
            ++at;
        }
    }
    return false;
}

} // namespace vantelo::data
