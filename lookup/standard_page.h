#pragma once

#include "flange_standard.h"
#include "page_controls.h"

#include "data/connection.h"

#include <QObject>

#include <vector>

class QWidget;

namespace vantelo::lookup {

// Ties one page's pressure list and query button to the lookups.
class StandardPage final : public QObject
{
    Q_OBJECT

public:
    StandardPage(const FlangeStandard &standard, const QWidget &root, const data::Connection &connection,
                 QObject *parent = nullptr);

    const FlangeStandard &standard() const { return m_standard; }
    const PageControls &controls() const { return m_controls; }

    // Clears the pressure list, puts in its fixed entries and selects the
    // first, which raises the list's reaction.
    void fillPressureList();
    void refillDiameterList();
    void runQuery();

private:
    const FlangeStandard &m_standard;
    const data::Connection &m_connection;
    PageControls m_controls;
};

// Attaches the lookups of all seven pages found below root; the pages are
// owned by parent.
std::vector<StandardPage *> attachStandardPages(const QWidget &root, const data::Connection &connection,
                                                QObject *parent);

// Fills the seven pressure lists in page order; each selection refills its
// page's diameter list before the next list is touched.
void FillPressureLists(const std::vector<StandardPage *> &pages);

} // namespace vantelo::lookup
