#include "ui/after_lookup/page_after_lookup.h"

#include "ui/after_lookup/drawing_sheet.h"
#include "ui/after_lookup/whole_table_dialog.h"
#include "ui/after_lookup/whole_table_model.h"

#include "data/value_text.h"
#include "lookup/diameter_list.h"
#include "lookup/statements.h"
#include "lookup/value_origin.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QHelpEvent>
#include <QRegularExpression>
#include <QToolTip>

namespace vantelo::ui {
namespace {

QString titleOf(std::span<const ControlRow> rows)
{
    for (const ControlRow &row : rows) {
        if (row.role == ControlRole::Title)
            return QString::fromUtf8(row.text);
    }
    return {};
}

} // namespace

PageAfterLookup::PageAfterLookup(const lookup::FlangeStandard &standard, QWidget &page,
                                 const TabPageSpec &tab, const data::Connection &connection, QObject *parent)
    : QObject(parent)
    , m_standard(standard)
    , m_page(&page)
    , m_caption(QString::fromUtf8(tab.caption))
    , m_rows(tab.controls)
    , m_connection(connection)
    , m_controls(lookup::PageControls::find(standard, page))
    , m_title(titleOf(tab.controls))
{
    for (std::size_t i = 0; i < m_standard.bindings.size() && i < m_controls.resultLabels.size(); ++i) {
        if (auto *label = dynamic_cast<QWidget *>(m_controls.resultLabels[i])) {
            label->setAccessibleName(labelColumns(m_standard.bindings[i]).join(QStringLiteral(" / ")));
            // Where a value comes from is looked up on hover, not with every query.
            label->installEventFilter(this);
        }
    }
    // Connected after the page's own query, so this runs once the labels are set.
    if (m_controls.queryButton)
        connect(m_controls.queryButton, &QAbstractButton::clicked, this, &PageAfterLookup::recordQuery);
}

void PageAfterLookup::recordQuery()
{
    const QString pressure = lookup::pressureText(m_standard, m_controls);
    const QString diameter = m_controls.diameterList ? m_controls.diameterList->currentText() : QString();
    const std::optional<QString> statement = lookup::dimensionStatement(m_standard, pressure, diameter);
    const std::optional<data::ResultSet> row = statement ? m_connection.execute(*statement, nullptr, 1) : std::nullopt;
    if (!row || row->atEnd())
        return; // the labels still show the flange found before

    FoundFlange flange;
    flange.standard = m_caption;
    flange.title = m_title;
    flange.pressure = m_controls.pressureList ? m_controls.pressureList->currentText() : QString();
    if (m_standard.pressureValueLabel != nullptr)
        flange.pressureMpa = pressure;
    flange.diameter = diameter;
    for (const QString &column : shownColumns(m_standard)) {
        const std::optional<data::FieldValue> value = row->field(column);
        flange.dimensions.push_back({column, value ? data::fieldText(*value) : std::nullopt});
    }
    m_found = std::move(flange);
    emit foundChanged();
}

std::optional<QString> PageAfterLookup::origin(const QString &column) const
{
    const lookup::ValueOrigin origin = lookup::valueOrigin(m_connection, QLatin1Char('_') + m_caption,
                                                           m_found->storedPressure(), m_found->diameter, column);
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
    for (std::size_t i = 0; i < m_standard.bindings.size() && i < m_controls.resultLabels.size(); ++i) {
        if (dynamic_cast<const QWidget *>(m_controls.resultLabels[i]) == &label)
            return labelToolTip(labelColumns(m_standard.bindings[i]), *m_found,
                                [this](const QString &column) { return origin(column); });
    }
    return {};
}

bool PageAfterLookup::eventFilter(QObject *watched, QEvent *event)
{
    auto *label = qobject_cast<QWidget *>(watched);
    if (event->type() != QEvent::ToolTip || label == nullptr)
        return false;
    const QString text = toolTip(*label);
    if (text.isEmpty())
        return false;
    QToolTip::showText(static_cast<QHelpEvent *>(event)->globalPos(), text, label);
    return true;
}

DrawingSheet PageAfterLookup::sheet() const
{
    return DrawingSheet(*m_page, m_rows, m_found ? m_found->headline() : QString());
}

QString PageAfterLookup::suggestedFileName() const
{
    if (!m_found)
        return {};
    QString name = QStringLiteral("%1_%2%3_DN%4")
                       .arg(m_found->standard,
                            m_found->pressureMpa.isEmpty() ? QStringLiteral("PN") : QStringLiteral("Class"),
                            m_found->pressure, m_found->diameter);
    // A typed pressure may hold anything; the name stays one plain file name.
    static const QRegularExpression unsafe(QStringLiteral("[^A-Za-z0-9._-]"));
    return name.remove(QLatin1Char('#')).replace(unsafe, QStringLiteral("_"));
}

WholeTableDialog *PageAfterLookup::makeWholeTableDialog(QWidget *parent) const
{
    const QString pressure = lookup::pressureText(m_standard, m_controls);
    auto *model = WholeTableModel::load(m_standard, pressure, m_connection);
    FoundFlange heading;
    heading.pressure = m_controls.pressureList ? m_controls.pressureList->currentText() : pressure;
    if (m_standard.pressureValueLabel != nullptr)
        heading.pressureMpa = pressure;
    const QString diameter = m_controls.diameterList ? m_controls.diameterList->currentText() : QString();
    const QString title = m_caption + QLatin1Char(' ') + m_title + QStringLiteral("  ") + heading.pressureText();
    return new WholeTableDialog(model, title, diameter, parent);
}

} // namespace vantelo::ui
