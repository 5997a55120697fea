#include "source_table.h"

#include "number_text.h"

#include <algorithm>
#include <sstream>

namespace vantelo::tools {

namespace {

constexpr std::size_t kMaxErrorsPerFile = 20;

std::string joined(const std::vector<std::string> &texts)
{
    std::string result;
    for (const std::string &text : texts)
        result += (result.empty() ? "" : " ") + text;
    return result;
}

class SourceReader final
{
public:
    SourceReader(const CsvFile &file, const TableLayout &layout, std::vector<std::string> &errors)
        : m_file(file), m_layout(layout), m_errors(errors), m_firstError(errors.size())
    {
    }

    std::optional<SourceTable> read()
    {
        if (!readHeader())
            return std::nullopt;
        SourceTable table{&m_layout, m_file.displayName, {}};
        for (std::size_t i = 1; i < m_file.lines.size() && !tooManyErrors(); ++i)
            readRow(m_file.lines[i], table);
        if (m_errors.size() != m_firstError)
            return std::nullopt;
        return table;
    }

private:
    bool tooManyErrors() const { return m_errors.size() - m_firstError >= kMaxErrorsPerFile; }

    void fail(int line, std::size_t field, const std::string &reason)
    {
        std::ostringstream message;
        message << m_file.displayName << ':' << line;
        if (field != std::string::npos)
            message << ": column " << field + 1 << " \"" << m_header[field] << '"';
        message << ": " << reason;
        m_errors.push_back(message.str());
    }

    bool readHeader()
    {
        const CsvLine &header = m_file.lines.front();
        m_header = header.fields;
        bool ok = true;
        for (std::size_t field = 0; field < m_header.size(); ++field) {
            const int index = m_layout.columnIndex(m_header[field]);
            if (index < 0) {
                fail(header.number, field, "unknown column; " + m_layout.name + " has no such column");
                ok = false;
            } else if (std::find(m_columnOfField.begin(), m_columnOfField.end(), index) != m_columnOfField.end()) {
                fail(header.number, field, "the column appears twice");
                ok = false;
            }
            m_columnOfField.push_back(index);
        }
        for (std::size_t index = 0; index < m_layout.columns.size(); ++index) {
            if (std::find(m_columnOfField.begin(), m_columnOfField.end(), int(index)) == m_columnOfField.end()) {
                const ColumnLayout &column = m_layout.columns[index];
                const bool key = column.kind == ColumnKind::Pressure || column.kind == ColumnKind::Diameter;
                fail(header.number, std::string::npos,
                     std::string(key ? "missing key column \"" : "missing column \"") + column.name + '"');
                ok = false;
            }
        }
        return ok;
    }

    void readRow(const CsvLine &line, SourceTable &table)
    {
        if (line.fields.size() != m_header.size()) {
            const std::size_t missing = line.fields.size() < m_header.size() ? line.fields.size() : std::string::npos;
            fail(line.number, missing,
                 std::to_string(line.fields.size()) + (line.fields.size() == 1 ? " field" : " fields") +
                     ", but the header has " + std::to_string(m_header.size()));
            return;
        }
        SourceRow row{line.number, {}, 0, std::vector<SourceCell>(m_layout.columns.size())};
        bool ok = true;
        for (std::size_t field = 0; field < line.fields.size(); ++field)
            ok = readCell(line, field, row) && ok;
        if (ok)
            table.rows.push_back(std::move(row));
    }

    bool readCell(const CsvLine &line, std::size_t field, SourceRow &row)
    {
        const std::string &text = line.fields[field];
        const ColumnLayout &column = m_layout.columns[m_columnOfField[field]];
        SourceCell &cell = row.cells[m_columnOfField[field]];
        cell.text = text;
        if (column.kind == ColumnKind::Pressure) {
            if (!m_layout.offers(text)) {
                fail(line.number, field, "pressure \"" + text + "\" is not offered on " + m_layout.name +
                                             " (offered: " + joined(m_layout.offeredPressures) + ")");
                return false;
            }
            row.pressure = text;
            cell.present = true;
            return true;
        }
        if (text.empty()) {
            if (column.kind == ColumnKind::Diameter)
                fail(line.number, field, "the key value is empty");
            return column.kind != ColumnKind::Diameter;
        }
        if (column.kind == ColumnKind::Diameter || column.kind == ColumnKind::Count) {
            const std::optional<long long> whole = parseWholeNumber(text);
            if (!whole || *whole == 0) {
                fail(line.number, field, '"' + text + "\" is not a positive whole number");
                return false;
            }
            cell.number = double(*whole);
            if (column.kind == ColumnKind::Diameter)
                row.diameter = *whole;
        } else {
            const std::optional<double> number = parsePlainDecimal(text);
            if (!number) {
                fail(line.number, field, '"' + text + "\" is not a plain decimal number");
                return false;
            }
            cell.number = *number;
        }
        cell.present = true;
        return true;
    }

    const CsvFile &m_file;
    const TableLayout &m_layout;
    std::vector<std::string> &m_errors;
    const std::size_t m_firstError;
    std::vector<std::string> m_header;
    std::vector<int> m_columnOfField;
};

} // namespace

const SourceCell &SourceTable::cell(const SourceRow &row, std::string_view columnName) const
{
    static const SourceCell absent;
    const int index = layout->columnIndex(columnName);
    return index < 0 ? absent : row.cells[std::size_t(index)];
}

std::optional<SourceTable> readSourceTable(const CsvFile &file, const TableLayout &layout,
                                           std::vector<std::string> &errors)
{
    return SourceReader(file, layout, errors).read();
}

} // namespace vantelo::tools
