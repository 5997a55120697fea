#include "ui/after_lookup/drawing_export.h"

#include "ui/after_lookup/drawing_sheet.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QImage>
#include <QMessageBox>
#include <QPainter>
#include <QPdfWriter>
#include <QPrintDialog>
#include <QPrinter>
#include <QSaveFile>
#include <QSvgGenerator>

namespace vantelo::ui {
namespace {

constexpr int kPngScale = 2;

bool writeSvg(const DrawingSheet &sheet, QIODevice &device)
{
    QSvgGenerator generator;
    generator.setOutputDevice(&device);
    generator.setSize(sheet.size());
    generator.setViewBox(QRect(QPoint(), sheet.size()));
    QPainter painter;
    if (!painter.begin(&generator))
        return false;
    sheet.paint(painter);
    return painter.end();
}

bool writePdf(const DrawingSheet &sheet, QIODevice &device)
{
    QPdfWriter writer(&device);
    writer.setPageSize(QPageSize(QPageSize::A4));
    writer.setPageMargins(QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter);
    QPainter painter;
    if (!painter.begin(&writer))
        return false;
    sheet.paintFitted(painter, QRectF(0, 0, writer.width(), writer.height()));
    return painter.end();
}

bool writePng(const DrawingSheet &sheet, QIODevice &device)
{
    QImage image(sheet.size() * kPngScale, QImage::Format_RGB32);
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setRenderHint(QPainter::TextAntialiasing);
        painter.scale(kPngScale, kPngScale);
        sheet.paint(painter);
    }
    return image.save(&device, "PNG");
}

} // namespace

bool exportDrawing(const DrawingSheet &sheet, const QString &path, QString *error)
{
    const QString suffix = QFileInfo(path).suffix().toLower();
    bool (*write)(const DrawingSheet &, QIODevice &) = nullptr;
    if (suffix == QLatin1String("svg"))
        write = writeSvg;
    else if (suffix == QLatin1String("pdf"))
        write = writePdf;
    else if (suffix == QLatin1String("png"))
        write = writePng;
    if (write == nullptr) {
        if (error)
            *error = QStringLiteral("不支持的文件类型“%1”：请用 .svg、.pdf 或 .png 结尾的文件名。").arg(suffix);
        return false;
    }
    // A failed export leaves no half-written file behind.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || !write(sheet, file) || !file.commit()) {
        if (error)
            *error = QStringLiteral("无法写入文件“%1”：%2").arg(QDir::toNativeSeparators(path), file.errorString());
        file.cancelWriting();
        return false;
    }
    return true;
}

bool printDrawing(const DrawingSheet &sheet, QPrinter &printer)
{
    QPainter painter;
    if (!painter.begin(&printer))
        return false;
    // The painter's origin is the printable area's corner.
    sheet.paintFitted(painter, QRectF(QPointF(), printer.pageRect(QPrinter::DevicePixel).size()));
    return painter.end();
}

void exportDrawingWithDialog(const DrawingSheet &sheet, const QString &suggestedName, QWidget *parent)
{
    const QString svgFilter = QStringLiteral("SVG 矢量图 (*.svg)");
    const QString pdfFilter = QStringLiteral("PDF 文档 (*.pdf)");
    const QString pngFilter = QStringLiteral("PNG 图片 (*.png)");
    QString filter = svgFilter;
    QString path = QFileDialog::getSaveFileName(parent, QStringLiteral("导出图纸"), suggestedName + QStringLiteral(".svg"),
                                                QStringList{svgFilter, pdfFilter, pngFilter}.join(QStringLiteral(";;")),
                                                &filter);
    if (path.isEmpty())
        return;
    if (QFileInfo(path).suffix().isEmpty())
        path += filter == pdfFilter ? QStringLiteral(".pdf") : filter == pngFilter ? QStringLiteral(".png") : QStringLiteral(".svg");
    QString error;
    if (!exportDrawing(sheet, path, &error))
        QMessageBox::warning(parent, QStringLiteral("导出图纸"), error);
}

void printDrawingWithDialog(const DrawingSheet &sheet, QWidget *parent)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageSize(QPageSize(QPageSize::A4));
    QPrintDialog dialog(&printer, parent);
    dialog.setWindowTitle(QStringLiteral("打印图纸"));
    if (dialog.exec() == QDialog::Accepted && !printDrawing(sheet, printer))
        QMessageBox::warning(parent, QStringLiteral("打印图纸"), QStringLiteral("无法打印：打印机没有接受这份图纸。"));
}

} // namespace vantelo::ui
