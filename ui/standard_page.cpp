#include "ui/standard_page.h"

#include "lookup/diameter_list.h"
#include "lookup/pressure_texts.h"

#include <QAbstractButton>
#include <QComboBox>

namespace vantelo::ui {

StandardPage::StandardPage(const PageHandles &handles, const data::Connection &connection, QObject *parent)
    : QObject(parent)
    , m_handles(handles)
    , m_connection(connection)
{
    // A pick, not a typed text, is what refills the diameter list.
    if (m_handles.pressureList != nullptr)
        connect(m_handles.pressureList, &QComboBox::activated, this, &StandardPage::refillDiameterList);
    if (m_handles.queryButton != nullptr)
        connect(m_handles.queryButton, &QAbstractButton::clicked, this, &StandardPage::runQuery);
}

void StandardPage::fillPressureList()
{
    if (m_handles.pressureList == nullptr)
        return;
    QComboBox &list = *m_handles.pressureList;
    list.clear();
    list.addItems(lookup::listedPressures(standard()));
    selectEntry(list, 0);
}

QString StandardPage::statementPressure() const
{
    // On the American pages the label's caption is the only store of the MPa text.
    if (m_handles.pressureValueLabel != nullptr)
        return m_handles.pressureValueLabel->caption();
    return m_handles.pressureList != nullptr ? m_handles.pressureList->currentText() : QString();
}

void StandardPage::refillDiameterList()
{
    if (m_handles.pressureList != nullptr && m_handles.pressureValueLabel != nullptr) {
        if (const auto mpa = lookup::classPressure(standard(), m_handles.pressureList->currentText()))
            m_handles.pressureValueLabel->setCaption(*mpa);
    }
    const QStringList entries = lookup::diameterEntries(standard(), statementPressure(), m_connection);
    if (m_handles.diameterList == nullptr)
        return;
    QComboBox &list = *m_handles.diameterList;
    list.clear();
    list.addItems(entries);
    if (list.count() > 0)
        list.setCurrentIndex(0);
    else if (list.isEditable())
        list.clearEditText(); // an editable box keeps its text through clear()
}

bool StandardPage::runQuery()
{
    const QString diameter = m_handles.diameterList != nullptr ? m_handles.diameterList->currentText() : QString();
    const QString shownPressure =
        m_handles.pressureList != nullptr ? m_handles.pressureList->currentText() : QString();
    lookup::FlangeLookup answer =
        lookup::findFlange(standard(), shownPressure, statementPressure(), diameter, m_connection);
    auto *flange = std::get_if<lookup::FoundFlange>(&answer);
    if (flange == nullptr)
        return false;
    for (std::size_t place = 0; place < m_handles.resultLabels.size(); ++place) {
        const std::optional<QString> caption =
            lookup::captionOf(lookup::resultAt(standard(), int(place))->source, *flange);
        if (m_handles.resultLabels[place] != nullptr && caption)
            m_handles.resultLabels[place]->setCaption(*caption);
    }
    m_lastFound = std::move(*flange);
    emit rowFound(*m_lastFound);
    return true;
}

bool StandardPage::pick(int pressureIndex, const QString &diameter)
{
    if (m_handles.pressureList == nullptr || m_handles.diameterList == nullptr
        || !selectEntry(*m_handles.pressureList, pressureIndex))
        return false;
    const int diameterIndex = m_handles.diameterList->findText(diameter);
    if (diameterIndex < 0)
        return false;
    m_handles.diameterList->setCurrentIndex(diameterIndex);
    return runQuery();
}

std::vector<StandardPage *> attachStandardPages(std::span<const PageHandles> pages,
                                                const data::Connection &connection, QObject *parent)
{
    std::vector<StandardPage *> attached;
    for (const PageHandles &page : pages) {
        if (page.standard != nullptr)
            attached.push_back(new StandardPage(page, connection, parent));
    }
    return attached;
}

void FillPressureLists(const std::vector<StandardPage *> &pages)
{
    for (StandardPage *page : pages)
        page->fillPressureList();
}

} // namespace vantelo::ui
