#pragma once

#include <QDeadlineTimer>

#include <cstdint>
#include <memory>

namespace vantelo::data {

// The one message the import child sends back over its pipe: a kind byte,
// the payload's length as 8 bytes in the machine's order, then the payload.
enum class ReplyKind : unsigned char {
    Copy = 'C',    // the in-memory copy as sqlite3_serialize wrote it
    Failure = 'F', // why the file could not be read, UTF-8
};

// Memory from sqlite3_malloc64, which sqlite3_deserialize may take over.
struct EngineMemoryFree
{
    void operator()(unsigned char *bytes) const;
};
using EngineBytes = std::unique_ptr<unsigned char, EngineMemoryFree>;

struct Reply
{
    enum class Status { Received, TimedOut, CutShort, TooLarge, Malformed };
    Status status = Status::Malformed;
    ReplyKind kind = ReplyKind::Failure;
    EngineBytes payload;  // size bytes, then ReplySlack zero bytes
    std::uint64_t size = 0;
};

// Zero bytes allocated after every payload: the engine may read a little
// past the end of a malformed database image.
constexpr std::uint64_t ReplySlack = 4096;

// size bytes for an image, followed by ReplySlack zero bytes; nullptr when
// the memory cannot be had.
EngineBytes allocateImage(std::uint64_t size);

bool sendReply(int descriptor, ReplyKind kind, const void *payload, std::uint64_t size);

// Reads one reply, refusing an image longer than maxSize or a reason longer
// than a few kilobytes before any of it is allocated.
Reply receiveReply(int descriptor, std::uint64_t maxSize, const QDeadlineTimer &deadline);

} // namespace vantelo::data
