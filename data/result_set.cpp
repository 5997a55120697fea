#include "result_set.h"

namespace vantelo::data {

namespace {

// Column names match regardless of the case of their Latin letters, as the
// engines match them; other letters match only as they are.
QString foldCase(const QString &name)
{
    QString folded = name;
    for (QChar &c : folded) {
        if (c >= QLatin1Char('A') && c <= QLatin1Char('Z'))
            c = QChar(c.unicode() - 'A' + 'a');
    }
    return folded;
}

} // namespace

ResultSet::ResultSet(std::vector<QString> columns, std::vector<std::vector<FieldValue>> rows)
    : m_rows(std::move(rows))
{
    // Two columns of one name: the first one answers, as by-name lookup did.
    for (std::size_t index = 0; index < columns.size(); ++index) {
        const QString key = foldCase(columns[index]);
        if (!m_columnIndex.contains(key)) {
            m_columnIndex.insert(key, index);
            m_columns.push_back(columns[index]);
        }
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
    const auto found = m_columnIndex.constFind(foldCase(column));
    if (found == m_columnIndex.constEnd())
        return std::nullopt;
    const std::vector<FieldValue> &row = m_rows[m_position];
    if (*found >= row.size())
        return std::nullopt;
    return row[*found];
}

} // namespace vantelo::data
