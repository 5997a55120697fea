#include "ui/after_lookup/after_lookup_actions.h"

#include "ui/after_lookup/drawing_export.h"
#include "ui/after_lookup/drawing_sheet.h"
#include "ui/after_lookup/flange_clipboard.h"
#include "ui/after_lookup/page_after_lookup.h"
#include "ui/after_lookup/whole_table_dialog.h"
#include "ui/standard_page.h"
#include "ui/tab_control.h"
#include "ui/unreadable_data_file.h"
#include "ui/window_command.h"

#include "lookup/standards.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QMenu>

#include <utility>

namespace vantelo::ui {

AfterLookupActions::AfterLookupActions(QWidget &window, TabControl &tabs, const std::vector<StandardPage *> &pages,
                                       const data::Connection &connection)
    : QObject(&window)
    , m_window(window)
    , m_tabs(tabs)
    , m_connection(connection)
    , m_copy(addAction("copyDimensionsAction", QStringLiteral("复制尺寸"), QKeySequence::Copy))
    , m_wholeTable(addAction("wholeTableAction", QStringLiteral("查看整表…"), QKeySequence(Qt::CTRL | Qt::Key_T)))
    , m_export(addAction("exportDrawingAction", QStringLiteral("导出图纸…"), QKeySequence(Qt::CTRL | Qt::Key_E)))
    , m_print(addAction("printDrawingAction", QStringLiteral("打印…"), QKeySequence::Print))
{
    QAction *menuKey = addAction("contextMenuAction", QStringLiteral("页面菜单"), QKeySequence(Qt::SHIFT | Qt::Key_F10));
    menuKey->setShortcuts({QKeySequence(Qt::SHIFT | Qt::Key_F10), QKeySequence(Qt::Key_Menu)});
    connect(menuKey, &QAction::triggered, this, &AfterLookupActions::popUpContextMenu);
    QAction *close = addAction("closeWindowAction", QStringLiteral("关闭"), QKeySequence(Qt::CTRL | Qt::Key_Q));
    connect(close, &QAction::triggered, &m_window, &QWidget::close);

    m_pages.assign(std::size_t(tabs.tabCount()), nullptr);
    for (const StandardPage *source : pages) {
        const int index = lookup::tabOf(source->standard()) - 1;
        QWidget *page = tabs.page(index);
        if (page == nullptr)
            continue;
        auto *afterLookup = new PageAfterLookup(*source, *page, connection, this);
        m_pages[std::size_t(index)] = afterLookup;
        connect(afterLookup, &PageAfterLookup::foundChanged, this, &AfterLookupActions::updateEnabled);
        page->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(page, &QWidget::customContextMenuRequested, this,
                [this, page](const QPoint &at) { contextMenu()->popup(page->mapToGlobal(at)); });
    }
    connect(&tabs, &TabControl::currentTabChanged, this, &AfterLookupActions::updateEnabled);

    connect(m_copy, &QAction::triggered, this, &AfterLookupActions::copyDimensions);
    connect(m_wholeTable, &QAction::triggered, this, &AfterLookupActions::showWholeTable);
    connect(m_export, &QAction::triggered, this, [this] {
        PageAfterLookup *page = currentPage();
        if (page != nullptr && dataFileReadable(m_export) && page->found())
            exportDrawingWithDialog(page->sheet(), page->suggestedFileName(), &m_window);
    });
    connect(m_print, &QAction::triggered, this, [this] {
        PageAfterLookup *page = currentPage();
        if (page != nullptr && dataFileReadable(m_print) && page->found())
            printDrawingWithDialog(page->sheet(), &m_window);
    });
    updateEnabled();
}

QAction *AfterLookupActions::addAction(const char *name, const QString &text, const QKeySequence &key)
{
    return addWindowCommand(m_window, name, text, key, this);
}

PageAfterLookup *AfterLookupActions::currentPage() const
{
    const int index = m_tabs.currentTab();
    return index >= 0 && index < int(m_pages.size()) ? m_pages[std::size_t(index)] : nullptr;
}

void AfterLookupActions::updateEnabled()
{
    const PageAfterLookup *page = currentPage();
    // Without a data file no query can find a row; the commands stay open to say why.
    const bool found = page != nullptr && (page->found().has_value() || !m_connection.isOpen());
    m_copy->setEnabled(found);
    m_export->setEnabled(found);
    m_print->setEnabled(found);
    m_wholeTable->setEnabled(page != nullptr);
}

QMenu *AfterLookupActions::contextMenu()
{
    if (m_menu)
        return m_menu;
    m_menu = new QMenu(&m_window);
    m_menu->setObjectName(QStringLiteral("pageContextMenu"));
    m_menu->addAction(m_copy);
    m_menu->addAction(m_wholeTable);
    m_menu->addSeparator();
    m_menu->addAction(m_export);
    m_menu->addAction(m_print);
    // Identifying a flange, choosing its class, help and About live on the
    // window when they are there.
    for (const QStringList &group : {QStringList{QStringLiteral("identifyAction"), QStringLiteral("ratingAction")},
                                     QStringList{QStringLiteral("helpAction"), QStringLiteral("aboutAction")}}) {
        bool separated = false;
        for (const QString &name : group) {
            if (auto *action = m_window.findChild<QAction *>(name)) {
                if (!std::exchange(separated, true))
                    m_menu->addSeparator();
                m_menu->addAction(action);
            }
        }
    }
    return m_menu;
}

void AfterLookupActions::popUpContextMenu()
{
    QWidget *page = currentPage() != nullptr ? currentPage()->page() : nullptr;
    if (page == nullptr)
        return;
    const QWidget *focus = QApplication::focusWidget();
    const bool onPage = focus != nullptr && page->isAncestorOf(focus);
    contextMenu()->popup(onPage ? focus->mapToGlobal(QPoint(0, focus->height())) : page->mapToGlobal(QPoint(8, 8)));
}

bool AfterLookupActions::dataFileReadable(const QAction *command) const
{
    if (m_connection.isOpen())
        return true;
    QString title = command->text();
    tellDataFileUnreadable(&m_window, title.remove(QStringLiteral("…")));
    return false;
}

void AfterLookupActions::copyDimensions() const
{
    const PageAfterLookup *page = currentPage();
    if (page != nullptr && dataFileReadable(m_copy) && page->found())
        QApplication::clipboard()->setMimeData(flangeMimeData(*page->found()));
}

void AfterLookupActions::showWholeTable()
{
    if (PageAfterLookup *page = currentPage()) {
        WholeTableDialog *dialog = page->makeWholeTableDialog(&m_window);
        if (dialog == nullptr)
            return;
        dialog->setAttribute(Qt::WA_DeleteOnClose);
        dialog->show();
    }
}

AfterLookupActions *attachAfterLookup(QWidget &window, const std::vector<StandardPage *> &pages,
                                      const data::Connection &connection)
{
    auto *tabs = window.findChild<TabControl *>(QStringLiteral("SSTab1"));
    return tabs != nullptr ? new AfterLookupActions(window, *tabs, pages, connection) : nullptr;
}

} // namespace vantelo::ui
