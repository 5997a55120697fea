#include "data_file_writer.h"

#include "data/sql_identifier.h"

#include <sqlite3.h>

#include <variant>

namespace vantelo::data::builder {

namespace {

const char *declaredType(ColumnKind kind)
{
    switch (kind) {
    case ColumnKind::Pressure: return "TEXT NOT NULL";
    case ColumnKind::Diameter: return "NUMERIC NOT NULL"; // 100 and 100.0 compare equal
    case ColumnKind::Count: return "INTEGER";
    case ColumnKind::Length: break;
    }
    return "REAL";
}

class SqliteFile final
{
public:
    explicit SqliteFile(const std::filesystem::path &path)
    {
        // SQLite takes UTF-8 names; Windows paths are wide.
        const std::u8string name = path.u8string();
        if (sqlite3_open_v2(reinterpret_cast<const char *>(name.c_str()), &m_db,
                            SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr) != SQLITE_OK)
            m_error = m_db ? sqlite3_errmsg(m_db) : "cannot open";
    }
    ~SqliteFile() { close(); }
    SqliteFile(const SqliteFile &) = delete;
    SqliteFile &operator=(const SqliteFile &) = delete;

    bool ok() const { return m_error.empty(); }
    const std::string &error() const { return m_error; }

    bool close()
    {
        if (m_db && sqlite3_close(m_db) != SQLITE_OK && ok())
            m_error = "closing failed";
        m_db = nullptr;
        return ok();
    }

    bool exec(const std::string &sql)
    {
        if (ok() && sqlite3_exec(m_db, sql.c_str(), nullptr, nullptr, nullptr) != SQLITE_OK)
            m_error = sqlite3_errmsg(m_db) + (" in: " + sql);
        return ok();
    }

    bool insertRows(const SourceTable &table)
    {
        const TableLayout &layout = *table.layout;
        std::string sql = "INSERT INTO " + quotedIdentifier(layout.name) + " VALUES (";
        for (std::size_t i = 0; i < layout.columns.size(); ++i)
            sql += i ? ", ?" : "?";
        sql += ')';
        sqlite3_stmt *statement = nullptr;
        if (!ok() || sqlite3_prepare_v2(m_db, sql.c_str(), -1, &statement, nullptr) != SQLITE_OK) {
            m_error = ok() ? sqlite3_errmsg(m_db) : m_error;
            return false;
        }
        for (const SourceRow &row : table.rows) {
            sqlite3_reset(statement);
            for (std::size_t i = 0; i < layout.columns.size(); ++i)
                bind(statement, int(i) + 1, layout.columns[i].kind, row.cells[i]);
            if (sqlite3_step(statement) != SQLITE_DONE) {
                m_error = sqlite3_errmsg(m_db) + (" in " + layout.name + " line " + std::to_string(row.line));
                break;
            }
        }
        sqlite3_finalize(statement);
        return ok();
    }

    // One row of text (an empty text is stored as NULL) and whole numbers.
    bool insertValues(const std::string &sql, const std::vector<std::variant<std::string, long long, double>> &values)
    {
        sqlite3_stmt *statement = nullptr;
        if (!ok() || sqlite3_prepare_v2(m_db, sql.c_str(), -1, &statement, nullptr) != SQLITE_OK) {
            m_error = ok() ? sqlite3_errmsg(m_db) : m_error;
            return false;
        }
        for (std::size_t i = 0; i < values.size(); ++i) {
            if (const auto *number = std::get_if<long long>(&values[i]))
                sqlite3_bind_int64(statement, int(i) + 1, *number);
            else if (const auto *real = std::get_if<double>(&values[i]))
                sqlite3_bind_double(statement, int(i) + 1, *real);
            else if (const std::string &text = std::get<std::string>(values[i]); !text.empty())
                sqlite3_bind_text(statement, int(i) + 1, text.c_str(), int(text.size()), SQLITE_TRANSIENT);
        }
        if (sqlite3_step(statement) != SQLITE_DONE)
            m_error = sqlite3_errmsg(m_db) + (" in: " + sql);
        sqlite3_finalize(statement);
        return ok();
    }

private:
    static void bind(sqlite3_stmt *statement, int index, ColumnKind kind, const SourceCell &cell)
    {
        if (!cell.present)
            sqlite3_bind_null(statement, index);
        else if (kind == ColumnKind::Pressure)
            sqlite3_bind_text(statement, index, cell.text.c_str(), int(cell.text.size()), SQLITE_TRANSIENT);
        else if (kind == ColumnKind::Length)
            sqlite3_bind_double(statement, index, cell.number);
        else
            sqlite3_bind_int64(statement, index, sqlite3_int64(cell.number));
    }

