#include "ui/after_lookup/whole_table_model.h"

#include "ui/after_lookup/found_flange.h"
#include "ui/after_lookup/value_origin_text.h"

#include "data/flange_columns.h"
#include "lookup/bolt_thread.h"
#include "lookup/diameter_list.h"
#include "lookup/dimension_query.h"

#include <QBrush>

#include <algorithm>
#include <set>

namespace vantelo::ui {
namespace {

const QString kDiameterColumn = QString::fromUtf8(data::DiameterColumn);

} // namespace

WholeTableModel::WholeTableModel(QStringList columns, std::vector<Row> rows, QObject *parent)
    : QAbstractTableModel(parent)
    , m_columns(std::move(columns))
    , m_rows(std::move(rows))
{
}

WholeTableModel *WholeTableModel::load(const lookup::FlangeStandard &standard, const QString &pressure,
                                       const data::Connection &connection, QObject *parent)
{
    // Every diameter the page would list, each read as its query reads it.
    const QStringList dimensions = shownColumns(standard);
    std::vector<Row> rows;
    bool anyBolts = false;
    for (const QString &diameter : lookup::diameterEntries(standard, pressure, connection)) {
        const std::optional<lookup::QueriedRow> queried = lookup::DimensionQuery(standard, pressure, diameter, connection);
        if (!queried)
            continue;
        Row row{diameter};
        for (const QString &column : dimensions)
            row.push_back(valueIn(queried->values, column));
        const std::optional<lookup::BoltThread> bolts = lookup::boltThread(connection, *standard.record, pressure, diameter);
        row.push_back(bolts ? std::optional(bolts->thread) : std::nullopt);
        anyBolts = anyBolts || bolts;
        rows.push_back(std::move(row));
    }
    QStringList columns = QStringList{kDiameterColumn} + dimensions;
    // A data file without bolts shows the table as it always has.
    if (anyBolts)
        columns.append(QString::fromUtf8(lookup::BoltThreadColumn));
    else
        std::ranges::for_each(rows, [](Row &row) { row.pop_back(); });
    return new WholeTableModel(columns, std::move(rows), parent);
}

int WholeTableModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_rows.size());
}

int WholeTableModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_columns.size());
}

QVariant WholeTableModel::data(const QModelIndex &index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid))
        return {};
    const std::optional<QString> &value = m_rows[index.row()][index.column()];
    switch (role) {
    case Qt::DisplayRole:
        return value.value_or(QString());
    case kSortRole: {
        bool ok = false;
        const double number = value ? value->toDouble(&ok) : 0.0;
        return ok ? QVariant(number) : QVariant(value ? QVariant(*value) : QVariant());
    }
    case Qt::TextAlignmentRole:
        return int(Qt::AlignRight | Qt::AlignVCenter);
    case Qt::BackgroundRole:
        return value ? QVariant() : QVariant(QBrush(Qt::gray, Qt::BDiagPattern));
    case Qt::ToolTipRole:
        return value ? QVariant() : QVariant(unknownValueText());
    default:
        return {};
    }
}

QVariant WholeTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole && section >= 0 && section < m_columns.size())
        return m_columns.at(section);
    return QAbstractTableModel::headerData(section, orientation, role);
}

int WholeTableModel::rowOfDiameter(const QString &diameter) const
{
    const auto found = std::ranges::find_if(m_rows, [&](const Row &row) { return row.front() == diameter; });
    return found == m_rows.end() ? -1 : int(found - m_rows.begin());
}

QString selectionAsTabSeparated(const QAbstractItemModel &model, const QModelIndexList &selected)
{
    std::set<int> rows;
    std::set<int> columns;
    for (const QModelIndex &index : selected) {
        rows.insert(index.row());
        columns.insert(index.column());
    }
    QStringList header;
    for (int column : columns)
        header.append(model.headerData(column, Qt::Horizontal).toString());
    QString text = header.join(QLatin1Char('\t')) + QLatin1Char('\n');
    for (int row : rows) {
        QStringList cells;
        for (int column : columns) {
            const QModelIndex index = model.index(row, column);
            cells.append(selected.contains(index) ? index.data().toString() : QString());
        }
        text += cells.join(QLatin1Char('\t')) + QLatin1Char('\n');
    }
    return text;
}

} // namespace vantelo::ui
