#include "standard_page.h"

#include "diameter_list.h"
#include "dimension_query.h"

#include <QAbstractButton>
#include <QComboBox>

namespace vantelo::lookup {

StandardPage::StandardPage(const FlangeStandard &standard, const QWidget &root,
                           const data::Connection &connection, QObject *parent)
    : QObject(parent)
    , m_standard(standard)
    , m_connection(connection)
    , m_controls(PageControls::find(standard, root))
{
    // A pick, not a typed text, is what refills the diameter list.
    if (m_controls.pressureList)
        connect(m_controls.pressureList, &QComboBox::activated, this, &StandardPage::refillDiameterList);
    if (m_controls.queryButton)
        connect(m_controls.queryButton, &QAbstractButton::clicked, this, &StandardPage::runQuery);
}

void StandardPage::fillPressureList()
{
    if (!m_controls.pressureList)
        return;
    QComboBox &list = *m_controls.pressureList;
    list.clear();
    for (const char *entry : m_standard.pressureEntries)
        list.addItem(QString::fromLatin1(entry));
    selectEntry(list, 0);
}

void StandardPage::refillDiameterList()
{
    RefillDiameterList(m_standard, m_controls, m_connection);
}

void StandardPage::runQuery()
{
    DimensionQuery(m_standard, m_controls, m_connection);
}

std::vector<StandardPage *> attachStandardPages(const QWidget &root, const data::Connection &connection,
                                                QObject *parent)
{
    std::vector<StandardPage *> pages;
    for (const FlangeStandard &standard : flangeStandards())
        pages.push_back(new StandardPage(standard, root, connection, parent));
    return pages;
}

void FillPressureLists(const std::vector<StandardPage *> &pages)
{
    for (StandardPage *page : pages)
        page->fillPressureList();
}

} // namespace vantelo::lookup
