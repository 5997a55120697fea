#include "query_commands.h"

#include "rating_commands.h"

#include "lookup/diameter_list.h"
#include "lookup/found_flange.h"

#include "data/flange_columns.h"
#include "data/value_text.h"

#include <QJsonArray>

namespace vantelo::cli {

namespace {

using lookup::StandardRecord;

QJsonValue cell(const std::optional<double> &value)
{
    return value ? QJsonValue(*value) : QJsonValue(QJsonValue::Null);
}

QJsonValue cell(const data::FieldValue &value)
{
    if (const auto *whole = std::get_if<std::int64_t>(&value))
        return double(*whole);
    if (const auto *real = std::get_if<double>(&value))
        return *real;
    if (const auto *text = std::get_if<QString>(&value))
        return *text;
    return QJsonValue::Null;
}

// A number as the data file or the page gives it: its text as given ("2.0"),
// a number in JSON.
Cell numberText(const QString &text)
{
    bool ok = false;
    const double value = text.toDouble(&ok);
    return ok ? Cell(value, text) : Cell(text);
}

QString nameOf(const StandardRecord &standard)
{
    return QString::fromUtf8(standard.caption);
}

Answer unreadable(const StandardRecord &standard, const QString &error)
{
    Answer answer;
    answer.status = BadUsage;
    answer.notes << QStringLiteral("cannot read table %1 of the data file: %2")
                        .arg(QString::fromUtf8(standard.table), error);
    return answer;
}

Answer listStandards()
{
    Answer answer;
    answer.table.headers = {QStringLiteral("standard"), QStringLiteral("system"), QStringLiteral("table")};
    for (const StandardRecord &standard : lookup::StandardRecords)
        answer.table.rows.append(
            {nameOf(standard), lookup::pressureKind(standard), QString::fromUtf8(standard.table)});
    return answer;
}

Answer listPressures(const StandardRecord &standard)
{
    Answer answer;
    answer.table.headers = {QStringLiteral("pressure"), QStringLiteral("MPa")};
    for (const lookup::PressureTexts &entry : lookup::pressureTexts(standard))
        answer.table.rows.append({entry.listed, numberText(entry.stored)});
    return answer;
}

Answer listDiameters(const Request &request, const data::Connection &connection)
{
    QString error;
    const std::optional<QStringList> entries =
        lookup::readDiameterEntries(*request.standard, request.pressure.stored, connection, &error);
    if (!entries)
        return unreadable(*request.standard, error);
    Answer answer;
    answer.table.headers = {QStringLiteral("DN")};
    for (const QString &entry : *entries)
        answer.table.rows.append({numberText(entry)});
    if (answer.table.rows.isEmpty()) {
        answer.status = NothingFound;
        answer.notes << QStringLiteral("%1 holds no DN at %2").arg(nameOf(*request.standard), request.pressure.listed);
    }
    return answer;
}

const QString BoltsHeader = QString::fromUtf8(lookup::BoltThreadColumn);

Answer show(const Request &request, const data::Connection &connection)
{
    // A DN no page could ask for (1E+20, 1E-05) is one the table does not hold.
    const lookup::FlangeLookup found = lookup::findFlange(*request.standard, request.pressure.listed,
                                                          request.pressure.stored, request.diameter, connection);
    if (const auto *failure = std::get_if<lookup::ReadFailure>(&found))
        return unreadable(*request.standard, failure->reason);
    Answer answer;
    answer.table.headers = {QStringLiteral("column"), QStringLiteral("value")};
    answer.table.record = true;
    const auto *flange = std::get_if<lookup::FoundFlange>(&found);
    if (flange == nullptr) {
        answer.status = NothingFound;
        answer.notes << QStringLiteral("%1 holds no row for %2 DN %3")
                            .arg(nameOf(*request.standard), request.pressure.listed, request.diameter);
        return answer;
    }
    // The thread goes right after n or L, whichever the table gives last
    // (at the end when it gives neither).
    std::size_t boltsAfter = flange->values.size() - 1;
    for (std::size_t i = 0; i < flange->values.size(); ++i) {
        if (flange->values[i].column == QString::fromUtf8(data::BoltCountColumn)
            || flange->values[i].column == QString::fromUtf8(data::BoltHoleColumn))
            boltsAfter = i;
    }
    for (std::size_t i = 0; i < flange->values.size(); ++i) {
        answer.table.rows.append({flange->values[i].column, cell(flange->values[i].value)});
        if (flange->bolts && i == boltsAfter)
            answer.table.rows.append({BoltsHeader, flange->bolts->thread});
    }
    return answer;
}

Answer identify(const Request &request, const data::Connection &connection)
{
    const lookup::Identification found = lookup::identify(request.measured, connection);
    Answer answer;
    for (const QString &table : found.unreadTables)
        answer.notes << QStringLiteral("note: table %1 could not be read and was skipped").arg(table);
    answer.table.headers = {QStringLiteral("standards"), QStringLiteral("system"), QStringLiteral("pressure"),
                            QStringLiteral("MPa"),       QStringLiteral("DN"),     QStringLiteral("D"),
                            QStringLiteral("K"),         QStringLiteral("n"),      QStringLiteral("L"),
                            QStringLiteral("dD"),        QStringLiteral("dK"),     QStringLiteral("dL")};
    bool anyBolts = false;
    for (const lookup::IdentifiedFlange &flange : found.flanges) {
        QJsonArray standards;
        for (const StandardRecord *standard : flange.standards)
            standards.append(nameOf(*standard));
        const std::optional<lookup::BoltThread> bolts =
            lookup::boltThread(connection, *flange.standards.front(), flange.storedPressure,
                               data::generalNumberText(flange.diameter));
        anyBolts = anyBolts || bolts;
        answer.table.rows.append({standards, lookup::pressureKind(*flange.standards.front()), flange.pressure,
                                  numberText(flange.storedPressure), flange.diameter, cell(flange.outsideDiameter),
                                  cell(flange.boltCircle),
                                  flange.boltCount ? QJsonValue(*flange.boltCount) : QJsonValue(QJsonValue::Null),
                                  cell(flange.boltHole),
                                  bolts ? QJsonValue(bolts->thread) : QJsonValue(QJsonValue::Null),
                                  cell(flange.outsideDeviation), cell(flange.boltCircleDeviation),
                                  cell(flange.boltHoleDeviation)});
    }
    // A data file without bolts answers as it always has.
    const qsizetype boltsColumn = 9;
    if (anyBolts)
        answer.table.headers.insert(boltsColumn, BoltsHeader);
    else
        for (QList<Cell> &row : answer.table.rows)
            row.removeAt(boltsColumn);
    if (answer.table.rows.isEmpty())
        answer.status = NothingFound;
    if (found.unreadTables.size() == qsizetype(lookup::StandardRecords.size())) {
        answer.status = BadUsage;
        answer.notes = QStringList{QStringLiteral("the data file holds no readable flange table")};
    }
    return answer;
}

} // namespace

Answer run(const Request &request, const data::Connection &connection)
{
    switch (request.command) {
    case Request::Command::ListStandards:
        return listStandards();
    case Request::Command::ListPressures:
        return listPressures(*request.standard);
    case Request::Command::ListDiameters:
        return listDiameters(request, connection);
    case Request::Command::Show:
        return show(request, connection);
    case Request::Command::Rate:
        return rate(request, connection);
    case Request::Command::Materials:
        return materials(request, connection);
    case Request::Command::Identify:
        break;
    }
    return identify(request, connection);
}

} // namespace vantelo::cli
