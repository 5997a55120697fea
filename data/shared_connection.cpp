#include "module1.h"

#include <QCoreApplication>

namespace vantelo::app {

data::Connection &DbConnection()
{
    static data::Connection connection;
    return connection;
}

QString connectionStringFor(const QString &programDirectory)
{
    return QStringLiteral("Provider=Microsoft.Jet.OLEDB.4.0;Data Source=") + programDirectory
        + QStringLiteral("/FLDATA.mdb");
}

bool ConnectDatabase(data::Connection &connection, const QString &programDirectory)
{
    connection.setConnectionString(connectionStringFor(programDirectory));
    return connection.open();
}

bool ConnectDatabase()
{
    return ConnectDatabase(DbConnection(), QCoreApplication::applicationDirPath());
}

} // namespace vantelo::app
