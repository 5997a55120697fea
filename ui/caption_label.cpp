#include "ui/caption_label.h"

#include <algorithm>

namespace vantelo::ui {
namespace {

// Rounds down also left of the page, so that a label grows the same way everywhere.
int floorHalf(int value)
{
    return value >= 0 ? value / 2 : -((1 - value) / 2);
}

} // namespace

CaptionLabel::CaptionLabel(const QString &caption, const QRect &designGeometry, Qt::Alignment horizontalAlignment,
                           Sizing sizing, QWidget *parent)
    : QLabel(parent)
    , m_designGeometry(designGeometry)
    , m_sizing(sizing)
{
    // Plain text: a value from the data file is shown as stored, never as markup.
    setTextFormat(Qt::PlainText);
    setAlignment((horizontalAlignment & Qt::AlignHorizontal_Mask) | Qt::AlignTop);
    setWordWrap(sizing == Sizing::Fixed);
    setMargin(0);
    setIndent(0);
    setContentsMargins(0, 0, 0, 0);
    setFocusPolicy(Qt::NoFocus);
    QLabel::setText(caption);
    // The stored layout holds the size every label had when it was designed;
    // an auto-size label refits only when its caption changes.
    setGeometry(m_designGeometry);
}

QString CaptionLabel::caption() const
{
    return text();
}

void CaptionLabel::setCaption(const QString &text)
{
    QLabel::setText(text);
    if (m_sizing == Sizing::Auto)
        setGeometry(anchoredGeometry(captionSize()));
}

QSize CaptionLabel::captionSize() const
{
    const QFontMetrics metrics = fontMetrics();
    // An empty caption still takes one half-width character by one line.
    if (text().isEmpty())
        return {metrics.horizontalAdvance(QLatin1Char(' ')), metrics.height()};
    const QStringList lines = text().split(QLatin1Char('\n'));
    int width = 0;
    for (const QString &line : lines)
        width = std::max(width, metrics.horizontalAdvance(line));
    return {width, metrics.height() + (int(lines.size()) - 1) * metrics.lineSpacing()};
}

QRect CaptionLabel::anchoredGeometry(QSize size) const
{
    const QRect &design = m_designGeometry;
    int left = design.left();
    if (alignment() & Qt::AlignRight)
        left = design.left() + design.width() - size.width();
    else if (alignment() & Qt::AlignHCenter)
        left = floorHalf(2 * design.left() + design.width() - size.width()); // from twice the centre
    return {QPoint(left, design.top()), size};
}

} // namespace vantelo::ui

