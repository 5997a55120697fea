#pragma once

#include <QByteArray>
#include <QString>

namespace vantelo::cli {

// Writes all of bytes to stdout, NULs included; false on a failed write.
bool writeAnswer(const QByteArray &bytes);

// Flushes stdout; false with the reason when anything written was lost
// (a full disk, a closed stream).
bool answerWritten(QString *reason);

// false when the program was started with stdout closed: a file opened later
// must not take its place.
bool standardOutputOpen();

// One line on stderr, "vantelo-query: " first, its controls escaped so that
// an argument quoted in it can neither break the line nor drive a terminal.
void writeMessage(const QString &message);

// The path to open for --data given as the argument's bytes: the text itself
// when it is UTF-8, else a name of the same file that survives the
// conversion to text (the file is kept open for that, by a descriptor).
QString openablePath(const QByteArray &argument);

} // namespace vantelo::cli
