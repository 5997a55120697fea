#include "bolt_thread.h"

#include "data/flange_columns.h"

namespace vantelo::lookup {

namespace {

// The table the data file's builder writes beside the flange tables.
const QString kBoltTable = QStringLiteral("bolt_thread");

QString quoted(QString text)
{
    return u'\'' + text.replace(u'\'', QStringLiteral("''")) + u'\'';
}

// The pressure as the file stores it: an American class by its MPa text.
QString storedPressure(const StandardRecord &record, const QString &pressure)
{
    for (int i = 0; i < record.classesListed; ++i) {
        if (pressure == QLatin1String(PressureClasses[i].name))
            return QString::fromLatin1(PressureClasses[i].mpa);
    }
    return pressure;
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
    // The American pages list classes; their tables form one system, the
    // European tables the other.
    const QString system = record.classesListed > 0 ? QStringLiteral("American") : QStringLiteral("European");
    const QString stored = storedPressure(record, pressure);
    const QString statement = QStringLiteral("select \"%1\" as thread, \"%2\" as n from %3 where system = %4 "
                                             "and \"%5\" = %6 and \"%7\" = %8")
                                  .arg(QString::fromUtf8(BoltThreadColumn), QString::fromUtf8(data::BoltCountColumn),
                                       kBoltTable, quoted(system), QString::fromUtf8(data::PressureColumn),
                                       quoted(stored), QString::fromUtf8(data::DiameterColumn),
                                       QString::number(dn, 'g', 17));
    const std::optional<data::ResultSet> rows = connection.execute(statement, nullptr, 1);
    if (!rows || rows->atEnd())
        return std::nullopt;
    const std::optional<data::FieldValue> thread = rows->field(QStringLiteral("thread"));
    const std::optional<data::FieldValue> count = rows->field(QStringLiteral("n"));
    const QString *threadText = thread ? std::get_if<QString>(&*thread) : nullptr;
    const std::int64_t *countNumber = count ? std::get_if<std::int64_t>(&*count) : nullptr;
    if (threadText == nullptr || threadText->isEmpty() || countNumber == nullptr || *countNumber <= 0 || *countNumber > 10000)
        return std::nullopt;
    BoltThread bolts{*threadText, int(*countNumber), {}};
    bolts.origin = valueOrigin(connection, kBoltTable, stored, diameter, QString::fromUtf8(BoltThreadColumn));
    return bolts;
}

} // namespace vantelo::lookup
