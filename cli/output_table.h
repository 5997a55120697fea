#pragma once

#include <QByteArray>
#include <QJsonValue>
#include <QList>
#include <QStringList>

#include <optional>
#include <type_traits>
#include <utility>

namespace vantelo::cli {

enum class Format { Text, Csv, Json };

std::optional<Format> formatNamed(const QString &name);

// One cell of an answer: a number, a text, yes/no, null (unknown) or an
// array of texts, and the text it shows as text or CSV (a number in its general form
// unless the cell was given its text, such as a pressure's "2.0").
struct Cell
{
    template <typename T>
        requires std::is_constructible_v<QJsonValue, T &&>
    Cell(T &&value) : json(std::forward<T>(value)), text(textOf(json))
    {
    }
    Cell(double number, const QString &givenText) : json(number), text(givenText) {}

    QJsonValue json;
    QString text;

private:
    static QString textOf(const QJsonValue &value);
};

// What a command answers: named columns and rows of cells.
struct OutputTable
{
    QStringList headers;
    QList<QList<Cell>> rows;
    // One record of (name, value) rows: JSON gives it as one object.
    bool record = false;
};

// The text with every C0 and C1 control (and DEL) written as an escape
// ("\\n", "\\t", "\\x1b"), so that a value can neither drive a terminal nor
// break a line.
QString escapedControls(const QString &text);

// The table aligned for a terminal (controls escaped), as CSV, or as JSON (an array of objects,
// or one object for a record). Numbers keep their general form; unknown is
// empty text, or null in JSON.
QByteArray render(const OutputTable &table, Format format);

} // namespace vantelo::cli
