// vantelo-query run as a whole program on the shipped data file: what each
// command prints in each format, its exit status, and a one-line reason for
// every bad argument.

#include "support/data_file_writer.h"

#include <QJsonArray>
#include <algorithm>
#include <cmath>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <QDir>
#include <QTemporaryDir>
#include <QTest>

#include <cstdio>

#include <unistd.h>

namespace {

struct Run
{
    int status = -1;
    QString out;
    QString err;
};

// A program's file name as the system spells it.
QString executable(const char *name)
{
#ifdef Q_OS_WIN
    return QLatin1String(name) + QStringLiteral(".exe");
#else
    return QLatin1String(name);
#endif
}

} // namespace

class QueryCommandTest final : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void answers_data();
    void answers();
    void badUsageNamesTheArgument_data();
    void badUsageNamesTheArgument();
    void showAsJsonKeepsNumbersAndUnknowns();
    void identifyAsJsonAndCsv();
    void readsAFileWhosePathHoldsASemicolon();
    void runsFromAFolderWhoseNameHoldsASemicolon();
    void listsOnlyDiametersThatCanBeAskedFor();
    void rateAsJson();
    void showGivesTheBoltThread_data();
    void showGivesTheBoltThread();
    void textEscapesControlsAndNothingIsCut();
    void failedWriteIsAnError_data();
    void failedWriteIsAnError();
    void readsADataPathThatIsNotUtf8();

private:
    Run run(const QStringList &arguments) const;
    QString m_program;
};

void QueryCommandTest::initTestCase()
{
    const QString dir = qEnvironmentVariable("VANTELO_PROGRAM_DIR");
    m_program = dir + QLatin1Char('/') + executable("vantelo-query");
    QVERIFY(QFile::exists(m_program));
    if (!QFile::exists(dir + QStringLiteral("/FLDATA.mdb")))
        QSKIP("the shipped data file has not been built");
}

Run QueryCommandTest::run(const QStringList &arguments) const
{
    QProcess process;
    process.start(m_program, arguments);
    Run result;
    if (!process.waitForFinished(30000) || process.exitStatus() != QProcess::NormalExit)
        return result;
    result.status = process.exitCode();
    result.out = QString::fromUtf8(process.readAllStandardOutput());
    result.err = QString::fromUtf8(process.readAllStandardError());
#ifdef Q_OS_WIN
    // Text written to a Windows console or pipe ends its lines with CR LF.
    result.out.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    result.err.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
#endif
    return result;
}

void QueryCommandTest::answers_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("line"); // the start of a line of the output, blanks squeezed
    QTest::newRow("standards") << QStringList{"list"} << 0 << "HG20618 Class _HG20618";
    QTest::newRow("classes") << QStringList{"list", "HG20616"} << 0 << "1500# 26";
    QTest::newRow("pressures") << QStringList{"list", "20595", "--format", "csv"} << 0 << "6.3,6.3";
    QTest::newRow("class MPa as the page gives it") << QStringList{"list", "HG20616"} << 0 << "300# 5.0";
    QTest::newRow("diameters") << QStringList{"list", "hg20617", "2500#"} << 0 << "50";
    QTest::newRow("show by class") << QStringList{"show", "HG20617", "2500#", "50"} << 0 << "法兰外径D 235";
    QTest::newRow("show by bare class") << QStringList{"show", "HG20617", "2500", "50"} << 0 << "螺栓孔直径L 30";
    QTest::newRow("show by MPa") << QStringList{"show", "HG20617", "42.0", "50"} << 0 << "钢管外径A 60.3";
    QTest::newRow("show csv") << QStringList{"show", "HG20593", "1.6", "100", "--format=csv"} << 0
                              << "螺孔中圆直径K,180";
    QTest::newRow("identify") << QStringList{"identify", "D=340", "K=295", "n=12", "L=22"} << 0
                              << "HG20593 HG20594 HG20595 HG20596 PN 1.6 1.6 200 340 295 12 22 M20 0 0 0";
    QTest::newRow("identify from adjacent holes")
        << QStringList{"identify", "n=12", "s=76.35", "--tolerance", "0.1"} << 0
        << "HG20593 HG20594 HG20595 HG20596 PN 1.6 1.6 200 340 295 12 22 M20 0.006";
    QTest::newRow("no such DN") << QStringList{"show", "HG20593", "1.6", "99999"} << 1 << "";
    QTest::newRow("DN too large to ask for") << QStringList{"show", "HG20593", "1.6", "1e20"} << 1 << "";
    QTest::newRow("DN too small to ask for") << QStringList{"show", "HG20593", "1.6", "4.9e-324"} << 1 << "";
    QTest::newRow("rate: lowest class that holds first")
        << QStringList{"rate", "A105", "300", "2.0"} << 0 << "class MPa bar holds group confidence\n300# 3.98 39.8 yes 1.1 high";
    QTest::newRow("rate: a group, csv") << QStringList{"rate", "1.1", "38", "-f", "csv"} << 0
                                        << "class,MPa,bar,group,confidence\n150#,1.96,19.6,1.1,high";
    QTest::newRow("rate: grade without regard to case and spaces, none holds")
        << QStringList{"rate", "a 105", "300", "40"} << 1 << "class MPa bar holds group confidence\n150# 1.02 10.2 no";
    QTest::newRow("materials") << QStringList{"materials", "wcb"} << 0
                               << "A216 Gr. WCB 1.1 casting ASME B16.5 Table 2-1.1 high";
    QTest::newRow("materials: none") << QStringList{"materials", "unobtainium"} << 1 << "";
    QTest::newRow("fits nothing") << QStringList{"identify", "D=340", "n=7"} << 1 << "";
