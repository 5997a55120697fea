#pragma once

#include "data/connection.h"

#include <QObject>
#include <QPointer>

#include <vector>

class QAction;
class QMenu;
class QWidget;

namespace vantelo::ui {

class PageAfterLookup;
class StandardPage;
class TabControl;

// The window's commands for the flange on the current page: 复制尺寸 (Ctrl+C),
// 查看整表… (Ctrl+T), 导出图纸… (Ctrl+E) and 打印… (Ctrl+P), as window-wide
// shortcuts and in a context menu on every page, built when first asked for;
// Shift+F10 and the Menu key open the menu wherever the focus is, and Ctrl+Q
// closes the window. Copying, export and printing wait for the page's first
// query that finds its row; without a readable data file they say so.
class AfterLookupActions final : public QObject
{
    Q_OBJECT

public:
    // Ties the actions to the standards' pages of the window's tab control.
    AfterLookupActions(QWidget &window, TabControl &tabs, const std::vector<StandardPage *> &pages,
                       const data::Connection &connection);

    PageAfterLookup *currentPage() const;
    const std::vector<PageAfterLookup *> &pages() const { return m_pages; }
    QAction *copyAction() const { return m_copy; }
    QAction *wholeTableAction() const { return m_wholeTable; }
    QAction *exportAction() const { return m_export; }
    QAction *printAction() const { return m_print; }
    QMenu *contextMenu();
    // Opens the context menu of the current page at the focused control.
    void popUpContextMenu();

    void copyDimensions() const;
    void showWholeTable();

private:
    QAction *addAction(const char *name, const QString &text, const QKeySequence &key);
    void updateEnabled();
    bool dataFileReadable(const QAction *command) const;

    QWidget &m_window;
    TabControl &m_tabs;
    const data::Connection &m_connection;
    std::vector<PageAfterLookup *> m_pages; // by tab; null for a tab without a standard
    QAction *m_copy;
    QAction *m_wholeTable;
    QAction *m_export;
    QAction *m_print;
    QPointer<QMenu> m_menu;
};

// Attaches the commands to a loaded window holding the tab control "SSTab1"
// and its page objects; nullptr when there is no tab control.
AfterLookupActions *attachAfterLookup(QWidget &window, const std::vector<StandardPage *> &pages,
                                      const data::Connection &connection);

} // namespace vantelo::ui
