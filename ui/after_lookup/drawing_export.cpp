#include "ui/after_lookup/drawing_export.h"

#include "ui/after_lookup/drawing_sheet.h"
#include "ui/after_lookup/export_folder.h"
#include "ui/after_lookup/export_target.h"

#include "data/error_text.h"
#include "data/program_directory.h"

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
    // The file written is the one the checks saw: a link named like a drawing
    // never leads the export onto the data file or onto a file of another kind.
    const std::optional<QString> target = exportTarget(path, data::programDirectory(), error);
    if (!target)
        return false;
    const QString suffix = QFileInfo(*target).suffix().toLower();
    bool (*write)(const DrawingSheet &, QIODevice &) = writeSvg;
    if (suffix == QLatin1String("pdf"))
        write = writePdf;
    else if (suffix == QLatin1String("png"))
        write = writePng;
    // A failed export leaves no half-written file behind.
    QSaveFile file(*target);
    if (!file.open(QIODevice::WriteOnly) || !write(sheet, file) || !file.commit()) {
        data::setError(error, QStringLiteral("无法写入文件“%1”：%2").arg(QDir::toNativeSeparators(path), file.errorString()));
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
    const QStringList filters{QStringLiteral("SVG 矢量图 (*.svg)"), QStringLiteral("PDF 文档 (*.pdf)"),
                              QStringLiteral("PNG 图片 (*.png)")};
    const QStringList suffixes{QStringLiteral("svg"), QStringLiteral("pdf"), QStringLiteral("png")};
    QFileDialog dialog(parent, QStringLiteral("导出图纸"), rememberedExportFolder(), filters.join(QStringLiteral(";;")));
    dialog.setObjectName(QStringLiteral("exportDrawingDialog"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    // The dialog adds the chosen format's suffix to a bare name before it
    // asks whether to replace a file, so that it asks about the file written.
    dialog.setDefaultSuffix(suffixes.front());
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog, [&](const QString &filter) {
        dialog.setDefaultSuffix(suffixes.value(filters.indexOf(filter), suffixes.front()));
    });
    dialog.selectFile(suggestedName + QStringLiteral(".svg"));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return;
    QString path = dialog.selectedFiles().constFirst();
    if (QFileInfo(path).suffix().isEmpty()) {
        // A dialog of the desktop's own may ignore the default suffix: then ask here.
        path += QLatin1Char('.') + suffixes.value(filters.indexOf(dialog.selectedNameFilter()), suffixes.front());
        if (QFileInfo::exists(path)
            && QMessageBox::question(parent, QStringLiteral("导出图纸"),
                                     QStringLiteral("“%1”已存在。要替换它吗？").arg(QDir::toNativeSeparators(path)))
                != QMessageBox::Yes)
            return;
    }
    QString error;
    if (exportDrawing(sheet, path, &error))
        rememberExportFolder(path);
    else
        QMessageBox::warning(parent, QStringLiteral("导出图纸"), error);
}

void printDrawingWithDialog(const DrawingSheet &sheet, QWidget *parent)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageSize(QPageSize(QPageSize::A4));
    // Printing to a file starts in the folder the last drawing went to.
    if (const QString folder = rememberedExportFolder(); !folder.isEmpty())
        printer.setOutputFileName(QDir(folder).filePath(QStringLiteral("drawing.pdf")));
    QPrintDialog dialog(&printer, parent);
    dialog.setWindowTitle(QStringLiteral("打印图纸"));
    if (dialog.exec() != QDialog::Accepted)
        return;
    if (!printer.outputFileName().isEmpty()) {
        QString error;
        const std::optional<QString> target = exportTarget(printer.outputFileName(), data::programDirectory(), &error);
        if (!target) {
            QMessageBox::warning(parent, QStringLiteral("打印图纸"), error);
            return;
        }
        printer.setOutputFileName(*target);
    }
    if (!printDrawing(sheet, printer))
        QMessageBox::warning(parent, QStringLiteral("打印图纸"), QStringLiteral("无法打印：打印机没有接受这份图纸。"));
    else if (!printer.outputFileName().isEmpty())
        rememberExportFolder(printer.outputFileName());
}

} // namespace vantelo::ui
