#include "isolated_import.h"

#include "access_import.h"
#include "child_process.h"
#include "import_reply.h"
#include "received_copy.h"

#include <QFileInfo>

#include <sqlite3.h>

namespace vantelo::data {

namespace {

std::uint64_t imageSizeLimit(const QString &path)
{
    const std::uint64_t fileSize = std::uint64_t(qMax<qint64>(QFileInfo(path).size(), 0));
    return qMin(fileSize * CopyGrowthFactor + CopyAllowance, CopySizeCeiling);
}

sqlite3 *fail(QString *error, const QString &reason)
{
    if (error)
        *error = reason;
    return nullptr;
}

void sendFailure(int answerDescriptor, const QString &reason)
{
    const QByteArray utf8 = reason.toUtf8();
    sendReply(answerDescriptor, ReplyKind::Failure, utf8.constData(), std::uint64_t(utf8.size()));
}

QString whyTheChildFailed(bool timedOut, Reply::Status status, ChildEnd end)
{
    if (timedOut)
        return QStringLiteral("the Access file took too long to read");
    if (status == Reply::Status::TooLarge)
        return QStringLiteral("the copy of the Access file is too large");
    if (end == ChildEnd::Crashed || end == ChildEnd::Failed)
        return QStringLiteral("the Access reader failed on the file");
    return QStringLiteral("the copy of the Access file came back incomplete");
}

} // namespace

void sendAccessCopy(const QString &path, int answerDescriptor)
{
    sqlite3 *db = nullptr;
    QString error;
    if (sqlite3_open_v2(":memory:", &db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr) != SQLITE_OK)
        error = QStringLiteral("no in-memory database for the copy of the Access file");
    else
        importAccessFileInProcess(path, db, &error);
    if (!error.isEmpty()) {
        sendFailure(answerDescriptor, error);
        sqlite3_close_v2(db);
        return;
    }
    sqlite3_int64 size = 0;
    unsigned char *image = sqlite3_serialize(db, "main", &size, 0);
    // A copy without tables has no pages: its image is empty, and no memory
    // is allocated for it.
    if (image || size == 0)
        sendReply(answerDescriptor, ReplyKind::Copy, image, std::uint64_t(size));
    else
        sendFailure(answerDescriptor, QStringLiteral("the copy of the Access file cannot be completed"));
    sqlite3_free(image);
    sqlite3_close_v2(db);
}

sqlite3 *importAccessFileIsolated(const QString &path, QString *error, const ImportIsolation &isolation)
{
    const std::uint64_t sizeLimit = imageSizeLimit(path);
    const QDeadlineTimer deadline(isolation.deadline, Qt::PreciseTimer);
    const ChildImport childImport = isolation.childImport;
    std::optional<StartedChild> child =
        startChild([&path, childImport](int answer) { childImport(path, answer); }, isolation.deadline);
    if (!child)
        return fail(error, QStringLiteral("no process can be started to read the Access file"));

    Reply reply = receiveReply(child->answer.get(), sizeLimit, deadline);
    const bool received = reply.status == Reply::Status::Received;
    // After its reply the child has nothing more to say: it must close the
    // pipe and end. A child that sends rubbish is not waited for.
    const ReadOutcome after = received ? waitForEndOfFile(child->answer.get(), deadline) : ReadOutcome::Failed;
    const bool misbehaved = reply.status == Reply::Status::TooLarge || reply.status == Reply::Status::Malformed
        || (received && after == ReadOutcome::Failed);
    child->answer.close();
    const ChildEnd end = finishChild(child->pid, misbehaved ? QDeadlineTimer(0) : deadline);

    if (!received || after != ReadOutcome::Complete || end != ChildEnd::Succeeded) {
        const bool timedOut = reply.status == Reply::Status::TimedOut || after == ReadOutcome::TimedOut
            || (end == ChildEnd::Killed && !misbehaved);
        return fail(error, whyTheChildFailed(timedOut, reply.status, end));
    }
    if (reply.kind == ReplyKind::Failure) {
        const QString reason = QString::fromUtf8(reinterpret_cast<const char *>(reply.payload.get()),
                                                 qsizetype(reply.size));
        return fail(error, reason.isEmpty() ? QStringLiteral("the Access file cannot be read") : reason);
    }
    sqlite3 *db = openReceivedCopy(std::move(reply.payload), reply.size);
    return db ? db : fail(error, QStringLiteral("the copy of the Access file came back damaged"));
}

} // namespace vantelo::data
