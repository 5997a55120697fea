#include "ui/program_icon.h"

#include <QPainter>
#include <QPixmap>
#include <QSvgRenderer>

namespace vantelo::ui {
namespace {

// Rendered here rather than through Qt's SVG icon engine: that engine keeps
// one SVG per mode and state, so the 16-px artwork would give way to the
// 32-px one, and it reports no sizes.
QPixmap renderIcon(const QString &resource, int size)
{
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QSvgRenderer renderer(resource);
    if (renderer.isValid()) {
        QPainter painter(&pixmap);
        renderer.render(&painter, QRectF(0, 0, size, size));
    }
    return pixmap;
}

} // namespace

QIcon programIcon()
{
    QIcon icon;
    icon.addPixmap(renderIcon(QStringLiteral(":/icons/program16.svg"), 16));
    icon.addPixmap(renderIcon(QStringLiteral(":/icons/program32.svg"), 32));
    return icon;
}

} // namespace vantelo::ui
