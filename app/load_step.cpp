#include "load_step.h"

#include "data/shared_connection.h"
#include "ui/after_lookup/after_lookup_actions.h"
#include "ui/main_window.h"
#include "ui/help/help_actions.h"
#include "ui/identify_action.h"
#include "ui/rating_action.h"
#include "ui/standard_page.h"

namespace vantelo::app {

namespace {

std::vector<ui::StandardPage *> fillPages(QWidget &window, std::span<const ui::PageHandles> pages,
                                         const data::Connection &connection)
{
    std::vector<ui::StandardPage *> attached = ui::attachStandardPages(pages, connection, &window);
    ui::FillPressureLists(attached);
    ui::attachAfterLookup(window, attached, connection);
    ui::addIdentifyAction(window, attached, connection);
    ui::addRatingAction(window, attached, connection);
    ui::addHelpActions(window, connection);
    return attached;
}

} // namespace

std::vector<ui::StandardPage *> loadForm1(ui::Form1 &form1)
{
    data::ConnectDatabase();
    return fillPages(form1, form1.pages(), data::DbConnection());
}

std::vector<ui::StandardPage *> loadForm1(ui::Form1 &form1, data::Connection &connection,
                                         const QString &programDirectory)
{
    return loadForm1(form1, form1.pages(), connection, programDirectory);
}

std::vector<ui::StandardPage *> loadForm1(QWidget &window, std::span<const ui::PageHandles> pages,
                                         data::Connection &connection, const QString &programDirectory)
{
    data::ConnectDatabase(connection, programDirectory);
    return fillPages(window, pages, connection);
}

} // namespace vantelo::app
