#include "ui/main_window.h"

#include "ui/accessibility.h"
#include "ui/light_page.h"
#include "ui/page_builder.h"
#include "ui/tab_pages.h"
#include "ui/program_icon.h"
#include "ui/tab_control.h"
#include "ui/tab_shortcuts.h"
#include "ui/tab_strip.h"
#include "ui/window_fonts.h"

#include <QtGlobal>

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
    const std::span<const lookup::FlangeStandard> standards = lookup::flangeStandards();
    for (std::size_t i = 0; i < tabPages().size(); ++i) {
        const TabPageSpec &tab = tabPages()[i];
        const lookup::FlangeStandard *standard = i < standards.size() ? &standards[i] : nullptr;
        BuiltPage built = buildPage(m_tabs->addTab(QString::fromUtf8(tab.caption)), tab.controls, standard);
        for (QWidget *stop : built.focusOrder) {
            setTabOrder(previous, stop);
            previous = stop;
        }
        queryOnReturn(built.focusOrder);
        if (standard == nullptr)
            continue;
        // A standard naming a control its page lacks is a fault of the program.
        if (!built.handles.unbound.isEmpty())
            qCritical("page %s lacks %s", tab.caption, qPrintable(built.handles.unbound.join(u' ')));
        Q_ASSERT(built.handles.unbound.isEmpty());
        m_pages.push_back(std::move(built.handles));
    }
    m_tabs->setCurrentTab(kOpeningTab);
    addTabShortcuts(*this, *m_tabs);
}

} // namespace vantelo::ui
