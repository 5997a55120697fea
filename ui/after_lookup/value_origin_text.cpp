#include "ui/after_lookup/value_origin_text.h"

#include <QHash>

#include <algorithm>

namespace vantelo::ui {

QString unknownValueText()
{
    return QStringLiteral("未收录：公开资料中未找到该值");
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
    QStringList lines{QStringLiteral("来源：") + source};
    if (!reference.isEmpty())
        lines.append(reference);
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

QString labelToolTip(const QStringList &columns, const FoundFlange &flange, const OriginOf &originOf)
{
    QStringList paragraphs;
    for (const QString &column : columns) {
        const auto dimension = std::ranges::find(flange.dimensions, column, &Dimension::column);
        const bool unknown = dimension != flange.dimensions.end() && !dimension->value;
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
