#pragma once

#include "field_value.h"

#include <QHash>
#include <QString>

#include <cstddef>
#include <optional>
#include <vector>

namespace vantelo::data {

// A fully fetched, read-only result (a client-side static cursor): it stands
// on the first row after opening, or at the end when there is none.
class ResultSet final
{
public:
    ResultSet() = default;
    ResultSet(std::vector<QString> columns, std::vector<std::vector<FieldValue>> rows);

    bool atEnd() const;
    void moveNext();
    std::size_t rowCount() const;
    // The column names, each once in any letter case, in the order the
    // statement delivers them.
    const std::vector<QString> &columns() const { return m_columns; }

    // The value of a column of the current row, by column name in any case.
    // std::nullopt when there is no current row or no such column.
    std::optional<FieldValue> field(const QString &column) const;

private:
    std::vector<QString> m_columns;
    QHash<QString, std::size_t> m_columnIndex;
    std::vector<std::vector<FieldValue>> m_rows;
    std::size_t m_position = 0;
};

} // namespace vantelo::data
