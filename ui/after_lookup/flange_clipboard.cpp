#include "ui/after_lookup/flange_clipboard.h"

#include "ui/after_lookup/flange_texts.h"

#include <QMimeData>

namespace vantelo::ui {
namespace {

QString valueText(const lookup::FoundFlange &flange, const QString &column)
{
    return flange.text(column).value_or(QString::fromUtf16(kUnknownMark));
}

} // namespace

QString flangePlainText(const lookup::FoundFlange &flange)
{
    QString text = headline(flange) + QLatin1Char('\n');
    for (const QString &column : lookup::shownColumns(*flange.standard))
        text += column + QLatin1Char('\t') + valueText(flange, column) + QLatin1Char('\n');
    if (flange.bolts)
        text += QString::fromUtf8(lookup::BoltThreadColumn) + QLatin1Char('\t') + flange.bolts->thread + QLatin1Char('\n');
    return text;
}

QString flangeHtml(const lookup::FoundFlange &flange)
{
    // The headline is a paragraph of its own above the table: spreadsheets
    // paste a table caption into the first cell together with its value.
    // The stated charset keeps the Chinese names intact in office programs.
    QString html = QStringLiteral("<html><head><meta http-equiv=\"content-type\" content=\"text/html; charset=utf-8\">"
                                  "</head><body>\n<p>%1</p>\n<table border=\"1\" cellspacing=\"0\" cellpadding=\"2\">\n")
                       .arg(headline(flange).toHtmlEscaped());
    for (const QString &column : lookup::shownColumns(*flange.standard)) {
        html += QStringLiteral("<tr><th align=\"left\">%1</th><td align=\"right\">%2</td></tr>\n")
                    .arg(column.toHtmlEscaped(), valueText(flange, column).toHtmlEscaped());
    }
    if (flange.bolts) {
        html += QStringLiteral("<tr><th align=\"left\">%1</th><td align=\"right\">%2</td></tr>\n")
                    .arg(QString::fromUtf8(lookup::BoltThreadColumn), flange.bolts->thread.toHtmlEscaped());
    }
    return html + QStringLiteral("</table>\n</body></html>\n");
}

QMimeData *flangeMimeData(const lookup::FoundFlange &flange)
{
    auto *data = new QMimeData;
    data->setText(flangePlainText(flange));
    data->setHtml(flangeHtml(flange));
    return data;
}

} // namespace vantelo::ui
