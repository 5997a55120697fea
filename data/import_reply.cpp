#include "import_reply.h"

#include "pipe_io.h"

#include <sqlite3.h>

#include <cstring>

namespace vantelo::data {

namespace {

constexpr std::size_t HeaderBytes = 1 + sizeof(std::uint64_t);
// A reason is one short sentence.
constexpr std::uint64_t MaxReasonSize = 4096;

Reply::Status statusOf(ReadOutcome outcome)
{
    switch (outcome) {
    case ReadOutcome::Complete:
        return Reply::Status::Received;
    case ReadOutcome::TimedOut:
        return Reply::Status::TimedOut;
    default:
        return Reply::Status::CutShort;
    }
}

Reply failed(Reply::Status status)
{
    Reply reply;
    reply.status = status;
    return reply;
}

} // namespace

void EngineMemoryFree::operator()(unsigned char *bytes) const
{
    sqlite3_free(bytes);
}

EngineBytes allocateImage(std::uint64_t size)
{
    EngineBytes image(static_cast<unsigned char *>(sqlite3_malloc64(size + ReplySlack)));
    if (image)
        std::memset(image.get() + size, 0, ReplySlack);
    return image;
}

bool sendReply(int descriptor, ReplyKind kind, const void *payload, std::uint64_t size)
{
    unsigned char header[HeaderBytes];
    header[0] = static_cast<unsigned char>(kind);
    std::memcpy(header + 1, &size, sizeof size);
    return writeAll(descriptor, header, sizeof header) && writeAll(descriptor, payload, std::size_t(size));
}

Reply receiveReply(int descriptor, std::uint64_t maxSize, const QDeadlineTimer &deadline)
{
    unsigned char header[HeaderBytes];
    if (const ReadOutcome read = readExactly(descriptor, header, sizeof header, deadline); read != ReadOutcome::Complete)
        return failed(statusOf(read));

    Reply reply;
    std::memcpy(&reply.size, header + 1, sizeof reply.size);
    if (header[0] != static_cast<unsigned char>(ReplyKind::Copy)
        && header[0] != static_cast<unsigned char>(ReplyKind::Failure))
        return failed(Reply::Status::Malformed);
    reply.kind = static_cast<ReplyKind>(header[0]);
    if (reply.size > (reply.kind == ReplyKind::Failure ? MaxReasonSize : maxSize))
        return failed(Reply::Status::TooLarge);

    reply.payload = allocateImage(reply.size);
    if (!reply.payload)
        return failed(Reply::Status::TooLarge);
    if (const ReadOutcome read = readExactly(descriptor, reply.payload.get(), std::size_t(reply.size), deadline);
        read != ReadOutcome::Complete)
        return failed(statusOf(read));
    reply.status = Reply::Status::Received;
    return reply;
}

} // namespace vantelo::data
