#include "ui/after_lookup/whole_table_model.h"

#include "ui/after_lookup/value_origin_text.h"

#include "data/engine_guard.h"
#include "data/flange_columns.h"
#include "data/value_text.h"
#include "lookup/bolt_thread.h"
#include "lookup/found_flange.h"
#include "lookup/statements.h"

#include <QBrush>

#include <algorithm>
#include <cmath>
#include <memory>
#include <set>

namespace vantelo::ui {
namespace {

const QString kDiameterColumn = QString::fromUtf8(data::DiameterColumn);

// Rows read between two looks at the window: a few milliseconds' work.
constexpr std::size_t kBatchRows = 2000;

// A cell holding a tab, a line break or a quote is quoted, its quotes
// doubled, as spreadsheets read tab-separated text; any other cell is left as it is.
QString cellText(const QString &text)
{
    static const QString Special = QStringLiteral("\t\n\r\"");
    if (std::ranges::none_of(text, [](QChar c) { return Special.contains(c); }))
        return text;
    return QLatin1Char('"') + QString(text).replace(QLatin1Char('"'), QLatin1String("\"\"")) + QLatin1Char('"');
}

} // namespace

WholeTableModel::WholeTableModel(QStringList columns, std::vector<Row> rows, QObject *parent)
    : QAbstractTableModel(parent)
    , m_columns(std::move(columns))
    , m_rows(std::move(rows))
{
}

void WholeTableModel::addBolts(const QHash<QString, QString> &threads)
{
    if (threads.isEmpty())
        return;
    m_columns.append(QString::fromUtf8(lookup::BoltThreadColumn));
    for (Row &row : m_rows) {
        const auto thread = row.front() ? threads.constFind(*row.front()) : threads.constEnd();
        row.push_back(thread != threads.constEnd() ? std::optional(*thread) : std::nullopt);
    }
}

WholeTableModel *WholeTableModel::load(const lookup::StandardRecord &standard, const QString &pressure,
                                       const data::Connection &connection, const KeepGoing &keepGoing,
                                       QObject *parent)
{
    const QStringList dimensions = lookup::shownColumns(standard);
    auto model = std::make_unique<WholeTableModel>(QStringList{kDiameterColumn} + dimensions, std::vector<Row>{},
                                                   parent);
    if (!connection.isOpen()) {
        model->m_problem = connection.openError() == QLatin1String(data::TooLargeToCheck)
            ? QStringLiteral("数据文件太大，无法在限定时间内检查")
            : QStringLiteral("无法读取数据文件 FLDATA.mdb");
        return model.release();
    }
    const std::optional<QString> statement = lookup::tableStatement(standard, pressure);
    const std::unique_ptr<data::RowReader> reader = statement ? connection.read(*statement) : nullptr;
    std::optional<QString> lastDiameter;
    while (reader && !reader->atEnd()) {
        std::optional<data::ResultSet> batch = reader->next(kBatchRows);
        if (!batch) {
            if (!model->m_rows.empty())
                model->m_problem = QStringLiteral("只读出了前 %1 行：其余的行无法读取。").arg(model->m_rows.size());
            break;
        }
        for (; !batch->atEnd(); batch->moveNext()) {
            const std::optional<data::FieldValue> value = batch->field(kDiameterColumn);
            const double *number = value ? std::get_if<double>(&*value) : nullptr;
            const std::optional<QString> diameter =
                value && (!number || std::isfinite(*number)) ? data::fieldText(*value) : std::nullopt;
            // Rows of one DN stand together; the page's query finds the first.
            if (!diameter || diameter == lastDiameter || !lookup::dimensionStatement(standard, pressure, *diameter))
                continue;
            lastDiameter = diameter;
            if (qsizetype(model->m_rows.size()) == kMostRows) {
                model->m_problem = QStringLiteral("只列出了前 %1 行。").arg(kMostRows);
                model->addBolts(lookup::boltThreadsAt(connection, standard, pressure));
                return model.release();
            }
            Row row{diameter};
            for (const QString &column : dimensions) {
                const std::optional<data::FieldValue> field = batch->field(column);
                const std::optional<QString> text = field ? data::fieldText(*field) : std::nullopt;
                row.push_back(text && !text->isEmpty() ? text : std::nullopt);
            }
            model->m_rows.push_back(std::move(row));
        }
        if (keepGoing && !keepGoing(qsizetype(model->m_rows.size())))
            return nullptr;
    }
    model->addBolts(lookup::boltThreadsAt(connection, standard, pressure));
    return model.release();
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
        header.append(cellText(model.headerData(column, Qt::Horizontal).toString()));
    QString text = header.join(QLatin1Char('\t')) + QLatin1Char('\n');
    for (int row : rows) {
        QStringList cells;
        for (int column : columns) {
            const QModelIndex index = model.index(row, column);
            cells.append(selected.contains(index) ? cellText(index.data().toString()) : QString());
        }
        text += cells.join(QLatin1Char('\t')) + QLatin1Char('\n');
    }
    return text;
}

} // namespace vantelo::ui
