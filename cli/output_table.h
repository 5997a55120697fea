#pragma once

#include <QByteArray>
#include <QJsonValue>
#include <QList>
#include <QStringList>

#include <optional>

namespace vantelo::cli {

enum class Format { Text, Csv, Json };

std::optional<Format> formatNamed(const QString &name);

// What a command answers: named columns and rows of cells. A cell is a
// number, a text, null (unknown) or an array of texts.
struct OutputTable
{
    QStringList headers;
    QList<QList<QJsonValue>> rows;
    // One record of (name, value) rows: JSON gives it as one object.
    bool record = false;
};

// The table aligned for a terminal, as CSV, or as JSON (an array of objects,
// or one object for a record). Numbers keep their general form; unknown is
// empty text, or null in JSON.
QByteArray render(const OutputTable &table, Format format);

} // namespace vantelo::cli
