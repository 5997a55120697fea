#pragma once

#include "lookup/flange_standard.h"

#include "data/connection.h"

#include <QAbstractTableModel>
#include <QStringList>

#include <optional>
#include <vector>

namespace vantelo::ui {

// A standard's table at one pressure: one row per DN, the DN first and then
// the columns its page shows, and the bolts' thread where the file gives it. An unknown value is an empty cell on a hatched
// ground, so it never reads as zero. Sorting goes by number (role kSortRole),
// unknown values last.
class WholeTableModel final : public QAbstractTableModel
{
    Q_OBJECT

public:
    static constexpr int kSortRole = Qt::UserRole;
    using Row = std::vector<std::optional<QString>>;

    WholeTableModel(QStringList columns, std::vector<Row> rows, QObject *parent = nullptr);

    // Reads, through the page's own lookups, the row of every diameter the
    // page lists at pressure (the text its statements use). A diameter whose
    // row cannot be read is left out; a failed list gives no rows.
    static WholeTableModel *load(const lookup::FlangeStandard &standard, const QString &pressure,
                                 const data::Connection &connection, QObject *parent = nullptr);

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

    // The row whose DN reads diameter, or -1.
    int rowOfDiameter(const QString &diameter) const;

private:
    QStringList m_columns;
    std::vector<Row> m_rows;
};

// The selected cells as tab-separated text: a line of column headers, then
// one line per selected row, both in the order the view shows them.
QString selectionAsTabSeparated(const QAbstractItemModel &model, const QModelIndexList &selected);

} // namespace vantelo::ui
