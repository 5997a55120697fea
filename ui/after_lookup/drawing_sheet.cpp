#include "ui/after_lookup/drawing_sheet.h"

#include "ui/caption_label.h"
#include "ui/line_control.h"
#include "ui/picture_control.h"

#include <QPainter>
#include <QWidget>

#include <algorithm>

namespace vantelo::ui {
namespace {

constexpr int kMargin = 6;

bool belongsToDrawing(ControlRole role)
{
    switch (role) {
    case ControlRole::Result:
    case ControlRole::Note:
    case ControlRole::Mark:
    case ControlRole::Drawing:
        return true;
    default:
        return false;
    }
}

const ControlRow *rowOf(const QWidget &widget, std::span<const ControlRow> rows)
{
    const auto row = std::ranges::find_if(rows, [&](const ControlRow &r) {
        return widget.objectName() == QString::fromUtf8(r.name);
    });
    return row != rows.end() ? &*row : nullptr;
}

} // namespace

DrawingSheet::DrawingSheet(const QWidget &page, std::span<const ControlRow> rows, QString caption)
    : m_caption(std::move(caption))
{
    // Children are listed bottom to top, the order they must be painted in.
    for (const QObject *child : page.children()) {
        const auto *widget = qobject_cast<const QWidget *>(child);
        const ControlRow *row = widget != nullptr ? rowOf(*widget, rows) : nullptr;
        if (row != nullptr && belongsToDrawing(row->role)) {
            m_parts.append(widget);
            m_area |= widget->geometry();
            if (row->role == ControlRole::Result)
                m_results.append(widget);
        }
    }
    m_area.adjust(-kMargin, -kMargin, kMargin, kMargin);
}

int DrawingSheet::captionHeight() const
{
    const QWidget *any = m_parts.isEmpty() ? nullptr : m_parts.first();
    const int line = any != nullptr ? any->fontMetrics().height() : 12;
    return line + 2 * kMargin;
}

QSize DrawingSheet::size() const
{
    const int captionWidth = m_parts.isEmpty() ? 0 : m_parts.first()->fontMetrics().horizontalAdvance(m_caption);
    return {std::max(m_area.width(), captionWidth + 2 * kMargin), m_area.height() + captionHeight()};
}

void DrawingSheet::paint(QPainter &painter) const
{
    painter.save();
    painter.fillRect(QRect(QPoint(), size()), Qt::white);
    if (!m_parts.isEmpty())
        painter.setFont(m_parts.first()->font());
    painter.setPen(Qt::black);
    painter.drawText(QRect(kMargin, kMargin, size().width() - 2 * kMargin, captionHeight() - 2 * kMargin),
                     Qt::AlignLeft | Qt::AlignVCenter, m_caption);
    const QPoint origin = QPoint(0, captionHeight()) - m_area.topLeft();
    // Each part is drawn as vector shapes and text, never through a widget's
    // rendering, which a printer would get as a raster image with the
    // labels' backgrounds and frames.
    for (const QWidget *part : m_parts) {
        painter.save();
        painter.translate(origin + part->pos());
        paintPart(painter, *part);
        painter.restore();
    }
    painter.restore();
}

void DrawingSheet::paintPart(QPainter &painter, const QWidget &part) const
{
    if (const auto *picture = qobject_cast<const PictureControl *>(&part)) {
        picture->paintPicture(painter);
    } else if (const auto *line = qobject_cast<const LineControl *>(&part)) {
        painter.setPen(QPen(Qt::black, 1));
        painter.drawLine(line->ends().translated(-line->pos()));
    } else if (const auto *label = qobject_cast<const CaptionLabel *>(&part)) {
        // A result label keeps its white box over the drawing's lines; every
        // other label sits on the white sheet as it is.
        if (m_results.contains(label))
            painter.fillRect(QRect(QPoint(), label->size()), Qt::white);
        painter.setFont(label->font());
        painter.setPen(Qt::black);
        const int wrap = label->wordWrap() ? int(Qt::TextWordWrap) : 0;
        painter.drawText(QRect(QPoint(), label->size()), int(label->alignment()) | wrap, label->caption());
    }
}

void DrawingSheet::paintFitted(QPainter &painter, const QRectF &target) const
{
    const QSizeF natural = size();
    const qreal scale = std::min(target.width() / natural.width(), target.height() / natural.height());
    painter.save();
    painter.translate(target.center() - QPointF(natural.width(), natural.height()) * scale / 2);
    painter.scale(scale, scale);
    paint(painter);
    painter.restore();
}

} // namespace vantelo::ui
