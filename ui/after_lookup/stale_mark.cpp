#include "ui/after_lookup/stale_mark.h"

#include "lookup/pressure_texts.h"

#include <QPalette>
#include <QWidget>

namespace vantelo::ui {

void markStale(QWidget &label, bool stale)
{
    QPalette palette = label.palette();
    // Grey still reads on the white label, but no longer as a current value.
    const QColor colour = stale ? QColor(0x80, 0x80, 0x80) : label.parentWidget() != nullptr
            ? label.parentWidget()->palette().color(label.foregroundRole())
            : QColor(Qt::black);
    palette.setColor(QPalette::Active, label.foregroundRole(), colour);
    palette.setColor(QPalette::Inactive, label.foregroundRole(), colour);
    label.setPalette(palette);
}

QString staleToolTip(const lookup::FoundFlange &flange)
{
    const QString kind = lookup::pressureKind(*flange.standard);
    const QString pressure = flange.standard->system() == lookup::FlangeSystem::European
        ? kind + flange.pressure
        : kind + u' ' + flange.pressure;
    return QStringLiteral("显示的是 %1 DN%2 的尺寸；请按查询").arg(pressure, flange.diameter);
}

} // namespace vantelo::ui
