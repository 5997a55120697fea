#include "ui/accessibility.h"

#include "ui/caption_label.h"
#include "ui/tab_strip.h"
#include "ui/tab_strip_accessible.h"

#include <QAccessibleWidget>

namespace vantelo::ui {
namespace {

// A page label: its name is its accessible name when it has one (a result
// label's dimension), else its caption; its value is the caption shown.
class CaptionLabelAccessible final : public QAccessibleWidget
{
public:
    explicit CaptionLabelAccessible(CaptionLabel *label)
        : QAccessibleWidget(label, QAccessible::StaticText)
    {
    }

    QString text(QAccessible::Text t) const override
    {
        const auto *label = static_cast<const CaptionLabel *>(widget());
        if (t == QAccessible::Value || (t == QAccessible::Name && label->accessibleName().isEmpty()))
            return label->caption();
        return QAccessibleWidget::text(t);
    }
};

QAccessibleInterface *pageControlsFactory(const QString &className, QObject *object)
{
    if (className == QLatin1String(TabStrip::staticMetaObject.className()))
        return new TabStripAccessible(static_cast<TabStrip *>(object));
    if (className == QLatin1String(CaptionLabel::staticMetaObject.className()))
        return new CaptionLabelAccessible(static_cast<CaptionLabel *>(object));
    return nullptr;
}

} // namespace

void installAccessibility()
{
    static const bool installed = [] {
        QAccessible::installFactory(pageControlsFactory);
        return true;
    }();
    Q_UNUSED(installed);
}

} // namespace vantelo::ui
