#include "shared_connection.h"

#include "program_directory.h"

namespace vantelo::data {

QString dataFileIn(const QString &programDirectory)
{
    return programDirectory + QLatin1Char('/') + QLatin1String(DataFileName);
}

Connection &DbConnection()
{
    static Connection connection;
    return connection;
}

QString connectionStringFor(const QString &programDirectory)
{
    return QStringLiteral("Provider=Microsoft.Jet.OLEDB.4.0;Data Source=") + dataFileIn(programDirectory);
}

bool ConnectDatabase(Connection &connection, const QString &programDirectory)
{
    connection.setConnectionString(connectionStringFor(programDirectory));
    return connection.open();
}

bool ConnectDatabase()
{
    return ConnectDatabase(DbConnection(), programDirectory());
}

} // namespace vantelo::data
