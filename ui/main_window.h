#pragma once

#include "ui/page_handles.h"

#include <QWidget>

#include <span>
#include <vector>

namespace vantelo::ui {

class TabControl;

// The program's one window: a fixed-size client area holding only the tab
// control "SSTab1" with the seven standards' pages and an empty eighth tab.
// It holds no data logic; it hands each standard's controls to the page
// objects that tie them to the lookups.
class Form1 final : public QWidget
{
    Q_OBJECT

public:
    explicit Form1(QWidget *parent = nullptr);

    TabControl *tabControl() const { return m_tabs; }
    // The seven standards' pages, in tab order.
    std::span<const PageHandles> pages() const { return m_pages; }

private:
    TabControl *m_tabs;
    std::vector<PageHandles> m_pages;
};

} // namespace vantelo::ui
