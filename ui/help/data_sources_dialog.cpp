#include "ui/help/data_sources_dialog.h"

#include "ui/help/data_coverage.h"
#include "ui/unreadable_data_file.h"

#include "data/side_tables.h"

#include <QHeaderView>
#include <QLabel>
#include <QTableWidget>
#include <QVBoxLayout>

namespace vantelo::ui {
namespace {

QTableWidget *tableOf(const char *name, const QStringList &headers, const std::vector<QStringList> &rows,
                      QWidget *parent)
{
    auto *table = new QTableWidget(int(rows.size()), int(headers.size()), parent);
    table->setObjectName(QLatin1String(name));
    table->setHorizontalHeaderLabels(headers);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->verticalHeader()->hide();
    table->horizontalHeader()->setStretchLastSection(true);
    table->setWordWrap(true);
    for (int row = 0; row < int(rows.size()); ++row) {
        for (int column = 0; column < rows[std::size_t(row)].size(); ++column)
            table->setItem(row, column, new QTableWidgetItem(rows[std::size_t(row)][column]));
    }
    table->resizeColumnsToContents();
    table->resizeRowsToContents();
    return table;
}

} // namespace

DataSourcesDialog::DataSourcesDialog(const data::Connection &connection, QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("dataSourcesDialog"));
    setWindowTitle(QStringLiteral("数据来源"));
    auto *layout = new QVBoxLayout(this);
    const std::optional<std::vector<TableCoverage>> coverage = dataCoverage(connection);
    if (!coverage) {
        layout->addWidget(new QLabel(unreadableDataFileText(), this));
        return;
    }

    std::vector<QStringList> sourceRows;
    for (const SourceReference &source : sourceReferences(connection))
        sourceRows.push_back({source.system == QLatin1String(data::AmericanSystem)   ? QStringLiteral("美洲体系")
                                  : source.system == QLatin1String(data::EuropeanSystem) ? QStringLiteral("欧洲体系")
                                                                                         : source.system,
                              source.id, source.reference});
    layout->addWidget(new QLabel(sourceRows.empty() ? QStringLiteral("数据文件未记录来源。")
                                                    : QStringLiteral("公开资料（工具提示中的编号）："),
                                 this));
    QTableWidget *sources = tableOf("sourcesTable", {QStringLiteral("体系"), QStringLiteral("编号"), QStringLiteral("出处")},
                                    sourceRows, this);
    sources->setColumnWidth(2, 520);
    sources->resizeRowsToContents();
    layout->addWidget(sources, 2);

    std::vector<QStringList> coverageRows;
    for (const TableCoverage &table : *coverage)
        coverageRows.push_back({table.standard, QString::number(table.rows), QString::number(table.knownCells),
                                QString::number(table.gaps)});
    layout->addWidget(new QLabel(QStringLiteral("各表覆盖情况（页面显示的尺寸；空缺为公开资料中未找到的值）："), this));
    layout->addWidget(tableOf("coverageTable",
                              {QStringLiteral("标准"), QStringLiteral("行数"), QStringLiteral("已知值"),
                               QStringLiteral("空缺")},
                              coverageRows, this),
                      1);
    resize(760, 560);
}

} // namespace vantelo::ui
