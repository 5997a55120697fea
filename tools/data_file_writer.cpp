#include "data_file_writer.h"

#include "sqlite_writer.h"

#include "data/side_tables.h"
#include "data/sql_identifier.h"

namespace vantelo::tools {

using data::quotedIdentifier;

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

// Absent cells are NULL; pressures are text, lengths real, the rest whole.
bool insertRows(SqliteWriter &file, const SourceTable &table)
{
    const TableLayout &layout = *table.layout;
    std::string sql = "INSERT INTO " + quotedIdentifier(layout.name) + " VALUES (";
    for (std::size_t i = 0; i < layout.columns.size(); ++i)
        sql += i ? ", ?" : "?";
    std::vector<std::vector<SqlValue>> rows;
    for (const SourceRow &row : table.rows) {
        std::vector<SqlValue> &values = rows.emplace_back();
        for (std::size_t i = 0; i < layout.columns.size(); ++i) {
            const SourceCell &cell = row.cells[i];
            const ColumnKind kind = layout.columns[i].kind;
            values.push_back(!cell.present                    ? SqlValue()
                             : kind == ColumnKind::Pressure ? SqlValue(cell.text)
                             : kind == ColumnKind::Length   ? SqlValue(cell.number)
                                                            : SqlValue(static_cast<long long>(cell.number)));
        }
    }
    return file.insert(sql + ')', rows, [&](std::size_t index) {
        return layout.name + " line " + std::to_string(table.rows[index].line);
    });
}

// The tables with a key are stored by it (WITHOUT ROWID): one b-tree instead
// of a table and an index that every open's integrity check must match row by
// row, which was most of what opening the data file cost.

// Named apart from the flange tables ("_HG" + number); one line per table,
// pressure, diameter range and group of columns of equal origin. A line's
// source names ids of its system's register, which is stored once.
void writeProvenance(SqliteWriter &file, const Provenance &provenance)
{
    const std::string lines = data::ProvenanceTable, register_ = data::ProvenanceSourceTable;
    file.exec("CREATE TABLE " + lines + " (table_name TEXT NOT NULL, system TEXT NOT NULL, pn TEXT NOT NULL, "
              "dn_from INTEGER NOT NULL, dn_to INTEGER NOT NULL, columns TEXT NOT NULL, source TEXT NOT NULL, "
              "confidence TEXT)");
    file.exec("CREATE TABLE " + register_ + " (system TEXT NOT NULL, source TEXT NOT NULL, reference TEXT NOT NULL, "
              "PRIMARY KEY (system, source)) WITHOUT ROWID");
    for (const ProvenanceRange &range : provenance.ranges) {
        std::string columns;
        for (const std::string &column : range.columns)
            columns += (columns.empty() ? "" : " ") + column;
        file.insert("INSERT INTO " + lines + " VALUES (?, ?, ?, ?, ?, ?, ?, ?)",
                    {{range.table, range.system, range.pressure, range.fromDiameter, range.toDiameter, columns,
                      range.source, range.confidence}});
    }
    for (const SourceReference &source : provenance.sources)
        file.insert("INSERT INTO " + register_ + " VALUES (?, ?, ?)", {{source.system, source.id, source.reference}});
}

// One row per system, PN and DN; n and L repeat the flange tables' so that
// a reader can see which connection the thread belongs to.
void writeBolts(SqliteWriter &file, const std::vector<BoltRow> &bolts)
{
    const std::string pressure = quotedIdentifier(column::Pressure);
    const std::string diameter = quotedIdentifier(column::Diameter);
    file.exec("CREATE TABLE " + quotedIdentifier(kBoltTable) + " (system TEXT NOT NULL, " + pressure + " TEXT NOT NULL, " +
              diameter + " NUMERIC NOT NULL, " + quotedIdentifier(column::BoltCountN) + " INTEGER NOT NULL, " +
              quotedIdentifier(column::BoltHoleL) + " REAL NOT NULL, " + quotedIdentifier(kThreadColumn) +
              " TEXT NOT NULL, PRIMARY KEY (system, " + pressure + ", " + diameter + ")) WITHOUT ROWID");
    for (const BoltRow &row : bolts)
        file.insert("INSERT INTO " + quotedIdentifier(kBoltTable) + " VALUES (?, ?, ?, ?, ?, ?)",
                    {{systemName(row.system), row.pressure, row.diameter, row.count, row.holeText, row.thread}});
}

// The pressure-temperature ratings and the materials rated by them, each
// value with its source and confidence as the sources give them.
void writeRatings(SqliteWriter &file, const RatingSources &ratings)
{
    const std::string rating = data::RatingTable, material = data::RatedMaterialTable;
    file.exec("CREATE TABLE " + rating + " (material_group TEXT NOT NULL, class INTEGER NOT NULL, "
              "temp_c INTEGER NOT NULL, max_pressure_bar REAL NOT NULL, pn TEXT NOT NULL, pt_table TEXT NOT NULL, "
              "source TEXT NOT NULL, cross_check TEXT, confidence TEXT NOT NULL, note TEXT, "
              "PRIMARY KEY (material_group, class, temp_c)) WITHOUT ROWID");
    file.exec("CREATE TABLE " + material + " (astm_material TEXT NOT NULL, material_group TEXT NOT NULL, "
              "product_form TEXT, pt_table TEXT NOT NULL, max_temp_c_class150 INTEGER NOT NULL, "
              "max_temp_c_other_classes INTEGER NOT NULL, source TEXT NOT NULL, cross_check TEXT, "
              "confidence TEXT NOT NULL)");
    for (const RatingCell &c : ratings.cells)
        file.insert("INSERT INTO " + rating + " VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?)",
                    {{c.group, (long long)c.ratingClass, c.temperature, c.bar, c.pressure, c.table, c.source,
                      c.crossCheck, c.confidence, c.note}});
    for (const RatedMaterial &m : ratings.materials)
        file.insert("INSERT INTO " + material + " VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?)",
                    {{m.grade, m.group, m.form, m.table, m.highestClass150, m.highestOtherClasses, m.source,
                      m.crossCheck, m.confidence}});
}

bool writeTables(SqliteWriter &file, const std::vector<SourceTable> &tables, const Provenance &provenance,
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
        insertRows(file, table);
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
        SqliteWriter file(partial);
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

} // namespace vantelo::tools