    sqlite3 *m_db = nullptr;
    std::string m_error;
};

// The tables with a key are stored by it (WITHOUT ROWID): one b-tree instead
// of a table and an index that every open's integrity check must match row by
// row, which was most of what opening the data file cost.

// Named apart from the flange tables ("_HG" + number); one line per table,
// pressure, diameter range and group of columns of equal origin. A line's
// source names ids of its system's register, which is stored once.
void writeProvenance(SqliteFile &file, const Provenance &provenance)
{
    file.exec("CREATE TABLE provenance (table_name TEXT NOT NULL, system TEXT NOT NULL, pn TEXT NOT NULL, "
              "dn_from INTEGER NOT NULL, dn_to INTEGER NOT NULL, columns TEXT NOT NULL, source TEXT NOT NULL, "
              "confidence TEXT)");
    file.exec("CREATE TABLE provenance_source (system TEXT NOT NULL, source TEXT NOT NULL, reference TEXT NOT NULL, "
              "PRIMARY KEY (system, source)) WITHOUT ROWID");
    for (const ProvenanceRange &range : provenance.ranges) {
        std::string columns;
        for (const std::string &column : range.columns)
            columns += (columns.empty() ? "" : " ") + column;
        file.insertValues("INSERT INTO provenance VALUES (?, ?, ?, ?, ?, ?, ?, ?)",
                          {range.table, range.system, range.pressure, range.fromDiameter, range.toDiameter, columns,
                           range.source, range.confidence});
    }
    for (const SourceReference &source : provenance.sources)
        file.insertValues("INSERT INTO provenance_source VALUES (?, ?, ?)", {source.system, source.id, source.reference});
}

// One row per system, PN and DN; n and L repeat the flange tables' so that
// a reader can see which connection the thread belongs to.
void writeBolts(SqliteFile &file, const std::vector<BoltRow> &bolts)
{
    const std::string pressure = quotedIdentifier(column::Pressure);
    const std::string diameter = quotedIdentifier(column::Diameter);
    file.exec("CREATE TABLE " + quotedIdentifier(kBoltTable) + " (system TEXT NOT NULL, " + pressure + " TEXT NOT NULL, " +
              diameter + " NUMERIC NOT NULL, " + quotedIdentifier(column::BoltCountN) + " INTEGER NOT NULL, " +
              quotedIdentifier(column::BoltHoleL) + " REAL NOT NULL, " + quotedIdentifier(kThreadColumn) +
              " TEXT NOT NULL, PRIMARY KEY (system, " + pressure + ", " + diameter + ")) WITHOUT ROWID");
    for (const BoltRow &row : bolts)
        file.insertValues("INSERT INTO " + quotedIdentifier(kBoltTable) + " VALUES (?, ?, ?, ?, ?, ?)",
                          {systemName(row.system), row.pressure, row.diameter, row.count, row.holeText, row.thread});
}

// The pressure-temperature ratings and the materials rated by them, each
// value with its source and confidence as the sources give them.
void writeRatings(SqliteFile &file, const RatingSources &ratings)
{
    file.exec("CREATE TABLE rating (material_group TEXT NOT NULL, class INTEGER NOT NULL, temp_c INTEGER NOT NULL, "
              "max_pressure_bar REAL NOT NULL, pn TEXT NOT NULL, pt_table TEXT NOT NULL, source TEXT NOT NULL, "
              "cross_check TEXT, confidence TEXT NOT NULL, note TEXT, PRIMARY KEY (material_group, class, temp_c)) "
              "WITHOUT ROWID");
    file.exec("CREATE TABLE rating_material (astm_material TEXT NOT NULL, material_group TEXT NOT NULL, "
              "product_form TEXT, pt_table TEXT NOT NULL, max_temp_c_class150 INTEGER NOT NULL, "
              "max_temp_c_other_classes INTEGER NOT NULL, source TEXT NOT NULL, cross_check TEXT, "
              "confidence TEXT NOT NULL)");
    for (const RatingCell &c : ratings.cells)
        file.insertValues("INSERT INTO rating VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?)",
                          {c.group, (long long)c.ratingClass, c.temperature, c.bar, c.pressure, c.table, c.source,
                           c.crossCheck, c.confidence, c.note});
    for (const RatedMaterial &m : ratings.materials)
        file.insertValues("INSERT INTO rating_material VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?)",
                          {m.grade, m.group, m.form, m.table, m.highestClass150, m.highestOtherClasses, m.source,
                           m.crossCheck, m.confidence});
}

bool writeTables(SqliteFile &file, const std::vector<SourceTable> &tables, const Provenance &provenance,
                 const std::vector<BoltRow> &bolts, const RatingSources &ratings)
{
    file.exec("PRAGMA journal_mode=DELETE");
    file.exec("BEGIN");
    for (const SourceTable &table : tables) {
        const TableLayout &layout = *table.layout;
        std::string create = "CREATE TABLE " + quotedIdentifier(layout.name) + " (";
        for (std::size_t i = 0; i < layout.columns.size(); ++i)
            create += (i ? ", " : "") + quotedIdentifier(layout.columns[i].name) + ' ' + declaredType(layout.columns[i].kind);
        file.exec(create + ')');
        file.insertRows(table);
        file.exec("CREATE UNIQUE INDEX " + quotedIdentifier(layout.name + "_PN_DN") + " ON " + quotedIdentifier(layout.name) + " (" +
                  quotedIdentifier(column::Pressure) + ", " + quotedIdentifier(column::Diameter) + ')');
    }
    writeBolts(file, bolts);
    writeProvenance(file, provenance);
    writeRatings(file, ratings);
    file.exec("COMMIT");
    return file.close();
}

} // namespace

bool writeDataFile(const std::vector<SourceTable> &tables, const Provenance &provenance,
                   const std::vector<BoltRow> &bolts, const RatingSources &ratings,
                   const std::filesystem::path &output, std::string &error)
{
    std::error_code ignored;
    if (output.has_parent_path())
        std::filesystem::create_directories(output.parent_path(), ignored);
    std::filesystem::path partial = output;
    partial += ".partial";
    std::filesystem::remove(partial, ignored);

    bool written = false;
    {
        SqliteFile file(partial);
        written = file.ok() && writeTables(file, tables, provenance, bolts, ratings);
        error = file.error();
    }
    if (written) {
        std::error_code renameFailure;
        std::filesystem::rename(partial, output, renameFailure);
        if (!renameFailure)
            return true;
        error = "cannot replace it: " + renameFailure.message();
    }
    std::filesystem::remove(partial, ignored);
    error = output.string() + ": " + error;
    return false;
}

} // namespace vantelo::data::builder
