#include "ui/tab_strip.h"

#include "ui/window_fonts.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyleOptionFocusRect>

namespace vantelo::ui {
namespace {

// Room above the top row for the raised current tab.
constexpr int kRaise = 2;

} // namespace

TabStrip::TabStrip(QWidget *parent)
    : QWidget(parent)
{
    setFocusPolicy(Qt::StrongFocus);
    setFont(tabCaptionFont());
}

void TabStrip::addTab(const QString &caption)
{
    m_captions.append(caption);
    if (m_current < 0)
        m_current = 0;
    updateGeometry();
    update();
}

void TabStrip::setCurrentIndex(int index)
{
    if (index < 0 || index >= count() || index == m_current)
        return;
    m_current = index;
    update();
    emit currentIndexChanged(index);
}

int TabStrip::rowCount() const
{
    return (count() + kTabsPerRow - 1) / kTabsPerRow;
}

// The rows turn round so that the current tab's row comes last, next to the page.
int TabStrip::visualRow(int index) const
{
    const int rows = rowCount();
    const int currentRow = m_current < 0 ? rows - 1 : m_current / kTabsPerRow;
    return (index / kTabsPerRow - currentRow - 1 + 2 * rows) % rows;
}

QRect TabStrip::restingRect(int index) const
{
    const int column = index % kTabsPerRow;
    const int left = column * width() / kTabsPerRow;
    const int right = (column + 1) * width() / kTabsPerRow;
    return {left, kRaise + visualRow(index) * kRowHeight, right - left, kRowHeight};
}

QRect TabStrip::tabRect(int index) const
{
    if (index < 0 || index >= count())
        return {};
    const QRect resting = restingRect(index);
    return index == m_current ? resting.adjusted(-kRaise, -kRaise, kRaise, 0).intersected(rect()) : resting;
}

int TabStrip::tabAt(QPoint position) const
{
    if (tabRect(m_current).contains(position))
        return m_current;
    for (int index = 0; index < count(); ++index) {
        if (tabRect(index).contains(position))
            return index;
    }
    return -1;
}

QSize TabStrip::sizeHint() const
{
    // The last pixel row is the top edge of the page frame.
    return {kTabsPerRow * 80, kRaise + rowCount() * kRowHeight + 1};
}

void TabStrip::paintTab(QPainter &painter, int index) const
{
    const bool current = index == m_current;
    const QRect r = tabRect(index);
    // The current tab opens into the page: it runs down over the frame's top edge.
    const int bottom = current ? height() - 1 : r.bottom();
    const QColor face = palette().color(QPalette::Button);
    painter.fillRect(QRect(r.left(), r.top(), r.width(), bottom - r.top() + 1), current ? face : face.darker(106));

    painter.setPen(palette().color(QPalette::Dark));
    painter.drawLine(r.left(), bottom, r.left(), r.top() + 2);
    painter.drawPoint(r.left() + 1, r.top() + 1);
    painter.drawLine(r.left() + 2, r.top(), r.right() - 2, r.top());
    painter.drawPoint(r.right() - 1, r.top() + 1);
    painter.drawLine(r.right(), r.top() + 2, r.right(), bottom);
    painter.setPen(palette().color(QPalette::Light));
    painter.drawLine(r.left() + 1, bottom, r.left() + 1, r.top() + 2);
    painter.drawLine(r.left() + 2, r.top() + 1, r.right() - 2, r.top() + 1);

    painter.setPen(palette().color(QPalette::ButtonText));
    painter.drawText(r, Qt::AlignCenter, m_captions.at(index));

    if (current && hasFocus()) {
        QStyleOptionFocusRect option;
        option.initFrom(this);
        const QRect text = fontMetrics().boundingRect(r, Qt::AlignCenter, m_captions.at(index));
        option.rect = text.adjusted(-2, 0, 2, 0).intersected(r.adjusted(3, 2, -3, -1));
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &painter, this);
    }
}

void TabStrip::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    for (int index = 0; index < count(); ++index) {
        if (index != m_current)
            paintTab(painter, index);
    }
    // Top edge of the page frame, then the current tab over it.
    painter.setPen(palette().color(QPalette::Dark));
    painter.drawLine(0, height() - 1, width() - 1, height() - 1);
    if (m_current >= 0)
        paintTab(painter, m_current);
}

void TabStrip::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton) {
        const int index = tabAt(event->position().toPoint());
        if (index >= 0)
            setCurrentIndex(index);
    }
    QWidget::mousePressEvent(event);
}

void TabStrip::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Left && m_current > 0)
        setCurrentIndex(m_current - 1);
    else if (event->key() == Qt::Key_Right && m_current + 1 < count())
        setCurrentIndex(m_current + 1);
    else
        QWidget::keyPressEvent(event);
}

} // namespace vantelo::ui
