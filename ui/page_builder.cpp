#include "ui/page_builder.h"

#include "ui/caption_label.h"
#include "ui/line_control.h"
#include "ui/picture_control.h"

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

QWidget *makeLabel(const ControlRow &row, QWidget *page)
{
    const auto sizing = row.sizing == Sizing::Auto ? CaptionLabel::Sizing::Auto : CaptionLabel::Sizing::Fixed;
    auto *label = new CaptionLabel(QString::fromUtf8(row.text), pixelRect(row.rect),
                                   horizontalAlignment(row.align), sizing, page);
    applyFill(label, row.fill);
    return label;
}

QWidget *makeList(const ControlRow &row, QWidget *page)
{
    auto *list = new QComboBox(page);
    if (row.kind == ControlKind::EditableList) {
        list->setEditable(true);
        // What the user types stays the list's text; it never becomes an entry.
        list->setInsertPolicy(QComboBox::NoInsert);
        list->setEditText(QString::fromUtf8(row.text));
    }
    list->setGeometry(pixelRect(row.rect));
    return list;
}

QWidget *makeButton(const ControlRow &row, QWidget *page)
{
    auto *button = new QPushButton(QString::fromUtf8(row.text), page);
    button->setAutoDefault(false);
    button->setGeometry(pixelRect(row.rect));
    return button;
}

QWidget *makeLine(const ControlRow &row, QWidget *page)
{
    const TwipsLine &e = row.ends;
    return new LineControl(QLine(twipsToPixels(e.x1), twipsToPixels(e.y1), twipsToPixels(e.x2), twipsToPixels(e.y2)),
                           page);
}

QWidget *makePicture(const ControlRow &row, QWidget *page)
{
    const auto fit = row.fit == PictureFit::Natural ? PictureControl::Fit::Natural : PictureControl::Fit::Stretched;
    auto *picture = new PictureControl(QString::fromUtf8(row.text), fit, page);
    picture->setFocusPolicy(Qt::NoFocus);
    picture->setGeometry(pixelRect(row.rect));
    return picture;
}

QWidget *makeControl(const ControlRow &row, QWidget *page)
{
    switch (row.kind) {
    case ControlKind::Label: return makeLabel(row, page);
    case ControlKind::List:
    case ControlKind::EditableList: return makeList(row, page);
    case ControlKind::Button: return makeButton(row, page);
    case ControlKind::Line: return makeLine(row, page);
    case ControlKind::Picture: break;
    }
    return makePicture(row, page);
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

// Hands a control to the page object by its role.
void bind(PageHandles &handles, const ControlRow &row, QWidget *control)
{
    switch (row.role) {
    case ControlRole::PressureList: handles.pressureList = static_cast<QComboBox *>(control); break;
    case ControlRole::DiameterList: handles.diameterList = static_cast<QComboBox *>(control); break;
    case ControlRole::QueryButton: handles.queryButton = static_cast<QAbstractButton *>(control); break;
    case ControlRole::PressureValue: handles.pressureValueLabel = static_cast<CaptionLabel *>(control); break;
    case ControlRole::Result:
        handles.resultLabels[std::size_t(row.source.place)] = static_cast<CaptionLabel *>(control);
        break;
    default: break;
    }
}

} // namespace

BuiltPage buildPage(QWidget *page, const lookup::StandardRecord &record)
{
    BuiltPage built;
    built.handles.standard = &record;
    built.handles.resultLabels.resize(std::size_t(lookup::resultCount(record)));
    QList<std::pair<int, QWidget *>> stops;
    // Later siblings stack above earlier ones, so the bottom row is made first.
    for (const ControlRow &row : record.page | std::views::reverse) {
        QWidget *control = makeControl(row, page);
        control->setObjectName(QString::fromUtf8(row.name));
        bind(built.handles, row, control);
        if (const int rank = focusRank(row.role); rank >= 0)
            stops.append({rank, control});
    }
    std::ranges::stable_sort(stops, {}, &std::pair<int, QWidget *>::first);
    for (const auto &stop : stops)
        built.focusOrder.append(stop.second);
    return built;
}

} // namespace vantelo::ui
