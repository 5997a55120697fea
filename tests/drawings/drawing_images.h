#pragma once

// Renders the drawings as the program ships them: the compiled-in SVG
// resource at its stored size, on white.

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QString>
#include <QSvgRenderer>

namespace vantelo::drawings_test {

inline QString drawingResource(int tab)
{
    return QStringLiteral(":/drawings/tab%1.svg").arg(tab);
}

inline QImage renderAtStoredSize(int tab, int width, int height)
{
    QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::white);
    QSvgRenderer renderer(drawingResource(tab));
    QPainter painter(&image);
    renderer.render(&painter, QRectF(0, 0, width, height));
    return image;
}

// Ink is anything clearly darker than mid-grey; paper is near white.
inline bool isInk(const QImage &image, int x, int y)
{
    return image.rect().contains(x, y) && qGray(image.pixel(x, y)) < 128;
}

inline bool isPaper(const QImage &image, int x, int y)
{
    return image.rect().contains(x, y) && qGray(image.pixel(x, y)) >= 235;
}

} // namespace vantelo::drawings_test
