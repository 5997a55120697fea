#include "picture_control.h"

#include <QFileInfo>
#include <QPainter>
#include <QSvgRenderer>

namespace vantelo::ui {

PictureControl::PictureControl(const QString &resourcePath, Fit fit, QWidget *parent)
    : QWidget(parent)
    , m_resourcePath(resourcePath)
    , m_fit(fit)
    , m_renderer(new QSvgRenderer(this))
{
    // Loading a missing file would make Qt Svg print a warning; a missing
    // picture simply leaves the control blank.
    if (QFileInfo::exists(resourcePath))
        m_renderer->load(resourcePath);
    m_storedSize = m_renderer->defaultSize();
    // The stored size decides the scale, and a stretched
    // picture gives up its aspect ratio to fill the control.
    m_renderer->setAspectRatioMode(Qt::IgnoreAspectRatio);
    if (m_fit == Fit::Natural && m_storedSize.isValid())
        setFixedSize(m_storedSize);
}

bool PictureControl::hasPicture() const
{
    return m_renderer->isValid();
}

QRectF PictureControl::pictureRect() const
{
    if (m_fit == Fit::Stretched)
        return QRectF(rect());
    return QRectF(QPointF(0, 0), QSizeF(m_storedSize));
}

void PictureControl::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    paintPicture(painter);
}

void PictureControl::paintPicture(QPainter &painter) const
{
    if (!m_renderer->isValid() || m_storedSize.isEmpty())
        return;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    m_renderer->render(&painter, pictureRect());
    painter.restore();
}

} // namespace vantelo::ui
