#pragma once

#include <QImage>
#include <QWidget>

#include <algorithm>

// Where a widget's own drawing puts ink: it is rendered onto a fill colour
// that no text uses, and its background colour is mapped to that fill too, so
// every other pixel is ink.
inline QImage renderInk(QWidget *widget)
{
    QImage image(widget->size(), QImage::Format_RGB32);
    image.fill(QColor(255, 0, 255));
    widget->render(&image, QPoint(), QRegion(), QWidget::DrawChildren);
    const QRgb background = widget->palette().color(widget->backgroundRole()).rgb();
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (image.pixel(x, y) == background)
                image.setPixel(x, y, QColor(255, 0, 255).rgb());
        }
    }
    return image;
}

inline bool isInk(const QImage &image, int x, int y)
{
    return image.pixel(x, y) != QColor(255, 0, 255).rgb();
}

// The right-most inked column within rows [top, bottom), or -1.
inline int inkRight(const QImage &image, int top, int bottom)
{
    for (int x = image.width() - 1; x >= 0; --x) {
        for (int y = std::max(top, 0); y < std::min(bottom, image.height()); ++y) {
            if (isInk(image, x, y))
                return x;
        }
    }
    return -1;
}

// The number of 12-px text lines that hold ink in their middle rows (brackets
// and commas reach a little into the next line).
inline int inkedLines(const QImage &image)
{
    int lines = 0;
    for (int top = 0; top + 3 < image.height(); top += 12) {
        if (inkRight(image, top + 3, top + 9) >= 0)
            lines = top / 12 + 1;
    }
    return lines;
}
