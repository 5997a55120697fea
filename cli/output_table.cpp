#include "output_table.h"

#include "data/value_text.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <algorithm>

namespace vantelo::cli {

namespace {

QString cellText(const Cell &cell)
{
    return cell.text;
}

bool isControl(char16_t ch)
{
    return ch < 0x20 || (ch >= 0x7F && ch <= 0x9F);
}

// East Asian wide characters take two columns of a terminal.
bool isWide(char16_t ch)
{
    return (ch >= 0x1100 && ch <= 0x115F) || (ch >= 0x2E80 && ch <= 0xA4CF) || (ch >= 0xAC00 && ch <= 0xD7A3)
        || (ch >= 0xF900 && ch <= 0xFAFF) || (ch >= 0xFF00 && ch <= 0xFF60);
}

int displayWidth(const QString &text)
{
    int width = 0;
    for (const QChar ch : text)
        width += isWide(ch.unicode()) ? 2 : 1;
    return width;
}

QString padded(const QString &text, int width, bool right)
{
    const QString room(std::max(0, width - displayWidth(text)), QLatin1Char(' '));
    return right ? room + text : text + room;
}

QByteArray asText(const OutputTable &table)
{
    QList<int> widths;
    for (const QString &header : table.headers)
        widths << displayWidth(escapedControls(header));
    for (const auto &row : table.rows)
        for (qsizetype i = 0; i < row.size() && i < widths.size(); ++i)
            widths[i] = std::max(widths[i], displayWidth(escapedControls(cellText(row[i]))));

    // Only the padding is left out at the end of a line: a value's own
    // blanks stay.
    const auto line = [&](const QStringList &cells, const QList<bool> &right) {
        QStringList parts;
        for (qsizetype i = 0; i < cells.size(); ++i) {
            const bool last = i + 1 == cells.size();
            parts << (last && !right.value(i) ? cells[i] : padded(cells[i], widths.value(i), right.value(i)));
        }
        return parts.join(QStringLiteral("  ")) + QLatin1Char('\n');
    };
    QStringList headers;
    for (const QString &header : table.headers)
        headers << escapedControls(header);
    QString text = table.record ? QString() : line(headers, {});
    for (const auto &row : table.rows) {
        QStringList cells;
        QList<bool> right;
        for (const Cell &cell : row) {
            cells << escapedControls(cellText(cell));
            right << cell.json.isDouble();
        }
        text += line(cells, right);
    }
    return text.toUtf8();
}

QString csvField(const QString &text)
{
    if (!text.contains(QLatin1Char(',')) && !text.contains(QLatin1Char('"')) && !text.contains(QLatin1Char('\n'))
        && !text.contains(QLatin1Char('\r')))
        return text;
    QString quoted = text;
    quoted.replace(QLatin1String("\""), QLatin1String("\"\""));
    return QLatin1Char('"') + quoted + QLatin1Char('"');
}

QByteArray asCsv(const OutputTable &table)
{
    const auto line = [](const QStringList &cells) {
        QStringList fields;
        for (const QString &cell : cells)
            fields << csvField(cell);
        return fields.join(QLatin1Char(',')) + QLatin1Char('\n');
    };
    QString text = line(table.headers);
    for (const auto &row : table.rows) {
        QStringList cells;
        for (const Cell &cell : row)
            cells << cellText(cell);
        text += line(cells);
    }
    return text.toUtf8();
}

QByteArray asJson(const OutputTable &table)
{
    if (table.record) {
        QJsonObject object;
        for (const auto &row : table.rows)
            object.insert(row.at(0).text, row.at(1).json);
        return QJsonDocument(object).toJson(QJsonDocument::Indented);
    }
    QJsonArray array;
    for (const auto &row : table.rows) {
        QJsonObject object;
        for (qsizetype i = 0; i < table.headers.size(); ++i)
            object.insert(table.headers[i], i < row.size() ? row.at(i).json : QJsonValue());
        array.append(object);
    }
    return QJsonDocument(array).toJson(QJsonDocument::Indented);
}

} // namespace

QString escapedControls(const QString &text)
{
    QString escaped;
    escaped.reserve(text.size());
    for (const QChar ch : text) {
        const char16_t code = ch.unicode();
        if (!isControl(code))
            escaped += ch;
        else if (code == u'\n')
            escaped += QLatin1String("\\n");
        else if (code == u'\r')
            escaped += QLatin1String("\\r");
        else if (code == u'\t')
            escaped += QLatin1String("\\t");
        else
            escaped += QStringLiteral("\\x%1").arg(int(code), 2, 16, QLatin1Char('0'));
    }
    return escaped;
}

QString Cell::textOf(const QJsonValue &value)
{
    if (value.isDouble())
        return data::generalNumberText(value.toDouble());
    if (value.isBool())
        return value.toBool() ? QStringLiteral("yes") : QStringLiteral("no");
    if (value.isArray())
        return value.toVariant().toStringList().join(QLatin1Char(' '));
    return value.toString();
}

std::optional<Format> formatNamed(const QString &name)
{
    if (name == QLatin1String("text"))
        return Format::Text;
    if (name == QLatin1String("csv"))
        return Format::Csv;
    if (name == QLatin1String("json"))
        return Format::Json;
    return std::nullopt;
}

QByteArray render(const OutputTable &table, Format format)
{
    switch (format) {
    case Format::Text:
        return asText(table);
    case Format::Csv:
        return asCsv(table);
    case Format::Json:
        break;
    }
    return asJson(table);
}

} // namespace vantelo::cli
