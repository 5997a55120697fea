#pragma once

#include "ui/standard_page.h"

#include "data/connection.h"

#include <QObject>

#include <optional>

namespace vantelo::ui {

class DrawingSheet;
class WholeTableDialog;

// What one standard's page offers once a flange is on it: the flange as its
// page object last found it, the drawing to export, the whole table, and
// labels that say what they show and where it comes from. Reading never
// changes the page.
class PageAfterLookup final : public QObject
{
    Q_OBJECT

public:
    PageAfterLookup(const StandardPage &source, QWidget &page, const data::Connection &connection,
                    QObject *parent = nullptr);

    QWidget *page() const { return m_page; }
    const std::optional<lookup::FoundFlange> &found() const { return m_found; }

    DrawingSheet sheet() const;
    // A file name without suffix naming the flange shown, "HG20593_PN1.6_DN100".
    QString suggestedFileName() const;
    // The table at the page's current pressure, the current DN's row
    // selected; nullptr when the user cancelled its reading.
    WholeTableDialog *makeWholeTableDialog(QWidget *parent) const;

    // What a result label says on hover after a query: the columns it shows
    // and where their values come from, that an empty label's value is
    // unknown, or, while the lists name another flange, which flange the
    // labels still show; empty before the first query.
    QString toolTip(const QWidget &label) const;

    // True while the pressure or DN picked differs from the flange shown:
    // the labels are then greyed until a query finds the picked row.
    bool isStale() const { return m_stale; }

signals:
    void foundChanged();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void take(const lookup::FoundFlange &flange);
    void updateStale();
    std::optional<QString> origin(const QString &column) const;

    const StandardPage &m_source;
    const lookup::StandardRecord &m_standard;
    const PageHandles &m_handles;
    QWidget *m_page;
    const data::Connection &m_connection;
    std::optional<lookup::FoundFlange> m_found;
    bool m_stale = false;
};

} // namespace vantelo::ui
