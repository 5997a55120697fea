#include "ui/line_control.h"

#include <QPainter>

#include <algorithm>

namespace vantelo::ui {
namespace {

// The box that holds both end points (QRect::normalized() would drop a pixel
// from each side of a box given backwards).
QRect boundingBox(QLine line)
{
    return QRect(QPoint(std::min(line.x1(), line.x2()), std::min(line.y1(), line.y2())),
                 QPoint(std::max(line.x1(), line.x2()), std::max(line.y1(), line.y2())));
}

} // namespace

LineControl::LineControl(QLine ends, QWidget *parent)
    : QWidget(parent)
    , m_ends(ends)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    setAutoFillBackground(false);
    setGeometry(boundingBox(ends));
}

void LineControl::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(QPen(palette().color(QPalette::WindowText), 0));
    const QPoint origin = boundingBox(m_ends).topLeft();
    painter.drawLine(m_ends.translated(-origin));
}

} // namespace vantelo::ui
