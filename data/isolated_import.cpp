#include "isolated_import.h"

#include "database_image.h"
#include "error_text.h"
#include "program_directory.h"

#include <QDeadlineTimer>
#include <QFileInfo>
#include <QProcess>

#include <sqlite3.h>

#ifdef Q_OS_UNIX
#include <sys/resource.h>
#endif

namespace vantelo::data {

namespace {

// A reason is one short sentence.
constexpr qsizetype MaxReasonSize = 4096;
// Exit status of a helper that could not read the file and says why.
constexpr int ReasonGiven = 2;

qsizetype imageSizeLimit(const QString &path)
{
    const std::uint64_t fileSize = std::uint64_t(qMax<qint64>(QFileInfo(path).size(), 0));
    return qsizetype(qMin(fileSize * CopyGrowthFactor + CopyAllowance, CopySizeCeiling));
}

sqlite3 *fail(QString *error, const QString &reason)
{
    setError(error, reason);
    return nullptr;
}

QString helperBesideTheProgram()
{
    QString helper = programDirectory() + QLatin1Char('/') + QLatin1String(ImportHelperName);
#ifdef Q_OS_WIN
    helper += QLatin1String(".exe");
#endif
    return helper;
}

enum class Outcome { Finished, TimedOut, TooLarge };

// Reads the helper's output until it ends, the deadline passes or the output
// outgrows limit; a helper that is still running then is killed.
Outcome collect(QProcess &helper, QByteArray &output, qsizetype limit, const QDeadlineTimer &deadline)
{
    Outcome outcome = Outcome::Finished;
    while (helper.state() != QProcess::NotRunning) {
        if (deadline.hasExpired()) {
            outcome = Outcome::TimedOut;
            break;
        }
        helper.waitForReadyRead(int(qMax<qint64>(deadline.remainingTime(), 1)));
        output += helper.readAllStandardOutput();
        if (output.size() > limit) {
            outcome = Outcome::TooLarge;
            break;
        }
    }
    if (helper.state() != QProcess::NotRunning) {
        helper.kill();
        helper.waitForFinished(-1);
        return outcome;
    }
    output += helper.readAllStandardOutput();
    return output.size() > limit ? Outcome::TooLarge : outcome;
}

} // namespace

sqlite3 *importAccessFileIsolated(const QString &path, QString *error, const ImportIsolation &isolation)
{
    const QString program = isolation.helper.isEmpty() ? helperBesideTheProgram() : isolation.helper;
    if (!QFileInfo(program).isExecutable())
        return fail(error, QStringLiteral("the Access import helper is missing beside the program"));

    const QDeadlineTimer deadline(isolation.deadline, Qt::PreciseTimer);
    QProcess helper;
    helper.setProgram(program);
    helper.setArguments({path});
    helper.setStandardInputFile(QProcess::nullDevice());
    helper.setStandardErrorFile(QProcess::nullDevice());
#ifdef Q_OS_UNIX
    // No core file from a helper that crashes on a damaged Access file.
    helper.setChildProcessModifier([] {
        const rlimit noCore{0, 0};
        ::setrlimit(RLIMIT_CORE, &noCore);
    });
#endif
    helper.start(QIODevice::ReadOnly);
    if (!helper.waitForStarted(int(qMax<qint64>(deadline.remainingTime(), 1))))
        return fail(error, QStringLiteral("no process can be started to read the Access file"));

    QByteArray output;
    const Outcome outcome = collect(helper, output, imageSizeLimit(path), deadline);
    if (outcome == Outcome::TimedOut)
        return fail(error, QStringLiteral("the Access file took too long to read"));
    if (outcome == Outcome::TooLarge)
        return fail(error, QStringLiteral("the copy of the Access file is too large"));
    if (helper.exitStatus() != QProcess::NormalExit)
        return fail(error, QStringLiteral("the Access reader failed on the file"));
    if (helper.exitCode() == ReasonGiven && output.size() <= MaxReasonSize) {
        const QString reason = QString::fromUtf8(output);
        return fail(error, reason.isEmpty() ? QStringLiteral("the Access file cannot be read") : reason);
    }
    if (helper.exitCode() != 0)
        return fail(error, QStringLiteral("the Access reader failed on the file"));
    CheckVerdict verdict = CheckVerdict::Damaged;
    sqlite3 *db = openReceivedCopy(output, isolation.limits, &verdict);
    if (db == nullptr && verdict == CheckVerdict::TooLarge)
        return fail(error, QString::fromLatin1(TooLargeToCheck));
    return db ? db : fail(error, QStringLiteral("the copy of the Access file came back damaged"));
}

} // namespace vantelo::data
