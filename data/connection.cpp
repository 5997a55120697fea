#include "connection.h"

#include "error_text.h"

namespace vantelo::data {

void Connection::setConnectionString(const QString &connectionString)
{
    m_connectionString = connectionString;
}

QString Connection::connectionString() const
{
    return m_connectionString;
}

bool Connection::open(QString *error)
{
    // Opening again starts afresh from the current connection string; a
    // failed open leaves the connection unopened.
    m_database.reset();
    m_openError.clear();
    const QString path = dataSource(m_connectionString);
    if (path.isEmpty())
        m_openError = QStringLiteral("the connection string names no data source");
    else
        m_database = Database::open(path, &m_openError);
    if (!m_database)
        setError(error, m_openError);
    return m_database != nullptr;
}

bool Connection::isOpen() const
{
    return m_database != nullptr;
}

void Connection::adopt(std::unique_ptr<Database> database)
{
    m_database = std::move(database);
}

std::optional<ResultSet> Connection::execute(const QString &statement, QString *error,
                                             std::size_t maxRows) const
{
    if (!m_database) {
        setError(error, QStringLiteral("the connection is not open"));
        return std::nullopt;
    }
    return m_database->execute(statement, error, maxRows);
}

std::unique_ptr<RowReader> Connection::read(const QString &statement, QString *error) const
{
    if (!m_database) {
        setError(error, QStringLiteral("the connection is not open"));
        return nullptr;
    }
    return m_database->read(statement, error);
}

QString Connection::dataSource(const QString &connectionString)
{
    // Keys are matched without regard to case and surrounding blanks, as the
    // original provider did; the value runs to the next ';'.
    const QStringList parts = connectionString.split(QLatin1Char(';'));
    for (const QString &part : parts) {
        const qsizetype equals = part.indexOf(QLatin1Char('='));
        if (equals < 0)
            continue;
        if (part.left(equals).trimmed().compare(QLatin1String("Data Source"), Qt::CaseInsensitive) == 0)
            return part.mid(equals + 1).trimmed();
    }
    return QString();
}

} // namespace vantelo::data
