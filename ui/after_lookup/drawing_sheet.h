#pragma once

#include "ui/twips.h"

#include <QList>
#include <QRect>
#include <QString>

#include <span>

class QPainter;
class QWidget;

namespace vantelo::ui {

// The part of a page that shows its flange (the drawing with its result
// labels, dimension lines and notes, not the lists, button or title) under a
// caption line naming the flange, in screen pixels.
class DrawingSheet final
{
public:
    DrawingSheet(const QWidget &page, std::span<const ControlRow> rows, QString caption);

    QSize size() const;
    // Paints at screen size with the sheet's top-left corner at the origin.
    void paint(QPainter &painter) const;
    // Paints scaled to fit target, keeping the proportions, centred.
    void paintFitted(QPainter &painter, const QRectF &target) const;

private:
    int captionHeight() const;
    void paintPart(QPainter &painter, const QWidget &part) const;

    QList<const QWidget *> m_parts; // bottom to top
    QList<const QWidget *> m_results;
    QRect m_area;                   // on the page
    QString m_caption;
};

} // namespace vantelo::ui
