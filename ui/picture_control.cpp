#include "picture_control.h"

#include <QPainter>
#include <QSvgRenderer>

namespace vantelo::ui {

PictureControl::PictureControl(const QString &resourcePath, QSize storedSize, Fit fit, QWidget *parent)
    : QWidget(parent)
    , m_resourcePath(resourcePath)
    , m_storedSize(storedSize)
    , m_fit(fit)
    , m_renderer(new QSvgRenderer(resourcePath, this))
{
    // Stretched pictures keep their design aspect; the SVG is drawn into the
    // whole control so x and y scale independently.
    m_renderer->setAspectRatioMode(Qt::IgnoreAspectRatio);
}

void PictureControl::paintEvent(QPaintEvent *)
{
    if (!m_renderer->isValid())
        return;
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing, true);
    const QRectF target = m_fit == Fit::Stretched ? QRectF(rect()) : QRectF(QPointF(0, 0), QSizeF(m_storedSize));
    m_renderer->render(&painter, target);
}

} // namespace vantelo::ui
