#pragma once

#include "lookup/standard_record.h"

#include "data/connection.h"

#include <QAbstractTableModel>
#include <QHash>
#include <QStringList>

#include <functional>
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

    // Told the rows read so far between batches; false stops the reading.
    using KeepGoing = std::function<bool(qsizetype rowsRead)>;
    static constexpr qsizetype kMostRows = 150000;

    // Reads the table at pressure (the text its statements use) with one
    // statement ordered by DN, a batch at a time, and keeps for every DN the
    // page's query could ask for the row that query would find first. A
    // failed statement gives no rows; an unopened data file gives a problem
    // instead. nullptr when keepGoing stopped the reading.
    static WholeTableModel *load(const lookup::StandardRecord &standard, const QString &pressure,
                                 const data::Connection &connection, const KeepGoing &keepGoing = {},
                                 QObject *parent = nullptr);

    // What stands in the way of the table, or what it lacks: empty when
    // every row was read.
    QString problem() const { return m_problem; }

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

    // The row whose DN reads diameter, or -1.
    int rowOfDiameter(const QString &diameter) const;

private:
    // A column of the bolt threads by DN; a data file without bolts shows
    // the table as it always has.
    void addBolts(const QHash<QString, QString> &threads);

    QStringList m_columns;
    std::vector<Row> m_rows;
    QString m_problem;
};

// The selected cells as tab-separated text: a line of column headers, then
// one line per selected row, both in the order the view shows them; a cell
// holding a tab, a line break or a quote is quoted as spreadsheets expect.
QString selectionAsTabSeparated(const QAbstractItemModel &model, const QModelIndexList &selected);

} // namespace vantelo::ui
