#include "ui/main_window.h"

#include "ui/accessibility.h"
#include "ui/light_page.h"
#include "ui/page_builder.h"
#include "ui/program_icon.h"
#include "ui/tab_control.h"
#include "ui/tab_shortcuts.h"
#include "ui/tab_strip.h"
#include "ui/window_fonts.h"

#include "lookup/standards.h"

namespace vantelo::ui {
namespace {

constexpr QSize kClientSize(474, 359);
constexpr QRect kTabControlGeometry(0, 0, 473, 357);
constexpr int kOpeningTab = 6; // "HG20618"

} // namespace

Form1::Form1(QWidget *parent)
    : QWidget(parent)
    , m_tabs(nullptr)
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Vantelo"));
    setWindowIcon(programIcon());
    setFont(windowFont());
    setFixedSize(kClientSize);
    installAccessibility();

    m_tabs = new TabControl(this);
    m_tabs->setObjectName(QStringLiteral("SSTab1"));
    m_tabs->setGeometry(kTabControlGeometry);
    keepLightLook(*m_tabs);

    // Focus runs from the tab strip through each page's lists and button, in
    // tab order; controls of hidden pages are skipped by Qt.
    QWidget *previous = m_tabs->tabStrip();
    for (const lookup::StandardRecord &record : lookup::StandardRecords) {
        BuiltPage built = buildPage(m_tabs->addTab(QString::fromUtf8(record.caption)), record);
        for (QWidget *stop : built.focusOrder) {
            setTabOrder(previous, stop);
            previous = stop;
        }
        queryOnReturn(built.focusOrder);
        m_pages.push_back(std::move(built.handles));
    }
    // The eighth tab keeps its default caption and stays empty.
    m_tabs->addTab(QStringLiteral("Tab 7"));
    m_tabs->setCurrentTab(kOpeningTab);
    addTabShortcuts(*this, *m_tabs);
}

} // namespace vantelo::ui
