#pragma once

#include <QAccessibleWidget>
#include <QHash>

namespace vantelo::ui {

class TabStrip;

// The tab strip as a page-tab list; its children are the tabs, created on
// first request and kept until the strip's interface goes.
class TabStripAccessible final : public QAccessibleWidget
{
public:
    explicit TabStripAccessible(TabStrip *strip);
    ~TabStripAccessible() override;

    int childCount() const override;
    QAccessibleInterface *child(int index) const override;
    int indexOfChild(const QAccessibleInterface *child) const override;
    QAccessibleInterface *childAt(int x, int y) const override;

private:
    TabStrip *strip() const;

    mutable QHash<int, QAccessible::Id> m_tabs;
};

} // namespace vantelo::ui
