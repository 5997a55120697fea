#include "result_set.h"

namespace vantelo::data {

ResultSet::ResultSet(std::vector<QString> columns, std::vector<std::vector<FieldValue>> rows)
    : m_columns(std::move(columns))
    , m_rows(std::move(rows))
{
    // Two columns of one name: the first one answers, as by-name lookup did.
    for (std::size_t index = 0; index < m_columns.size(); ++index) {
        if (!m_columnIndex.contains(m_columns[index]))
            m_columnIndex.insert(m_columns[index], index);
    }
}

bool ResultSet::atEnd() const
{
    return m_position >= m_rows.size();
}

void ResultSet::moveNext()
{
    if (!atEnd())
        ++m_position;
}

std::size_t ResultSet::rowCount() const
{
    return m_rows.size();
}

std::optional<FieldValue> ResultSet::field(const QString &column) const
{
    if (atEnd())
        return std::nullopt;
    const auto found = m_columnIndex.constFind(column);
    if (found == m_columnIndex.constEnd())
        return std::nullopt;
    const std::vector<FieldValue> &row = m_rows[m_position];
    if (*found >= row.size())
        return std::nullopt;
    return row[*found];
}

} // namespace vantelo::data