#ifdef Q_OS_WIN
    // Qt's parser takes the Windows spelling -? as well there.
    QTest::newRow("help") << QStringList{"--help"} << 0 << "-?, -h, --help";
#else
    QTest::newRow("help") << QStringList{"--help"} << 0 << "-h, --help";
#endif
    QTest::newRow("version") << QStringList{"--version"} << 0 << "vantelo-query 0.1";
}

void QueryCommandTest::answers()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, status);
    QFETCH(QString, line);
    const Run result = run(arguments);
    QCOMPARE(result.status, status);
    if (line.isEmpty()) {
        QCOMPARE(result.out, QString());
        return;
    }
    // A line given as two (with "\n") must be the output's first two lines.
    QStringList lines = result.out.split(QLatin1Char('\n'));
    if (line.contains(QLatin1Char('\n'))) {
        const QString firstTwo = lines.value(0).simplified() + QLatin1Char('\n') + lines.value(1).simplified();
        QVERIFY2(firstTwo.startsWith(line), qPrintable(result.out));
        return;
    }
    QVERIFY2(std::any_of(lines.begin(), lines.end(),
                         [&](const QString &printed) { return printed.simplified().startsWith(line); }),
             qPrintable(result.out));
}

void QueryCommandTest::badUsageNamesTheArgument_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("named"); // the bad argument or the valid choices
    QTest::newRow("no command") << QStringList{} << "list, show, identify";
    QTest::newRow("unknown command") << QStringList{"drop", "table"} << "'drop'";
    QTest::newRow("unknown option") << QStringList{"list", "--bogus"} << "bogus";
    QTest::newRow("unknown format") << QStringList{"list", "--format", "xml"} << "text, csv, json";
    QTest::newRow("unknown standard") << QStringList{"list", "HG9"} << "'HG9' (valid: HG20593, HG20594";
    QTest::newRow("pressure not offered") << QStringList{"list", "HG20616", "2500#"} << "1500# (26.0 MPa)";
    QTest::newRow("quote in pressure") << QStringList{"show", "HG20593", "1.6' or '1'='1", "100"} << "'1.6' or";
    QTest::newRow("DN not a number") << QStringList{"show", "HG20593", "1.6", "100;drop"} << "'100;drop'";
    QTest::newRow("DN not finite") << QStringList{"show", "HG20593", "1.6", "inf"} << "'inf'";
    QTest::newRow("show too short") << QStringList{"show", "HG20593"} << "STANDARD PRESSURE DN";
    QTest::newRow("no measurement") << QStringList{"identify"} << "no measurement";
    QTest::newRow("negative measurement") << QStringList{"identify", "D=-340"} << "'D=-340'";
    QTest::newRow("zero measurement") << QStringList{"identify", "L=0"} << "'L=0'";
    QTest::newRow("measurement not a number") << QStringList{"identify", "K=abc"} << "'K=abc'";
    QTest::newRow("unknown measurement") << QStringList{"identify", "x=5"} << "'x=5'";
    QTest::newRow("fractional count") << QStringList{"identify", "n=8.5"} << "'n=8.5'";
    QTest::newRow("measured twice") << QStringList{"identify", "D=1", "D=2"} << "'D=2'";
    QTest::newRow("opposite holes, odd count") << QStringList{"identify", "o=295", "n=5"} << "even";
    QTest::newRow("negative tolerance") << QStringList{"identify", "D=340", "--tolerance", "-1"} << "'-1'";
    QTest::newRow("bolt circle overflows") << QStringList{"identify", "n=1000", "s=1e308"} << "'s=1e308'";
    QTest::newRow("tolerance overflows") << QStringList{"identify", "D=1e308", "--tolerance", "1.7e308"} << "'1.7e308'";
    QTest::newRow("adjacent holes of one hole") << QStringList{"identify", "n=1", "s=100"} << "n= of 2 or more";
    QTest::newRow("controls in a quoted argument") << QStringList{"list", "HG\n9\x1b[2J"} << "'HG\\n9\\x1b[2J'";
    QTest::newRow("rate: unknown material") << QStringList{"rate", "unobtainium", "100"} << "'unobtainium'";
    QTest::newRow("rate: above the group's range") << QStringList{"rate", "A105", "539"} << "-29 to 538";
    QTest::newRow("rate: below -29") << QStringList{"rate", "1.1", "-30"} << "-30";
    QTest::newRow("rate: temperature not a number") << QStringList{"rate", "A105", "hot"} << "'hot'";
    QTest::newRow("rate: negative pressure") << QStringList{"rate", "A105", "100", "-1"} << "'-1'";
    QTest::newRow("missing data file") << QStringList{"list", "HG20593", "1.6", "--data", "/nonexistent/FLDATA.mdb"}
                                       << "/nonexistent/FLDATA.mdb";
    QTest::newRow("not a data file") << QStringList{"identify", "D=340", "--data", "/etc/passwd"} << "/etc/passwd";
    QTest::newRow("Access file without flange tables")
        << QStringList{"identify", "D=340", "--data", qEnvironmentVariable("VANTELO_FIXTURES_DIR") + "/nwind-jet3.mdb"}
        << "no readable flange table";
    QTest::newRow("rate: a data file without ratings")
        << QStringList{"rate", "A105", "100", "--data", qEnvironmentVariable("VANTELO_FIXTURES_DIR") + "/nwind-jet3.mdb"}
        << "no pressure-temperature ratings";
}

