#include "bolt_thread.h"

#include "lookup/pressure_texts.h"

#include "data/flange_columns.h"
#include "data/value_text.h"

namespace vantelo::lookup {

namespace {

// The system as the bolt table names it.
QString systemOf(const StandardRecord &record)
{
    return QLatin1String(record.system() == FlangeSystem::American ? data::AmericanSystem : data::EuropeanSystem);
}

// The bolt rows of record's system at pressure, narrowed by condition.
QString boltStatement(const StandardRecord &record, const QString &pressure, const QString &condition)
{
    return QStringLiteral("select \"%1\" as thread, \"%2\" as n, \"%3\" as dn from %4 where system = %5 "
                          "and \"%6\" = %7%8")
        .arg(QString::fromUtf8(BoltThreadColumn), QString::fromUtf8(data::BoltCountColumn),
             QString::fromUtf8(data::DiameterColumn), QLatin1String(data::BoltTable), data::sqlString(systemOf(record)),
             QString::fromUtf8(data::PressureColumn), data::sqlString(storedPressure(record, pressure)), condition);
}

// The thread of the current row, or nothing unless the row holds a thread
// and a sound bolt count.
std::optional<BoltThread> threadOfRow(const data::ResultSet &rows)
{
    const std::optional<data::FieldValue> thread = rows.field(QStringLiteral("thread"));
    const std::optional<data::FieldValue> count = rows.field(QStringLiteral("n"));
    const QString *threadText = thread ? std::get_if<QString>(&*thread) : nullptr;
    const std::int64_t *countNumber = count ? std::get_if<std::int64_t>(&*count) : nullptr;
    if (threadText == nullptr || threadText->isEmpty() || countNumber == nullptr || *countNumber <= 0 || *countNumber > 10000)
        return std::nullopt;
    return BoltThread{*threadText, int(*countNumber), {}};
}

} // namespace

QString BoltThread::countText() const
{
    return QString::number(count) + u'-' + thread;
}

std::optional<BoltThread> boltThread(const data::Connection &connection, const StandardRecord &record,
                                     const QString &pressure, const QString &diameter)
{
    bool isNumber = false;
    const double dn = diameter.toDouble(&isNumber);
    if (!isNumber)
        return std::nullopt;
    const QString statement = boltStatement(record, pressure, QStringLiteral(" and \"%1\" = %2")
                                                                  .arg(QString::fromUtf8(data::DiameterColumn),
                                                                       QString::number(dn, 'g', 17)));
    const std::optional<data::ResultSet> rows = connection.execute(statement, nullptr, 1);
    if (!rows || rows->atEnd())
        return std::nullopt;
    std::optional<BoltThread> bolts = threadOfRow(*rows);
    if (!bolts)
        return std::nullopt;
    bolts->origin = valueOrigin(connection, QLatin1String(data::BoltTable), storedPressure(record, pressure), diameter,
                                QString::fromUtf8(BoltThreadColumn));
    return bolts;
}

QHash<QString, QString> boltThreadsAt(const data::Connection &connection, const StandardRecord &record,
                                      const QString &pressure)
{
    QHash<QString, QString> threads;
    std::optional<data::ResultSet> rows = connection.execute(boltStatement(record, pressure, {}));
    for (; rows && !rows->atEnd(); rows->moveNext()) {
        const std::optional<data::FieldValue> dn = rows->field(QStringLiteral("dn"));
        const std::optional<QString> dnText = dn ? data::fieldText(*dn) : std::nullopt;
        if (const std::optional<BoltThread> bolts = threadOfRow(*rows); bolts && dnText && !threads.contains(*dnText))
            threads.insert(*dnText, bolts->thread);
    }
    return threads;
}

} // namespace vantelo::lookup
