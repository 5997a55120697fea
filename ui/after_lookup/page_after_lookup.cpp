#include "ui/after_lookup/page_after_lookup.h"

#include "ui/after_lookup/drawing_sheet.h"
#include "ui/after_lookup/flange_texts.h"
#include "ui/after_lookup/stale_mark.h"
#include "ui/after_lookup/value_origin_text.h"
#include "ui/after_lookup/whole_table_dialog.h"
#include "ui/after_lookup/whole_table_reading.h"
#include "ui/after_lookup/whole_table_model.h"

#include "data/flange_columns.h"
#include "lookup/pressure_texts.h"
#include "lookup/value_origin.h"

#include <QComboBox>
#include <QHelpEvent>
#include <QRegularExpression>
#include <QToolTip>

namespace vantelo::ui {
namespace {

constexpr int kHoverMargin = 4;

// Where a label answers hover, in its page's coordinates.
QRect hoverArea(const QWidget &label)
{
    return label.geometry().adjusted(-kHoverMargin, -kHoverMargin, kHoverMargin, kHoverMargin);
}

} // namespace

PageAfterLookup::PageAfterLookup(const StandardPage &source, QWidget &page, const data::Connection &connection,
                                 QObject *parent)
    : QObject(parent)
    , m_source(source)
    , m_standard(source.standard())
    , m_handles(source.handles())
    , m_page(&page)
    , m_connection(connection)
{
    for (std::size_t place = 0; place < m_handles.resultLabels.size(); ++place) {
        if (auto *label = dynamic_cast<QWidget *>(m_handles.resultLabels[place])) {
            label->setAccessibleName(
                lookup::labelColumns(lookup::resultAt(m_standard, int(place))->source).join(QStringLiteral(" / ")));
            // Where a value comes from is looked up on hover, not with every query.
            label->installEventFilter(this);
        }
    }
    // Tooltip events the drawing below a label leaves unanswered reach the page.
    m_page->installEventFilter(this);
    connect(&source, &StandardPage::rowFound, this, &PageAfterLookup::take);
    // A pick, a typed text or a refilled list all count as another flange.
    for (QComboBox *list : {m_handles.pressureList, m_handles.diameterList}) {
        if (list != nullptr)
            connect(list, &QComboBox::currentTextChanged, this, &PageAfterLookup::updateStale);
    }
    if (source.lastFound())
        take(*source.lastFound());
}

void PageAfterLookup::take(const lookup::FoundFlange &flange)
{
    m_found = flange;
    updateStale();
    emit foundChanged();
}

void PageAfterLookup::updateStale()
{
    const auto textOf = [](const QComboBox *list) { return list != nullptr ? list->currentText() : QString(); };
    const bool stale = m_found
        && (textOf(m_handles.pressureList) != m_found->pressure || textOf(m_handles.diameterList) != m_found->diameter);
    if (stale == m_stale)
        return;
    m_stale = stale;
    for (Caption *caption : m_handles.resultLabels) {
        if (auto *label = dynamic_cast<QWidget *>(caption))
            markStale(*label, stale);
    }
}

std::optional<QString> PageAfterLookup::origin(const QString &column) const
{
    const lookup::ValueOrigin origin = lookup::valueOrigin(m_connection, QString::fromUtf8(m_standard.table),
                                                           m_found->storedPressure, m_found->diameter, column);
    switch (origin.kind) {
    case lookup::ValueOrigin::Kind::Known:
        return originText(origin.source, origin.reference, origin.confidence);
    case lookup::ValueOrigin::Kind::Gap:
        return unknownValueText();
    case lookup::ValueOrigin::Kind::Unrecorded:
        break;
    }
    return std::nullopt;
}

QString PageAfterLookup::toolTip(const QWidget &label) const
{
    if (!m_found)
        return {};
    for (std::size_t place = 0; place < m_handles.resultLabels.size(); ++place) {
        if (dynamic_cast<const QWidget *>(m_handles.resultLabels[place]) != &label)
            continue;
        if (m_stale)
            return staleToolTip(*m_found);
        const QStringList columns = lookup::labelColumns(lookup::resultAt(m_standard, int(place))->source);
        if (m_handles.resultLabels[place]->caption().isEmpty())
            return columns.join(QStringLiteral(" / ")) + QLatin1Char('\n') + unknownValueText();
        QString text = labelToolTip(columns, *m_found, [this](const QString &column) { return origin(column); });
        // The bolts go with the label that shows their holes.
        if (m_found->bolts && columns.contains(QString::fromUtf8(data::BoltCountColumn)))
            text += QStringLiteral("\n\n") + boltsToolTip(*m_found->bolts);
        return text;
    }
    return {};
}

bool PageAfterLookup::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::ToolTip || !m_found)
        return false;
    const auto *help = static_cast<QHelpEvent *>(event);
    QWidget *label = qobject_cast<QWidget *>(watched);
    if (watched == m_page) {
        // Hovering beside a label counts: an empty auto-size label is one
        // space wide, too narrow to hold a real mouse still over it.
        label = nullptr;
        for (Caption *caption : m_handles.resultLabels) {
            auto *candidate = dynamic_cast<QWidget *>(caption);
            if (candidate != nullptr && hoverArea(*candidate).contains(help->pos()))
                label = candidate;
        }
    }
    const QString text = label != nullptr ? toolTip(*label) : QString();
    if (text.isEmpty())
        return false;
    // The tip stays while the mouse is within the hover area.
    QToolTip::showText(help->globalPos(), text, m_page, hoverArea(*label));
    return true;
}

DrawingSheet PageAfterLookup::sheet() const
{
    QString caption = m_found ? headline(*m_found) : QString();
    if (m_found && m_found->bolts)
        caption += QStringLiteral("  ") + QString::fromUtf8(lookup::BoltThreadColumn) + u' ' + m_found->bolts->countText();
    return DrawingSheet(*m_page, m_standard.page, caption);
}

QString PageAfterLookup::suggestedFileName() const
{
    if (!m_found)
        return {};
    QString name = QStringLiteral("%1_%2%3_DN%4")
                       .arg(QString::fromUtf8(m_standard.caption), lookup::pressureKind(m_standard),
                            m_found->pressure, m_found->diameter);
    // A typed pressure may hold anything; the name stays one plain file name.
    static const QRegularExpression unsafe(QStringLiteral("[^A-Za-z0-9._-]"));
    return name.remove(QLatin1Char('#')).replace(unsafe, QStringLiteral("_"));
}

WholeTableDialog *PageAfterLookup::makeWholeTableDialog(QWidget *parent) const
{
    const QString pressure = m_source.statementPressure();
    const QString listed = m_handles.pressureList != nullptr ? m_handles.pressureList->currentText() : pressure;
    const QString title = QString::fromUtf8(m_standard.caption) + QLatin1Char(' ') + pageTitle(m_standard)
        + QStringLiteral("  ") + pressureText(m_standard, listed, pressure);
    const QString diameter = m_handles.diameterList != nullptr ? m_handles.diameterList->currentText() : QString();
    WholeTableReading reading(parent);
    WholeTableModel *model = WholeTableModel::load(m_standard, pressure, m_connection,
                                                   [&reading](qsizetype rows) { return reading.keepGoing(rows); });
    return model != nullptr ? new WholeTableDialog(model, title, diameter, parent) : nullptr;
}

} // namespace vantelo::ui