void QueryCommandTest::badUsageNamesTheArgument()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, named);
    const Run result = run(arguments);
    QCOMPARE(result.status, 2);
    QCOMPARE(result.out, QString());
    QCOMPARE(result.err.count(QLatin1Char('\n')), 1);
    QVERIFY2(result.err.contains(named), qPrintable(result.err));
}

void QueryCommandTest::showAsJsonKeepsNumbersAndUnknowns()
{
    const Run result = run({"show", "HG20596", "1.6", "100", "--format", "json"});
    QCOMPARE(result.status, 0);
    const QJsonObject row = QJsonDocument::fromJson(result.out.toUtf8()).object();
    QCOMPARE(row.value("公称压力PN"), QJsonValue("1.6"));
    QCOMPARE(row.value("公称通径DN"), QJsonValue(100));
    QCOMPARE(row.value("法兰外径D"), QJsonValue(220));
    QVERIFY(row.contains("法兰厚度C"));
    QVERIFY(row.value("法兰厚度C").isNull());
}

void QueryCommandTest::identifyAsJsonAndCsv()
{
    const QStringList measured{"identify", "K=241", "n=8", "L=22"};
    const QJsonArray flanges = QJsonDocument::fromJson(run(measured + QStringList{"-f", "json"}).out.toUtf8()).array();
    QVERIFY(flanges.size() >= 3);
    const QJsonObject best = flanges.first().toObject();
    QCOMPARE(best.value("standards").toArray(), (QJsonArray{"HG20616", "HG20617", "HG20618"}));
    QCOMPARE(best.value("pressure"), QJsonValue("150#"));
    QCOMPARE(best.value("MPa"), QJsonValue(2));
    QCOMPARE(best.value("DN"), QJsonValue(150));
    QCOMPARE(best.value(QStringLiteral("螺栓规格")), QJsonValue("M20"));
    QVERIFY(best.value("dD").isNull());
    QVERIFY(std::abs(best.value("dK").toDouble() - 0.3) < 1e-9);

    const Run none = run({"identify", "D=340", "n=7", "--format", "json"});
    QCOMPARE(none.status, 1);
    const QJsonDocument empty = QJsonDocument::fromJson(none.out.toUtf8());
    QVERIFY(empty.isArray() && empty.array().isEmpty());

    const QStringList csv = run(measured + QStringList{"--format", "csv"}).out.split('\n', Qt::SkipEmptyParts);
    QCOMPARE(csv.first(), QStringLiteral("standards,system,pressure,MPa,DN,D,K,n,L,螺栓规格,dD,dK,dL"));
    QCOMPARE(csv.size(), flanges.size() + 1);
    QVERIFY2(csv.contains("HG20593 HG20594 HG20595 HG20596,PN,1.6,1.6,150,285,240,8,22,M20,,-1,0"), qPrintable(csv.join('\n')));
}

