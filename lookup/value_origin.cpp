#include "value_origin.h"

namespace vantelo::lookup {

namespace {

// The marker the data file's builder writes in place of a source.
const QString kNoSource = QStringLiteral("not found in any usable source");

QString quoted(QString text)
{
    return u'\'' + text.replace(u'\'', QStringLiteral("''")) + u'\'';
}

QString textOf(const std::optional<data::FieldValue> &value)
{
    const QString *text = value ? std::get_if<QString>(&*value) : nullptr;
    return text ? *text : QString();
}

} // namespace

ValueOrigin valueOrigin(const data::Connection &connection, const QString &table, const QString &pressure,
                        const QString &diameter, const QString &column)
{
    bool isNumber = false;
    const double dn = diameter.toDouble(&isNumber);
    if (!isNumber || column.contains(u' ') || column.isEmpty())
        return {};

    // A line covers its table and pressure from dn_from to dn_to for the
    // space-separated columns it lists.
    const QString statement =
        QStringLiteral("select p.source, p.confidence, s.reference from provenance p left join provenance_source s "
                       "on s.table_name = p.table_name and s.source = p.source where p.table_name = %1 and p.pn = %2 "
                       "and p.dn_from <= %3 and %3 <= p.dn_to and instr(' ' || p.columns || ' ', %4) > 0")
            .arg(quoted(table), quoted(pressure), QString::number(dn, 'g', 17), quoted(u' ' + column + u' '));
    const std::optional<data::ResultSet> rows = connection.execute(statement, nullptr, 1);
    if (!rows || rows->atEnd())
        return {};

    ValueOrigin origin;
    origin.source = textOf(rows->field(QStringLiteral("source")));
    if (origin.source == kNoSource)
        return {ValueOrigin::Kind::Gap, {}, {}, {}};
    origin.kind = ValueOrigin::Kind::Known;
    origin.reference = textOf(rows->field(QStringLiteral("reference")));
    origin.confidence = textOf(rows->field(QStringLiteral("confidence")));
    return origin;
}

} // namespace vantelo::lookup
