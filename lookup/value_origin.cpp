#include "value_origin.h"

#include "data/side_tables.h"
#include "data/value_text.h"

#include <QHash>
#include <QRegularExpression>

namespace vantelo::lookup {

namespace {

// The register ids a line's source names, in order: "S2+S3" names S2 and S3,
// "rule(PN6:S3)" the equivalence rule R and S3; a parenthesised remark, as in
// "S10 (WN rows)", names none.
QStringList sourceIds(QString source)
{
    QStringList ids;
    if (source.startsWith(QStringLiteral("rule(")))
        ids << QStringLiteral("R");
    else
        source.remove(QRegularExpression(QStringLiteral(R"(\([^)]*\))")));
    static const QRegularExpression id(QStringLiteral(R"(\b(S\d+|X|R)\b)"));
    for (const QRegularExpressionMatch &match : id.globalMatch(source)) {
        if (!ids.contains(match.captured()))
            ids << match.captured();
    }
    return ids;
}

// Each id with its document from the system's register, one per line; an id
// the register lacks is left out.
QString referenceOf(const data::Connection &connection, const QString &system, const QString &source)
{
    const QStringList ids = sourceIds(source);
    QStringList quotedIds;
    for (const QString &id : ids)
        quotedIds << data::sqlString(id);
    std::optional<data::ResultSet> rows;
    if (!ids.isEmpty())
        rows = connection.execute(
            QStringLiteral("select source, reference from %1 where system = %2 and source in (%3)")
                .arg(QLatin1String(data::ProvenanceSourceTable), data::sqlString(system), quotedIds.join(u',')),
            nullptr, std::size_t(ids.size()));
    QHash<QString, QString> documents;
    for (; rows && !rows->atEnd(); rows->moveNext())
        documents.insert(data::storedText(rows->field(QStringLiteral("source"))),
                         data::storedText(rows->field(QStringLiteral("reference"))));
    QStringList lines;
    for (const QString &id : ids) {
        if (documents.contains(id))
            lines << id + QStringLiteral(": ") + documents.value(id);
    }
    return lines.join(u'\n');
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
        QStringLiteral("select system, source, confidence from %1 where table_name = %2 and pn = %3 "
                       "and dn_from <= %4 and %4 <= dn_to and instr(' ' || columns || ' ', %5) > 0")
            .arg(QLatin1String(data::ProvenanceTable), data::sqlString(table), data::sqlString(pressure),
                 QString::number(dn, 'g', 17), data::sqlString(u' ' + column + u' '));
    const std::optional<data::ResultSet> rows = connection.execute(statement, nullptr, 1);
    if (!rows || rows->atEnd())
        return {};

    ValueOrigin origin;
    origin.source = data::storedText(rows->field(QStringLiteral("source")));
    if (origin.source == QLatin1String(data::NoSource))
        return {ValueOrigin::Kind::Gap, {}, {}, {}};
    origin.kind = ValueOrigin::Kind::Known;
    origin.reference = referenceOf(connection, data::storedText(rows->field(QStringLiteral("system"))), origin.source);
    origin.confidence = data::storedText(rows->field(QStringLiteral("confidence")));
    return origin;
}

} // namespace vantelo::lookup