void QueryCommandTest::readsAFileWhosePathHoldsASemicolon()
{
    const QTemporaryDir dir;
    const QString copy = dir.filePath(QStringLiteral("a;Data Source=elsewhere;b.mdb"));
    QVERIFY(QFile::copy(qEnvironmentVariable("VANTELO_PROGRAM_DIR") + QStringLiteral("/FLDATA.mdb"), copy));
    const Run result = run({"show", "HG20593", "1.6", "100", "--data", copy});
    QCOMPARE(result.status, 0);
    QVERIFY2(result.out.contains(QStringLiteral("法兰外径D")), qPrintable(result.err));
}

void QueryCommandTest::runsFromAFolderWhoseNameHoldsASemicolon()
{
    const QTemporaryDir dir;
    const QString folder = dir.filePath(QStringLiteral("semi;colon"));
    QVERIFY(QDir().mkdir(folder));
    const QString programDir = qEnvironmentVariable("VANTELO_PROGRAM_DIR");
    for (const QString &name : {executable("vantelo-query"), executable("vantelo-import"), QStringLiteral("FLDATA.mdb")})
        QVERIFY(QFile::copy(programDir + QLatin1Char('/') + name, folder + QLatin1Char('/') + name));

    QProcess process;
    process.start(folder + QLatin1Char('/') + executable("vantelo-query"), {"show", "HG20593", "1.6", "100"});
    QVERIFY(process.waitForFinished(30000));
    QVERIFY2(process.exitCode() == 0, process.readAllStandardError().constData());
    QVERIFY(QString::fromUtf8(process.readAllStandardOutput()).contains(QStringLiteral("法兰外径D")));
}

void QueryCommandTest::listsOnlyDiametersThatCanBeAskedFor()
{
    const QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("FLDATA.mdb"));
    QVERIFY(vantelo::test::writeDataFile(
        file, {vantelo::test::createFlangeTable(QStringLiteral("_HG20593"), {}),
               QStringLiteral("insert into _HG20593 values ('1.6', 9e999), ('1.6', 100), ('1.6', -9e999)")}));
    const Run result = run({"list", "HG20593", "1.6", "--data", file});
    QCOMPARE(result.status, 0);
    QCOMPARE(result.out.split(QLatin1Char('\n'), Qt::SkipEmptyParts), (QStringList{"DN", "100"}));
}

void QueryCommandTest::rateAsJson()
{
    const QJsonArray classes =
        QJsonDocument::fromJson(run({"rate", "A105", "300", "2.0", "--format", "json"}).out.toUtf8()).array();
    QCOMPARE(classes.size(), 6);
    const QJsonObject first = classes.first().toObject();
    QCOMPARE(first.value("class"), QJsonValue("300#"));
    QCOMPARE(first.value("holds"), QJsonValue(true));
    QCOMPARE(first.value("bar"), QJsonValue(39.8));
    QCOMPARE(classes.at(1).toObject().value("holds"), QJsonValue(false));
}

void QueryCommandTest::showGivesTheBoltThread_data()
{
    QTest::addColumn<QStringList>("flange");
    QTest::addColumn<QString>("thread");
    QTest::newRow("European") << QStringList{"HG20593", "1.6", "100"} << "M16";
    QTest::newRow("American") << QStringList{"HG20616", "150#", "150"} << "M20";
}

void QueryCommandTest::showGivesTheBoltThread()
{
    QFETCH(QStringList, flange);
    QFETCH(QString, thread);
    const QStringList show = QStringList{"show"} + flange;
    const QStringList text = run(show).out.split('\n');
    const qsizetype at = text.indexOf(QRegularExpression(QStringLiteral("^螺栓规格 +") + thread + '$'));
    QVERIFY2(at > 0, qPrintable(text.join('\n')));
    QVERIFY2(text.at(at - 1).startsWith(QStringLiteral("螺栓孔")), qPrintable(text.join('\n'))); // beside n and L
    QVERIFY(run(show + QStringList{"-f", "csv"}).out.split('\n').contains(QStringLiteral("螺栓规格,") + thread));
    const QJsonObject row = QJsonDocument::fromJson(run(show + QStringList{"-f", "json"}).out.toUtf8()).object();
    QCOMPARE(row.value(QStringLiteral("螺栓规格")), QJsonValue(thread));
}

