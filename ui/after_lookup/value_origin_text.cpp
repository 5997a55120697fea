#include "ui/after_lookup/value_origin_text.h"

#include <QHash>
#include <QRegularExpression>

#include <algorithm>

namespace vantelo::ui {

QString unknownValueText()
{
    return QStringLiteral("未收录：公开资料中未找到该值");
}

QString shortSourceName(const QString &document)
{
    // The standard's designation, and the table when the reference names one
    // right after it: "HG/T 20592-2009 Table 8.2.1-4 PN16 ..." gives
    // "HG/T 20592-2009 表8.2.1-4".
    static const QRegularExpression designation(QStringLiteral(
        R"(\b((?:HG/T|GB/T|EN|ASME|ANSI)\s+[A-Z]?\d[\w.:/-]*)(?:\s+Table\s+(\d[\w.-]*))?)"));
    const QRegularExpressionMatch match = designation.match(document);
    if (!match.hasMatch())
        return {};
    QString name = match.captured(1);
    if (match.hasCaptured(2))
        name += QStringLiteral(" 表") + match.captured(2);
    return name;
}

QString originText(const QString &source, const QString &reference, const QString &confidence)
{
    static const QHash<QString, QString> grades{
        {QStringLiteral("high"), QStringLiteral("高")},
        {QStringLiteral("medium-high"), QStringLiteral("中高")},
        {QStringLiteral("medium"), QStringLiteral("中")},
        {QStringLiteral("medium-low"), QStringLiteral("中低")},
        {QStringLiteral("low"), QStringLiteral("低")},
    };
    // One short line per document ("S2: <reference>" in reference); the full
    // references are in the data sources window.
    QStringList names;
    for (const QString &line : reference.split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
        const qsizetype colon = line.indexOf(QStringLiteral(": "));
        const QString id = line.left(colon);
        const QString name = shortSourceName(line.mid(colon + 2));
        names.append(name.isEmpty() ? id : QStringLiteral("%1（%2）").arg(name, id));
    }
    if (names.isEmpty())
        names.append(source);
    QStringList lines{QStringLiteral("来源：") + names.join(QStringLiteral("\n　　　"))};
    if (!confidence.isEmpty())
        lines.append(QStringLiteral("可信度：") + grades.value(confidence, confidence));
    return lines.join(QLatin1Char('\n'));
}

QString boltsToolTip(const lookup::BoltThread &bolts)
{
    QString text = QString::fromUtf8(lookup::BoltThreadColumn) + QStringLiteral("：") + bolts.countText();
    if (bolts.origin.kind == lookup::ValueOrigin::Kind::Known)
        text += QLatin1Char('\n') + originText(bolts.origin.source, bolts.origin.reference, bolts.origin.confidence);
    return text;
}

QString labelToolTip(const QStringList &columns, const lookup::FoundFlange &flange, const OriginOf &originOf)
{
    QStringList paragraphs;
    for (const QString &column : columns) {
        const bool unknown = !flange.text(column);
        QString text = column;
        if (unknown)
            text += QLatin1Char('\n') + unknownValueText();
        else if (const std::optional<QString> origin = originOf ? originOf(column) : std::nullopt)
            text += QLatin1Char('\n') + *origin;
        paragraphs.append(text);
    }
    return paragraphs.join(QStringLiteral("\n\n"));
}

} // namespace vantelo::ui
