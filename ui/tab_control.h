#pragma once

#include <QWidget>

class QStackedWidget;

namespace vantelo::ui {

class TabStrip;

// The window's tabbed dialog: a two-row tab strip over a stack of pages.
// Every page covers the whole control, tab rows included, so that a control
// placed on a page at (x, y) stands at (x, y) of the tab control; the strip
// lies on top of the pages. Switching tabs only changes which page shows.
// Tabs are counted from 0.
class TabControl final : public QWidget
{
    Q_OBJECT

public:
    explicit TabControl(QWidget *parent = nullptr);

    // Appends a tab and returns its empty page (objectName "<name>Page<n>", n from 1).
    QWidget *addTab(const QString &caption);

    int tabCount() const;
    int currentTab() const;
    void setCurrentTab(int index);
    QString tabCaption(int index) const;
    QWidget *page(int index) const;
    TabStrip *tabStrip() const { return m_strip; }

signals:
    void currentTabChanged(int index);

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    TabStrip *m_strip;
    QStackedWidget *m_pages;
};

} // namespace vantelo::ui
