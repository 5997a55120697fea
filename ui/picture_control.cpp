#include "picture_control.h"

#include <QFile>
#include <QFileInfo>
#include <QPainter>
#include <QSvgRenderer>
#include <QXmlStreamReader>

#include <cmath>

namespace vantelo::ui {

namespace {

// The size an SVG's root element states in whole pixels, read without
// parsing the drawing; invalid when it states none, or in other units.
QSize statedPixelSize(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QXmlStreamReader svg(&file);
    if (!svg.readNextStartElement() || svg.name() != QLatin1String("svg"))
        return {};
    const auto pixels = [&svg](QLatin1String name) {
        QStringView value = svg.attributes().value(name);
        if (value.endsWith(QLatin1String("px")))
            value.chop(2);
        bool isNumber = false;
        const double number = value.toDouble(&isNumber);
        return isNumber && number > 0 && number < 1e6 && number == std::floor(number) ? int(number) : -1;
    };
    return QSize(pixels(QLatin1String("width")), pixels(QLatin1String("height")));
}

} // namespace

PictureControl::PictureControl(const QString &resourcePath, Fit fit, QWidget *parent)
    : QWidget(parent)
    , m_resourcePath(resourcePath)
    , m_storedSize(statedPixelSize(resourcePath))
    , m_fit(fit)
{
    // Sizes in other units are the renderer's to work out.
    if (!m_storedSize.isValid())
        m_storedSize = renderer().defaultSize();
    if (m_fit == Fit::Natural && m_storedSize.isValid())
        setFixedSize(m_storedSize);
}

PictureControl::~PictureControl() = default;

QSvgRenderer &PictureControl::renderer() const
{
    if (!m_renderer) {
        m_renderer = std::make_unique<QSvgRenderer>();
        // Loading a missing file would make Qt Svg print a warning; a missing
        // picture simply leaves the control blank.
        if (QFileInfo::exists(m_resourcePath))
            m_renderer->load(m_resourcePath);
        // The stored size decides the scale, and a stretched picture gives
        // up its aspect ratio to fill the control.
        m_renderer->setAspectRatioMode(Qt::IgnoreAspectRatio);
    }
    return *m_renderer;
}

bool PictureControl::hasPicture() const
{
    return renderer().isValid();
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
    if (m_storedSize.isEmpty() || !renderer().isValid())
        return;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    renderer().render(&painter, pictureRect());
    painter.restore();
}

} // namespace vantelo::ui
