#include "ui/page_builder.h"

#include "ui/caption_label.h"
#include "ui/line_control.h"
#include "ui/picture_control.h"

#include <QComboBox>
#include <QHash>
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
    case ControlKind::Picture: return makePicture(row, page);
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

// The control a standard names, of the type its role needs; a name the page
// does not hold, or holds as another kind of control, is listed as unbound.
template <typename Control>
Control *bound(const QHash<QString, QWidget *> &made, const char *name, QStringList &unbound)
{
    auto *control = dynamic_cast<Control *>(made.value(QString::fromLatin1(name)));
    if (control == nullptr)
        unbound << QString::fromLatin1(name);
    return control;
}

PageHandles bindPage(const lookup::FlangeStandard &standard, const QHash<QString, QWidget *> &made)
{
    PageHandles handles;
    handles.standard = &standard;
    handles.pressureList = bound<QComboBox>(made, standard.pressureList, handles.unbound);
    handles.diameterList = bound<QComboBox>(made, standard.diameterList, handles.unbound);
    handles.queryButton = bound<QAbstractButton>(made, standard.queryButton, handles.unbound);
    if (standard.pressureValueLabel != nullptr)
        handles.pressureValueLabel = bound<Caption>(made, standard.pressureValueLabel, handles.unbound);
    for (const lookup::ResultBinding &binding : standard.bindings)
        handles.resultLabels.push_back(bound<Caption>(made, binding.label, handles.unbound));
    return handles;
}

} // namespace

BuiltPage buildPage(QWidget *page, std::span<const ControlRow> controls, const lookup::FlangeStandard *standard)
{
    QHash<QString, QWidget *> made;
    QList<std::pair<int, QWidget *>> stops;
    // Later siblings stack above earlier ones, so the bottom row is made first.
    for (const ControlRow &row : controls | std::views::reverse) {
        QWidget *control = makeControl(row, page);
        if (control == nullptr)
            continue;
        control->setObjectName(QString::fromUtf8(row.name));
        made.insert(control->objectName(), control);
        if (const int rank = focusRank(row.role); rank >= 0)
            stops.append({rank, control});
    }
    std::ranges::stable_sort(stops, {}, &std::pair<int, QWidget *>::first);
    BuiltPage built;
    for (const auto &stop : stops)
        built.focusOrder.append(stop.second);
    if (standard != nullptr)
        built.handles = bindPage(*standard, made);
    return built;
}

} // namespace vantelo::ui
