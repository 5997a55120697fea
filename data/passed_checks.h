#pragma once

#include <QByteArray>
#include <QString>

struct sqlite3;

namespace vantelo::data {

// Files that passed the integrity check, remembered across runs by a digest
// of their bytes: the same bytes pass the same check, so a program that opens
// the same data file at every start checks it once. Only passes are
// remembered; a file with one byte changed is another file. Nothing is
// remembered until a program names the folder.
void rememberPassedChecksIn(const QString &folder);
// The user's cache folder for this program, as the window and the command
// line use it.
void rememberPassedChecksInUserCache();

// A digest of the bytes of the file the engine has open as db's main
// database, read through the engine's own handle, so of the very file it
// reads; empty when nothing is remembered or the file cannot be read. The
// digest (128-bit XXH3) tells changed bytes from the same ones; it is no
// defence against a forger, who could as well write a sound file holding
// other numbers, which no check can tell.
QByteArray passedCheckKey(sqlite3 *db);
bool passedBefore(const QByteArray &key);
void rememberPassed(const QByteArray &key);

} // namespace vantelo::data
