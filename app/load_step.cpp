#include "load_step.h"

#include "module1.h"

#include "lookup/standard_page.h"
#include "ui/identify_action.h"

#include <QWidget>

namespace vantelo::app {

namespace {

void fillPages(QWidget &form1, const data::Connection &connection)
{
    lookup::FillPressureLists(lookup::attachStandardPages(form1, connection, &form1));
    ui::addIdentifyAction(form1, connection);
}

} // namespace

void loadForm1(QWidget &form1)
{
    ConnectDatabase();
    fillPages(form1, DbConnection());
}

void loadForm1(QWidget &form1, data::Connection &connection, const QString &programDirectory)
{
    ConnectDatabase(connection, programDirectory);
    fillPages(form1, connection);
}

} // namespace vantelo::app
