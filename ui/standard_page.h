#pragma once

#include "ui/page_handles.h"

#include "data/connection.h"
#include "lookup/found_flange.h"

#include <QObject>

#include <optional>
#include <span>
#include <vector>

namespace vantelo::ui {

// Ties one page's pressure list and query button to the lookups and applies
// their results to the page's controls. Every failing step is skipped
// silently: a failed query leaves every label as it was.
class StandardPage final : public QObject
{
    Q_OBJECT

public:
    StandardPage(const PageHandles &handles, const data::Connection &connection, QObject *parent = nullptr);

    const lookup::StandardRecord &standard() const { return *m_handles.standard; }
    const PageHandles &handles() const { return m_handles; }

    // Clears the pressure list, puts in its fixed entries and selects the
    // first, which raises the list's reaction.
    void fillPressureList();
    // The pressure list's reaction: the class step, then the diameter list.
    void refillDiameterList();
    // The pressure the page's statements use: the pressure list's text, on
    // the American pages the MPa text the pressure-value label holds.
    QString statementPressure() const;
    // The query button's reaction; true when a row was found and shown.
    bool runQuery();

    // Picks a pressure by index and a diameter by its text through the same
    // reactions a user's picks raise, then runs the query. False when either
    // pick is not offered or the query finds no row.
    bool pick(int pressureIndex, const QString &diameter);

    // The last query of this page that found its row.
    const std::optional<lookup::FoundFlange> &lastFound() const { return m_lastFound; }

signals:
    void rowFound(const vantelo::lookup::FoundFlange &flange);

private:

    PageHandles m_handles;
    const data::Connection &m_connection;
    std::optional<lookup::FoundFlange> m_lastFound;
};

// Attaches a page object to each page; the objects are owned by parent.
std::vector<StandardPage *> attachStandardPages(std::span<const PageHandles> pages,
                                                const data::Connection &connection, QObject *parent);

// Fills the pressure lists in page order; each selection refills its page's
// diameter list before the next list is touched.
void FillPressureLists(const std::vector<StandardPage *> &pages);

} // namespace vantelo::ui
