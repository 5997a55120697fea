// The command line's arguments read in process: what a request holds once
// parsed, which a run of the whole program shows only through its answer.

#include "cli/query_request.h"

#include "lookup/identify.h"
#include "lookup/standard_record.h"

#include <QFile>
#include <QTest>

using vantelo::cli::Request;

class CommandLineParsingTest final : public QObject
{
    Q_OBJECT

private slots:
    void readsTheRequest_data();
    void readsTheRequest();
    void helpNamesEveryCommand();
    void manualStatesTheDefaultTolerances();
};

void CommandLineParsingTest::readsTheRequest_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("tolerance"); // empty: not given
    QTest::addColumn<QString>("request");   // the fields that matter, as text
    QTest::newRow("a bare class as the file stores it") << QStringList{"show", "20617", "2500", "50.0"} << ""
                                                        << "HG20617 2500# 42.0 DN 50";
    QTest::newRow("list at a pressure") << QStringList{"list", "hg20593", "1.60"} << "" << "HG20593 1.6 1.6 DN ";
    QTest::newRow("a grade, a temperature and a pressure") << QStringList{"rate", "a 105", "-29", "2"} << ""
                                                           << "rate 'a 105' at -29 for 2";
    QTest::newRow("one tolerance for every length") << QStringList{"identify", "n=12", "s=76.35"} << "0.5"
                                                    << "identify n=12 s=76.35 within 0.5 and 0.5";
}

void CommandLineParsingTest::readsTheRequest()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, tolerance);
    QFETCH(QString, request);
    const auto parsed = vantelo::cli::parseRequest(arguments, tolerance.isEmpty() ? std::nullopt
                                                                                  : std::optional(tolerance));
    if (const QString *error = std::get_if<QString>(&parsed))
        QFAIL(qPrintable(*error));
    const Request &r = std::get<Request>(parsed);
    QString text;
    if (r.command == Request::Command::Rate)
        text = QStringLiteral("rate '%1' at %2 for %3").arg(r.material).arg(r.temperature).arg(r.pressureMpa.value_or(-1));
    else if (r.command == Request::Command::Identify)
        text = QStringLiteral("identify n=%1 s=%2 within %3 and %4")
                   .arg(r.measured.boltCount.value_or(0))
                   .arg(r.measured.adjacentHoleDistance.value_or(0))
                   .arg(r.measured.lengthTolerance)
                   .arg(r.measured.holeTolerance);
    else
        text = QStringLiteral("%1 %2 %3 DN %4")
                   .arg(QString::fromUtf8(r.standard->caption), r.pressure.listed, r.pressure.stored, r.diameter);
    QCOMPARE(text, request);
}

void CommandLineParsingTest::helpNamesEveryCommand()
{
    const QString help = vantelo::cli::commandsHelp();
    for (const char *command : {"list", "show", "identify", "rate", "materials"}) {
        QVERIFY2(help.contains(QStringLiteral("\n  ") + QLatin1String(command) + QLatin1Char(' ')), command);
        // Every command the help names is one the parser takes.
        const auto parsed = vantelo::cli::parseRequest({QLatin1String(command)}, std::nullopt);
        if (const QString *error = std::get_if<QString>(&parsed))
            QVERIFY2(!error->startsWith(QStringLiteral("unknown command")), qPrintable(*error));
    }
}

// The manual is written by hand: the defaults it states are the ones identify
// compares with.
void CommandLineParsingTest::manualStatesTheDefaultTolerances()
{
    QFile manual(QStringLiteral(VANTELO_QUERY_MANUAL));
    QVERIFY2(manual.open(QIODevice::ReadOnly), qPrintable(manual.fileName()));
    const QString stated = QStringLiteral("Lengths fit within %1 mm for D and K and %2 mm for L")
                               .arg(vantelo::lookup::DefaultLengthTolerance)
                               .arg(vantelo::lookup::DefaultHoleTolerance);
    QVERIFY2(QString::fromUtf8(manual.readAll()).simplified().contains(stated), qPrintable(stated));
}

QTEST_GUILESS_MAIN(CommandLineParsingTest)
#include "test_command_line_parsing.moc"
