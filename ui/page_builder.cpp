#include "ui/page_builder.h"

#include "ui/caption_label.h"
#include "ui/line_control.h"

#include <QComboBox>
#include <QPushButton>

#include <algorithm>
#include <ranges>

namespace vantelo::ui {
namespace {

QRect pixelRect(const TwipsRect &r)
{
    return {twipsToPixels(r.left), twipsToPixels(r.top), twipsToPixels(r.width), twipsToPixels(r.height)};
}

Qt::Alignment horizontalAlignment(TextAlign align)
{
    switch (align) {
    case TextAlign::Right: return Qt::AlignRight;
    case TextAlign::Centre: return Qt::AlignHCenter;
    case TextAlign::Left: break;
    }
    return Qt::AlignLeft;
}

void applyFill(QWidget *label, Fill fill)
{
    // Result labels are the system's window colours, the rest its button colours.
    const bool white = fill == Fill::White;
    label->setAutoFillBackground(fill != Fill::Transparent);
    label->setBackgroundRole(white ? QPalette::Base : QPalette::Button);
    label->setForegroundRole(white ? QPalette::Text : QPalette::ButtonText);
}

QWidget *makeLabel(const ControlSpec &spec, QWidget *page)
{
    const auto sizing = spec.sizing == Sizing::Auto ? CaptionLabel::Sizing::Auto : CaptionLabel::Sizing::Fixed;
    auto *label = new CaptionLabel(QString::fromUtf8(spec.text), pixelRect(spec.rect),
                                   horizontalAlignment(spec.align), sizing, page);
    applyFill(label, spec.fill);
    return label;
}

QWidget *makeList(const ControlSpec &spec, QWidget *page)
{
    auto *list = new QComboBox(page);
    if (spec.kind == ControlKind::EditableList) {
        list->setEditable(true);
        // What the user types stays the list's text; it never becomes an entry.
        list->setInsertPolicy(QComboBox::NoInsert);
        list->setEditText(QString::fromUtf8(spec.text));
    }
    list->setGeometry(pixelRect(spec.rect));
    return list;
}

QWidget *makeButton(const ControlSpec &spec, QWidget *page)
{
    auto *button = new QPushButton(QString::fromUtf8(spec.text), page);
    button->setAutoDefault(false);
    button->setGeometry(pixelRect(spec.rect));
    return button;
}

QWidget *makeLine(const ControlSpec &spec, QWidget *page)
{
    const TwipsLine &e = spec.ends;
    return new LineControl(QLine(twipsToPixels(e.x1), twipsToPixels(e.y1), twipsToPixels(e.x2), twipsToPixels(e.y2)),
                           page);
}

QWidget *makePicture(const ControlSpec &spec, QWidget *page)
{
    const PictureSource &source = spec.picture;
    auto *picture = new PictureControl(QString::fromUtf8(source.resource),
                                       QSize(source.storedWidth, source.storedHeight), source.fit, page);
    picture->setFocusPolicy(Qt::NoFocus);
    picture->setGeometry(pixelRect(spec.rect));
    return picture;
}

QWidget *makeControl(const ControlSpec &spec, QWidget *page)
{
    switch (spec.kind) {
    case ControlKind::Label: return makeLabel(spec, page);
    case ControlKind::List:
    case ControlKind::EditableList: return makeList(spec, page);
    case ControlKind::Button: return makeButton(spec, page);
    case ControlKind::Line: return makeLine(spec, page);
    case ControlKind::Picture: return makePicture(spec, page);
    }
    return nullptr;
}

int focusRank(ControlRole role)
{
    switch (role) {
    case ControlRole::PressureList: return 0;
    case ControlRole::DiameterList: return 1;
    case ControlRole::QueryButton: return 2;
    default: return -1;
    }
}

} // namespace

QList<QWidget *> buildPage(QWidget *page, std::span<const ControlSpec> controls)
{
    QList<std::pair<int, QWidget *>> stops;
    // Later siblings stack above earlier ones, so the bottom row is made first.
    for (const ControlSpec &spec : controls | std::views::reverse) {
        QWidget *control = makeControl(spec, page);
        if (control == nullptr)
            continue;
        control->setObjectName(QString::fromUtf8(spec.name));
        if (const int rank = focusRank(spec.role); rank >= 0)
            stops.append({rank, control});
    }
    std::ranges::stable_sort(stops, {}, &std::pair<int, QWidget *>::first);
    QList<QWidget *> order;
    for (const auto &stop : stops)
        order.append(stop.second);
    return order;
}

} // namespace vantelo::ui