void QueryCommandTest::textEscapesControlsAndNothingIsCut()
{
    const QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("FLDATA.mdb"));
    QVERIFY(vantelo::test::writeDataFile(
        file, {QStringLiteral("create table _HG20593 (公称压力PN TEXT, 公称通径DN REAL, \"  备注\" TEXT, 法兰外径D REAL)"),
               QStringLiteral("insert into _HG20593 values ('1.6', 100, 'a' || char(0) || 'b' || char(27) || "
                              "']0;title' || char(7) || char(10) || 'next' || char(155), 220)")}));
    const QStringList show{"show", "HG20593", "1.6", "100", "--data", file};
    const Run text = run(show);
    QCOMPARE(text.status, 0);
    const QStringList lines = text.out.split('\n', Qt::SkipEmptyParts);
    QCOMPARE(lines.size(), 4); // no bolt table: no thread
    QVERIFY2(lines.at(2).startsWith(QStringLiteral("  备注")), qPrintable(text.out));
    QVERIFY2(lines.at(2).endsWith(QStringLiteral("a\\x00b\\x1b]0;title\\x07\\nnext\\x9b")), qPrintable(text.out));
    QVERIFY(std::none_of(text.out.begin(), text.out.end(),
                         [](QChar c) { return c != '\n' && (c.unicode() < 0x20 || (c.unicode() >= 0x7f && c.unicode() <= 0x9f)); }));
    QVERIFY(lines.at(3).startsWith(QStringLiteral("法兰外径D")));

    const Run csv = run(show + QStringList{"-f", "csv"});
    QVERIFY2(csv.out.contains(QStringLiteral("a") + QChar(0) + QStringLiteral("b")), qPrintable(csv.out));
    QVERIFY2(csv.out.endsWith(QStringLiteral("法兰外径D,220\n")), qPrintable(csv.out));
}

void QueryCommandTest::failedWriteIsAnError_data()
{
    QTest::addColumn<QString>("redirection");
    QTest::newRow("full disk") << ">/dev/full";
    QTest::newRow("closed") << ">&-";
}

void QueryCommandTest::failedWriteIsAnError()
{
    QFETCH(QString, redirection);
#ifdef Q_OS_WIN
    QSKIP("the redirections are a POSIX shell's");
#endif
    QProcess process;
    process.start("sh", {"-c", "exec \"$0\" show HG20593 1.6 100 " + redirection, m_program});
    QVERIFY(process.waitForFinished(30000));
    QCOMPARE(process.exitCode(), 2);
    QVERIFY2(process.readAllStandardError().contains("vantelo-query: cannot write the answer: "), "no reason given");
}

void QueryCommandTest::readsADataPathThatIsNotUtf8()
{
#ifdef Q_OS_WIN
    QSKIP("Windows names files in UTF-16: every name is one the program can take");
#endif
    const QTemporaryDir dir;
    const QString copy = dir.filePath(QStringLiteral("copy.mdb"));
    QVERIFY(QFile::copy(qEnvironmentVariable("VANTELO_PROGRAM_DIR") + QStringLiteral("/FLDATA.mdb"), copy));
    const QByteArray bytes = QFile::encodeName(dir.path()) + "/\xff\xfe.mdb";
    QCOMPARE(::rename(QFile::encodeName(copy).constData(), bytes.constData()), 0);
    QProcess process;
    process.start("sh", {"-c", "exec \"$0\" show HG20593 1.6 100 --data \"$1/$(printf '\\377\\376').mdb\"", m_program,
                         dir.path()});
    QVERIFY(process.waitForFinished(30000));
    ::unlink(bytes.constData()); // a name QTemporaryDir cannot remove
    QVERIFY2(process.exitCode() == 0, process.readAllStandardError().constData());
    QVERIFY(QString::fromUtf8(process.readAllStandardOutput()).contains(QStringLiteral("法兰外径D")));
}

QTEST_GUILESS_MAIN(QueryCommandTest)
#include "test_query_command.moc"
