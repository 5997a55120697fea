// Prints every speed and memory figure of the program as one table.
#include "after_lookup_figures.h"
#include "bench_figures.h"
#include "identify_figures.h"
#include "rating_figures.h"

#include <QApplication>
#include <QTemporaryDir>

#include <cstdio>

using namespace vantelo::bench;

namespace {

// The offscreen platform's note on every window it shows is no figure.
void dropPlatformNotes(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (!message.contains(QLatin1String("does not support propagateSizeHints")))
        std::fputs(qPrintable(qFormatLogMessage(type, context, message) + QLatin1Char('\n')), stderr);
}

void row(const char *figure, double value, const char *unit, const char *goal)
{
    std::printf("| %-52s | %10.3f %-3s | %-28s |\n", figure, value, unit, goal);
}

} // namespace

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
    qInstallMessageHandler(dropPlatformNotes);
    QApplication application(argc, argv);
    const QString programDir = QStringLiteral(VANTELO_PROGRAM_DIR);
    const QString shipped = programDir + QStringLiteral("/FLDATA.mdb");

    const ProcessFigures bare = measureProcess(programDir + QStringLiteral("/vantelo_bare_window_probe"), 15);
    const ProcessFigures startup = measureProcess(programDir + QStringLiteral("/vantelo_startup_probe"), 15);
    const ProcessFigures firstStartup =
        measureProcess(programDir + QStringLiteral("/vantelo_startup_probe"), 15, false);

    std::printf("| %-52s | %14s | %-28s |\n", "figure", "median", "goal");
    std::printf("|%s|%s|%s|\n", QByteArray(54, '-').constData(), QByteArray(16, '-').constData(),
                QByteArray(30, '-').constData());
    row("start-up to window shown, bare Qt window (floor)", bare.medianMs, "ms", "");
    row("start-up to window shown, seven lists filled", startup.medianMs, "ms", "<= 2 x floor");
    row("start-up / floor", startup.medianMs / bare.medianMs, "x", "<= 2");
    row("  first start-up, data file not checked before", firstStartup.medianMs, "ms", "");
    row("diameter-list refill", medianRefillMs(programDir, 2001), "ms", "< 0.5 ms");
    row("query click, shipped data", medianClickMs(programDir, 2001), "ms", "< 0.5 ms");
    for (int rows : {1000, 10000, 100000}) {
        QTemporaryDir dir;
        const QByteArray name = QStringLiteral("query click, table grown by %1 rows").arg(rows).toUtf8();
        row(name.constData(),
            writeGrownDataFile(shipped, dir.path(), rows) ? medianClickMs(dir.path(), 2001) : -1, "ms",
            "< 0.5 ms");
    }
    row("open of the 3-MB Access file nwind-jet3.mdb", medianOpenMs(QStringLiteral(VANTELO_ACCESS_SAMPLE), 15),
        "ms", "< 100 ms");
    row("whole-table window opened, shipped data", medianWholeTableMs(programDir, 31), "ms", "");
    for (const bool indexed : {true, false}) {
        QTemporaryDir dir;
        const WholeTableFigures figures = writeWholeTableDataFile(shipped, dir.path(), 100000, indexed)
            ? wholeTableFigures(dir.path(), 5, 100000)
            : WholeTableFigures{};
        const char *table = indexed ? "with index" : "without index";
        row(QStringLiteral("whole table of 100,000 rows at one PN, %1").arg(QLatin1String(table)).toUtf8().constData(),
            figures.medianMs, "ms", indexed ? "< 1000 ms" : "");
        row(QStringLiteral("  longest wait for the window, %1").arg(QLatin1String(table)).toUtf8().constData(),
            figures.longestStallMs, "ms", "<= 500 ms");
    }
    for (const char *format : {"svg", "pdf", "png"}) {
        const QByteArray name = QStringLiteral("drawing export to %1, shipped data").arg(QLatin1String(format)).toUtf8();
        row(name.constData(), medianExportMs(programDir, QLatin1String(format), 15), "ms", "");
    }
    row("identify (D, K, n, L) in seven tables, shipped data", medianIdentifyMs(shipped, 201), "ms", "< 5 ms");
    {
        QTemporaryDir dir;
        row("identify, 100,000 rows added to every table",
            writeIdentifyDataFile(shipped, dir.path(), 100000)
                ? medianIdentifyMs(dir.path() + QStringLiteral("/FLDATA.mdb"), 21, false)
                : -1,
            "ms", "< 100 ms");
    }
    row("rating of six classes, one material and temperature", medianRatingMs(shipped, 2001), "ms", "< 1 ms");
    row("design-conditions dialog with its chart open", medianRatingDialogMs(shipped, 31), "ms", "< 150 ms");
    const ShowAgainstShell show = compareShowWithShell(programDir, 31);
    row("vantelo-query show, whole process", show.queryMs, "ms", "");
    row("sqlite3 shell, same statement and file", show.shellMs, "ms", "");
    row("vantelo-query show / sqlite3 shell", show.queryMs / show.shellMs, "x", "<= 2");
    row("bare Qt Core program printing a line", show.bareMs, "ms", "");
    row("vantelo-query show / bare Qt Core program", show.queryMs / show.bareMs, "x", "<= 1.5");
    row("  show, data file not checked before", show.firstQueryMs, "ms", "");
    row("peak memory, bare Qt window", bare.peakKb / 1024.0, "MiB", "");
    row("peak memory, program with data", startup.peakKb / 1024.0, "MiB", "<= 2 x bare");
    row("peak memory ratio", double(startup.peakKb) / double(bare.peakKb), "x", "<= 2");
    return 0;
}
