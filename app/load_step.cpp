#include "load_step.h"

#include "module1.h"

#include "lookup/standard_page.h"

#include <QWidget>

namespace vantelo::app {

void loadForm1(QWidget &form1, data::Connection &connection, const QString &programDirectory)
{
    ConnectDatabase(connection, programDirectory);
    lookup::FillPressureLists(lookup::attachStandardPages(form1, connection, &form1));
}

} // namespace vantelo::app
