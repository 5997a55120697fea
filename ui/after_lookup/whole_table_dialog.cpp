#include "ui/after_lookup/whole_table_dialog.h"

#include "ui/after_lookup/whole_table_model.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QHeaderView>
#include <QLabel>
#include <QSortFilterProxyModel>
#include <QTableView>
#include <QVBoxLayout>

namespace vantelo::ui {

WholeTableDialog::WholeTableDialog(WholeTableModel *model, const QString &heading, const QString &currentDiameter,
                                   QWidget *parent)
    : QDialog(parent)
    , m_view(new QTableView(this))
{
    setObjectName(QStringLiteral("wholeTableDialog"));
    setWindowTitle(QStringLiteral("整表 - ") + heading);
    model->setParent(this);
    auto *sorted = new QSortFilterProxyModel(this);
    sorted->setSourceModel(model);
    sorted->setSortRole(WholeTableModel::kSortRole);

    m_view->setObjectName(QStringLiteral("wholeTableView"));
    m_view->setModel(sorted);
    // DN order, as read, until a header is clicked: enabling sorting sorts by
    // the indicated column, which on a large table would hold the window.
    m_view->horizontalHeader()->setSortIndicator(-1, Qt::AscendingOrder);
    m_view->setSortingEnabled(true);
    m_view->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_view->verticalHeader()->hide();
    m_view->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    m_view->setContextMenuPolicy(Qt::ActionsContextMenu);

    auto *copy = new QAction(QStringLiteral("复制"), m_view);
    copy->setObjectName(QStringLiteral("copySelectionAction"));
    copy->setShortcut(QKeySequence::Copy);
    copy->setShortcutContext(Qt::WidgetShortcut);
    connect(copy, &QAction::triggered, this, &WholeTableDialog::copySelection);
    m_view->addAction(copy);

    const int row = model->rowOfDiameter(currentDiameter);
    if (row >= 0) {
        m_view->selectRow(sorted->mapFromSource(model->index(row, 0)).row());
        m_view->scrollTo(m_view->currentIndex(), QAbstractItemView::PositionAtCenter);
    }

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(heading, this));
    if (!model->problem().isEmpty()) {
        auto *problem = new QLabel(model->problem(), this);
        problem->setObjectName(QStringLiteral("wholeTableProblem"));
        layout->addWidget(problem);
    }
    layout->addWidget(m_view);
    // A table that could not be read at all says so instead of showing no rows.
    m_view->setVisible(model->rowCount() > 0 || model->problem().isEmpty());
    resize(720, 480);
}

QString WholeTableDialog::selectedText() const
{
    return selectionAsTabSeparated(*m_view->model(), m_view->selectionModel()->selectedIndexes());
}

void WholeTableDialog::copySelection() const
{
    if (m_view->selectionModel()->hasSelection())
        QApplication::clipboard()->setText(selectedText());
}

} // namespace vantelo::ui
