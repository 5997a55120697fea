#include "ui/tab_strip_accessible.h"

#include "ui/tab_strip.h"

#include <QPointer>

namespace vantelo::ui {
namespace {

// One tab of the strip: named by its caption, selected while current, and
// pressed to make it current.
class PageTabAccessible final : public QAccessibleInterface, public QAccessibleActionInterface
{
public:
    PageTabAccessible(TabStrip *strip, int index)
        : m_strip(strip)
        , m_index(index)
    {
    }

    bool isValid() const override { return m_strip && m_index < m_strip->count(); }
    QObject *object() const override { return nullptr; }
    QWindow *window() const override { return parent() ? parent()->window() : nullptr; }
    QAccessibleInterface *parent() const override { return QAccessible::queryAccessibleInterface(m_strip.data()); }
    QAccessibleInterface *child(int) const override { return nullptr; }
    QAccessibleInterface *childAt(int, int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface *) const override { return -1; }
    QAccessible::Role role() const override { return QAccessible::PageTab; }
    void setText(QAccessible::Text, const QString &) override {}

    QString text(QAccessible::Text t) const override
    {
        return t == QAccessible::Name && isValid() ? m_strip->caption(m_index) : QString();
    }

    QAccessible::State state() const override
    {
        QAccessible::State s;
        if (!isValid()) {
            s.invalid = true;
            return s;
        }
        const bool current = m_strip->currentIndex() == m_index;
        s.selectable = true;
        s.selected = current;
        s.focusable = true;
        s.focused = current && m_strip->hasFocus();
        s.invisible = !m_strip->isVisible();
        return s;
    }

    QRect rect() const override
    {
        if (!isValid())
            return {};
        const QRect r = m_strip->tabRect(m_index);
        return {m_strip->mapToGlobal(r.topLeft()), r.size()};
    }

    void *interface_cast(QAccessible::InterfaceType type) override
    {
        return type == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface *>(this) : nullptr;
    }

    QStringList actionNames() const override { return {pressAction()}; }
    QStringList keyBindingsForAction(const QString &) const override { return {}; }
    void doAction(const QString &name) override
    {
        if (name == pressAction() && isValid())
            m_strip->setCurrentIndex(m_index);
    }

private:
    QPointer<TabStrip> m_strip;
    int m_index;
};

} // namespace

TabStripAccessible::TabStripAccessible(TabStrip *strip)
    : QAccessibleWidget(strip, QAccessible::PageTabList)
{
    // Tell a screen reader which tab became current.
    QObject::connect(strip, &TabStrip::currentIndexChanged, strip, [strip](int index) {
        QAccessibleEvent event(strip, QAccessible::Selection);
        event.setChild(index);
        QAccessible::updateAccessibility(&event);
    });
}

TabStripAccessible::~TabStripAccessible()
{
    for (QAccessible::Id id : std::as_const(m_tabs))
        QAccessible::deleteAccessibleInterface(id);
}

TabStrip *TabStripAccessible::strip() const
{
    return static_cast<TabStrip *>(widget());
}

int TabStripAccessible::childCount() const
{
    return strip()->count();
}

QAccessibleInterface *TabStripAccessible::child(int index) const
{
    if (index < 0 || index >= childCount())
        return nullptr;
    if (const auto known = m_tabs.constFind(index); known != m_tabs.cend())
        return QAccessible::accessibleInterface(*known);
    auto *tab = new PageTabAccessible(strip(), index);
    m_tabs.insert(index, QAccessible::registerAccessibleInterface(tab));
    return tab;
}

int TabStripAccessible::indexOfChild(const QAccessibleInterface *child) const
{
    for (auto it = m_tabs.cbegin(); it != m_tabs.cend(); ++it) {
        if (QAccessible::accessibleInterface(it.value()) == child)
            return it.key();
    }
    return -1;
}

QAccessibleInterface *TabStripAccessible::childAt(int x, int y) const
{
    const int index = strip()->tabAt(strip()->mapFromGlobal(QPoint(x, y)));
    return index >= 0 ? child(index) : nullptr;
}

} // namespace vantelo::ui
