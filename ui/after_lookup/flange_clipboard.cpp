#include "ui/after_lookup/flange_clipboard.h"

#include <QMimeData>

namespace vantelo::ui {
namespace {

QString valueText(const Dimension &dimension)
{
    return dimension.value.value_or(QString::fromUtf16(kUnknownMark));
}

} // namespace

QString flangePlainText(const FoundFlange &flange)
{
    QString text = flange.headline() + QLatin1Char('\n');
    for (const Dimension &dimension : flange.dimensions)
        text += dimension.column + QLatin1Char('\t') + valueText(dimension) + QLatin1Char('\n');
    if (flange.bolts)
        text += QString::fromUtf8(lookup::BoltThreadColumn) + QLatin1Char('\t') + flange.bolts->thread + QLatin1Char('\n');
    return text;
}

QString flangeHtml(const FoundFlange &flange)
{
    QString html = QStringLiteral("<table border=\"1\" cellspacing=\"0\" cellpadding=\"2\">\n<caption>%1</caption>\n")
                       .arg(flange.headline().toHtmlEscaped());
    for (const Dimension &dimension : flange.dimensions) {
        html += QStringLiteral("<tr><th align=\"left\">%1</th><td align=\"right\">%2</td></tr>\n")
                    .arg(dimension.column.toHtmlEscaped(), valueText(dimension).toHtmlEscaped());
    }
    if (flange.bolts) {
        html += QStringLiteral("<tr><th align=\"left\">%1</th><td align=\"right\">%2</td></tr>\n")
                    .arg(QString::fromUtf8(lookup::BoltThreadColumn), flange.bolts->thread.toHtmlEscaped());
    }
    return html + QStringLiteral("</table>\n");
}

QMimeData *flangeMimeData(const FoundFlange &flange)
{
    auto *data = new QMimeData;
    data->setText(flangePlainText(flange));
    data->setHtml(flangeHtml(flange));
    return data;
}

} // namespace vantelo::ui
