// What a page offers once a flange is on it: the copied dimensions, the whole
// table, the exported drawing and the labels' tooltips, on a small data file
// holding one unknown value per table.

#include "app/load_step.h"
#include "lookup/standards.h"
#include "support/data_file_writer.h"
#include "ui/after_lookup/after_lookup_actions.h"
#include "ui/after_lookup/drawing_export.h"
#include "ui/after_lookup/drawing_sheet.h"
#include "ui/after_lookup/page_after_lookup.h"
#include "ui/after_lookup/whole_table_dialog.h"
#include "ui/after_lookup/whole_table_model.h"
#include "ui/main_window.h"

#include "data/program_directory.h"
#include "ui/tab_control.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QDir>
#include <QFileInfo>
#include <QHelpEvent>
#include <QImage>
#include <QFileDialog>
#include <QItemSelectionModel>
#include <QLabel>
#include <QMessageBox>
#include <QSettings>
#include <QStandardItemModel>
#include <QStandardPaths>
#include <QTemporaryFile>
#include <QTimer>
#include <QMenu>
#include <QMimeData>
#include <QPrinter>
#include <QPushButton>
#include <QRegularExpression>
#include <QTableView>
#include <QTemporaryDir>
#include <QToolTip>
#include <QTest>

#include <memory>

#ifdef Q_OS_WIN
#include <windows.h>
#endif

using namespace vantelo;

namespace {

// A symbolic link as the system's own file calls follow it. On Windows
// QFile::link makes a shell shortcut, which file calls do not follow.
bool makeSymbolicLink(const QString &target, const QString &link)
{
#ifdef Q_OS_WIN
    const auto toWide = [](const QString &path) { return QDir::toNativeSeparators(path).toStdWString(); };
    return CreateSymbolicLinkW(toWide(link).c_str(), toWide(target).c_str(),
                               SYMBOLIC_LINK_FLAG_ALLOW_UNPRIVILEGED_CREATE);
#else
    return QFile::link(target, link);
#endif
}

// Rows of the project's tables, with 坡口宽度b and 法兰高度H left unknown.
const QStringList kStatements{
    test::createFlangeTable(QStringLiteral("_HG20593"),
                            {"管子外径A1A", "管子外径A1B", "螺栓孔数量n", "螺栓孔直径L", "法兰内径B1A",
                             "法兰内径B1B", "螺孔中圆直径K", "法兰外径D", "法兰厚度C", "坡口宽度b"}),
    QStringLiteral("insert into _HG20593 values ('1.6', 80, 88.9, 89, 8, 18, 90.5, 91, 160, 200, 20, 6)"),
    QStringLiteral("insert into _HG20593 values ('1.6', 100, 114.3, 108, 8, 18, 116, 110, 180, 220, 22, null)"),
    test::createFlangeTable(QStringLiteral("_HG20617"),
                            {"法兰颈N", "钢管外径A", "法兰内径B-注", "螺孔中圆直径K", "法兰外径D", "螺栓孔数量n",
                             "螺栓孔直径L", "法兰厚度C", "法兰高度H"}),
    QStringLiteral("insert into _HG20617 values ('42.0', 50, 95, 60.3, 52.5, 171.4, 235, 8, 30, 50.9, null)"),
};

} // namespace

class AfterLookupTest final : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void copiedDimensionsNameTheFoundFlange_data();
    void copiedDimensionsNameTheFoundFlange();
    void failedQueryKeepsTheFlangeCopied();
    void wholeTableListsEveryDiameter();
    void wholeTableOfAClassReadsItsMpaRows();
    void exportWritesEachFormat();
    void exportRefusesAnUnknownFormat();
    void exportWritesNothingALinkMisleadsTo_data();
    void exportWritesNothingALinkMisleadsTo();
    void exportDialogAsksAboutTheFileItWritesAndKeepsItsFolder();
    void wholeTableSaysTheDataFileIsUnreadable();
    void copiedCellsAreQuotedForSpreadsheets();
    void printingPaintsOnThePrinter();
    void tooltipsSayWhatALabelShows_data();
    void tooltipsSayWhatALabelShows();
    void contextMenuOffersTheCommands();
    void boltsGoWithTheFlange_data();
    void boltsGoWithTheFlange();
    void otherPickMarksTheLabelsStale();

private:
    ui::PageAfterLookup *query(int tab, const QString &pressure, const QString &diameter);

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<data::Connection> m_connection;
    std::unique_ptr<ui::Form1> m_form;
    ui::AfterLookupActions *m_actions = nullptr;
};

void AfterLookupTest::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(test::writeDataFile(m_dir->filePath(QStringLiteral("FLDATA.mdb")), kStatements));
    m_connection = std::make_unique<data::Connection>();
    m_form = std::make_unique<ui::Form1>();
    app::loadForm1(*m_form, *m_connection, m_dir->path());
    m_actions = m_form->findChild<ui::AfterLookupActions *>();
    QVERIFY(m_actions != nullptr);
}

void AfterLookupTest::cleanup()
{
    m_form.reset();
    m_connection.reset();
    m_dir.reset();
}

ui::PageAfterLookup *AfterLookupTest::query(int tab, const QString &pressure, const QString &diameter)
{
    m_form->tabControl()->setCurrentTab(tab - 1);
    auto *pressures = m_form->findChild<QComboBox *>(QStringLiteral("Combo%1").arg(2 * tab - 1));
    auto *diameters = m_form->findChild<QComboBox *>(QStringLiteral("Combo%1").arg(2 * tab));
    pressures->setCurrentIndex(pressures->findText(pressure));
    emit pressures->activated(pressures->currentIndex());
    diameters->setCurrentIndex(diameters->findText(diameter));
    m_form->findChild<QPushButton *>(QStringLiteral("Command%1").arg(tab))->click();
    return m_actions->currentPage();
}

void AfterLookupTest::copiedDimensionsNameTheFoundFlange_data()
{
    QTest::addColumn<int>("tab");
    QTest::addColumn<QString>("pressure");
    QTest::addColumn<QString>("diameter");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("htmlUnknownRow");
    QTest::newRow("European") << 1 << "1.6" << "100"
                              << "HG20593 板式平焊钢制管法兰(欧洲体系)(PL)  公称压力 PN1.6 MPa  公称通径 DN100\n"
                                 "法兰外径D\t220\n螺孔中圆直径K\t180\n螺栓孔数量n\t8\n螺栓孔直径L\t18\n"
                                 "管子外径A1A\t114.3\n管子外径A1B\t108\n法兰内径B1A\t116\n法兰内径B1B\t110\n"
                                 "法兰厚度C\t22\n坡口宽度b\t—\n"
                              << "<th align=\"left\">坡口宽度b</th><td align=\"right\">—</td>";
    QTest::newRow("American") << 6 << "2500#" << "50"
                              << "HG20617 带颈对焊钢制管法兰(美洲体系)(WN)  公称压力 Class 2500# (42.0 MPa)  "
                                 "公称通径 DN50\n"
                                 "法兰外径D\t235\n螺孔中圆直径K\t171.4\n螺栓孔数量n\t8\n螺栓孔直径L\t30\n"
                                 "法兰颈N\t95\n钢管外径A\t60.3\n法兰内径B-注\t52.5\n法兰厚度C\t50.9\n法兰高度H\t—\n"
                              << "<th align=\"left\">法兰高度H</th><td align=\"right\">—</td>";
}

// The small file has no bolt table: the copy is exactly what it was before bolts.
void AfterLookupTest::copiedDimensionsNameTheFoundFlange()
{
    QFETCH(int, tab);
    QFETCH(QString, pressure);
    QFETCH(QString, diameter);
    QFETCH(QString, text);
    QFETCH(QString, htmlUnknownRow);

    m_form->tabControl()->setCurrentTab(tab - 1);
    QVERIFY(!m_actions->copyAction()->isEnabled());
    query(tab, pressure, diameter);
    QVERIFY(m_actions->copyAction()->isEnabled());
    m_actions->copyAction()->trigger();
    const QMimeData *copied = QApplication::clipboard()->mimeData();
    QCOMPARE(copied->text(), text);
    QVERIFY2(copied->html().contains(htmlUnknownRow), qPrintable(copied->html()));

    // Spreadsheets paste it as a table: the headline before the table, never
    // in a cell, and one cell for each name and each value.
    const QString html = copied->html();
    const QString headline = text.section(QLatin1Char('\n'), 0, 0).toHtmlEscaped();
    QVERIFY(html.indexOf(headline) >= 0 && html.indexOf(headline) < html.indexOf(QStringLiteral("<table")));
    QVERIFY(!html.contains(QStringLiteral("<caption")));
    const QRegularExpression row(QStringLiteral("<tr>(.*?)</tr>"));
    qsizetype rows = 0;
    for (const QRegularExpressionMatch &match : row.globalMatch(html)) {
        ++rows;
        QCOMPARE(match.captured(1).count(QRegularExpression(QStringLiteral("<t[hd][ >]"))), 2);
    }
    QCOMPARE(rows, text.count(QLatin1Char('\n')) - 1);

    // Kept for a check by hand in an office program.
    const QString artifacts = qEnvironmentVariable("VANTELO_ARTIFACTS_DIR");
    QFile kept(artifacts + QStringLiteral("/copied-dimensions-%1.html").arg(tab));
    if (!artifacts.isEmpty() && QDir().mkpath(artifacts) && kept.open(QIODevice::WriteOnly))
        kept.write(html.toUtf8());
}

void AfterLookupTest::failedQueryKeepsTheFlangeCopied()
{
    query(1, QStringLiteral("1.6"), QStringLiteral("100"));
    auto *diameters = m_form->findChild<QComboBox *>(QStringLiteral("Combo2"));
    diameters->addItem(QStringLiteral("125")); // listed, but the file holds no such row
    diameters->setCurrentIndex(diameters->count() - 1);
    m_form->findChild<QPushButton *>(QStringLiteral("Command1"))->click();
    m_actions->copyAction()->trigger();
    QVERIFY(QApplication::clipboard()->text().contains(QStringLiteral("DN100\n")));
}

void AfterLookupTest::wholeTableListsEveryDiameter()
{
    ui::PageAfterLookup *page = query(1, QStringLiteral("1.6"), QStringLiteral("100"));
    std::unique_ptr<ui::WholeTableDialog> dialog(page->makeWholeTableDialog(nullptr));
    const QAbstractItemModel &model = *dialog->view()->model();
    QCOMPARE(model.rowCount(), 2);
    QCOMPARE(model.columnCount(), 11);
    QCOMPARE(model.headerData(0, Qt::Horizontal).toString(), QStringLiteral("公称通径DN"));
    QCOMPARE(model.headerData(1, Qt::Horizontal).toString(), QStringLiteral("法兰外径D"));
    QCOMPARE(model.index(1, 10).data().toString(), QString());
    QCOMPARE(model.index(0, 10).data().toString(), QStringLiteral("6"));
    QVERIFY(model.index(1, 10).data(Qt::BackgroundRole).isValid());
    QVERIFY(!model.index(0, 10).data(Qt::BackgroundRole).isValid());

    // The current DN's row is selected; sorted by D descending it comes first.
    QCOMPARE(dialog->view()->selectionModel()->selectedRows().value(0).data().toString(), QStringLiteral("100"));
    dialog->view()->sortByColumn(1, Qt::DescendingOrder);
    QCOMPARE(model.index(0, 0).data().toString(), QStringLiteral("100"));
    QCOMPARE(dialog->selectedText().section(QLatin1Char('\n'), 0, 1),
             QStringLiteral("公称通径DN\t法兰外径D\t螺孔中圆直径K\t螺栓孔数量n\t螺栓孔直径L\t管子外径A1A\t管子外径A1B\t"
                            "法兰内径B1A\t法兰内径B1B\t法兰厚度C\t坡口宽度b\n"
                            "100\t220\t180\t8\t18\t114.3\t108\t116\t110\t22\t"));

    const QString artifacts = qEnvironmentVariable("VANTELO_ARTIFACTS_DIR");
    if (!artifacts.isEmpty() && QDir().mkpath(artifacts))
        QVERIFY(dialog->grab().save(artifacts + QStringLiteral("/whole-table.png")));
}

void AfterLookupTest::wholeTableOfAClassReadsItsMpaRows()
{
    ui::PageAfterLookup *page = query(6, QStringLiteral("2500#"), QStringLiteral("50"));
    std::unique_ptr<ui::WholeTableDialog> dialog(page->makeWholeTableDialog(nullptr));
    const QAbstractItemModel &model = *dialog->view()->model();
    QCOMPARE(model.rowCount(), 1);
    QCOMPARE(model.index(0, 0).data().toString(), QStringLiteral("50"));
    QCOMPARE(model.index(0, 1).data().toString(), QStringLiteral("235"));
}

void AfterLookupTest::exportWritesEachFormat()
{
    m_form->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_form.get()));
    ui::PageAfterLookup *page = query(6, QStringLiteral("2500#"), QStringLiteral("50"));
    const ui::DrawingSheet sheet = page->sheet();
    QString error;

    const QString svg = m_dir->filePath(QStringLiteral("sheet.svg"));
    QVERIFY2(ui::exportDrawing(sheet, svg, &error), qPrintable(error));
    QFile svgFile(svg);
    QVERIFY(svgFile.open(QIODevice::ReadOnly));
    const QString svgText = QString::fromUtf8(svgFile.readAll());
    for (const char *caption : {"Φ171.4", "8-Φ30", "50.9", "Class 2500# (42.0 MPa)"})
        QVERIFY2(svgText.contains(QString::fromUtf8(caption)), caption);

    const QString pdf = m_dir->filePath(QStringLiteral("sheet.pdf"));
    QVERIFY2(ui::exportDrawing(sheet, pdf, &error), qPrintable(error));
    QFile pdfFile(pdf);
    QVERIFY(pdfFile.open(QIODevice::ReadOnly));
    QVERIFY(pdfFile.size() > 1000);
    QVERIFY(pdfFile.read(5) == "%PDF-");

    const QString png = m_dir->filePath(QStringLiteral("sheet.png"));
    QVERIFY2(ui::exportDrawing(sheet, png, &error), qPrintable(error));
    const QImage image(png);
    QCOMPARE(image.size(), sheet.size() * 2);
    // Not a blank page: the drawing's lines are dark.
    int dark = 0;
    for (int y = 0; y < image.height(); y += 2) {
        for (int x = 0; x < image.width(); x += 2)
            dark += qGray(image.pixel(x, y)) < 96;
    }
    QVERIFY(dark > 200);

    const QString artifacts = qEnvironmentVariable("VANTELO_ARTIFACTS_DIR");
    if (!artifacts.isEmpty() && QDir().mkpath(artifacts))
        QVERIFY(image.save(artifacts + QStringLiteral("/exported-drawing.png")));
}

void AfterLookupTest::exportRefusesAnUnknownFormat()
{
    ui::PageAfterLookup *page = query(1, QStringLiteral("1.6"), QStringLiteral("100"));
    QString error;
    const QString path = m_dir->filePath(QStringLiteral("sheet.mdb"));
    QVERIFY(!ui::exportDrawing(page->sheet(), path, &error));
    QVERIFY(error.contains(QStringLiteral(".svg")));
    QVERIFY(!QFile::exists(path));
    QVERIFY(!ui::exportDrawing(page->sheet(), m_dir->filePath(QStringLiteral("no/such/folder.png")), &error));
    QVERIFY(error.contains(QStringLiteral("无法写入")));
}

void AfterLookupTest::exportWritesNothingALinkMisleadsTo_data()
{
    QTest::addColumn<QString>("target"); // where drawing.svg leads; "program": a file beside the program
    QTest::addColumn<bool>("written");
    QTest::newRow("the program's folder") << "program" << false;
    QTest::newRow("a file of another kind") << "elsewhere/notes.txt" << false;
    QTest::newRow("a drawing elsewhere, not yet there") << "elsewhere/real.svg" << true;
}

void AfterLookupTest::exportWritesNothingALinkMisleadsTo()
{
    QFETCH(QString, target);
    QFETCH(bool, written);
    ui::PageAfterLookup *page = query(1, QStringLiteral("1.6"), QStringLiteral("100"));
    QTemporaryFile besideProgram(data::programDirectory() + QStringLiteral("/XXXXXX.mdb"));
    if (target == QLatin1String("program")) {
        QVERIFY(besideProgram.open());
        besideProgram.write("data");
        besideProgram.close();
        target = besideProgram.fileName();
    } else {
        QVERIFY(QDir(m_dir->path()).mkpath(QStringLiteral("elsewhere")));
        target = m_dir->filePath(target);
        if (!target.endsWith(QLatin1String(".svg"))) {
            QFile file(target);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write("data");
        }
    }
    const QString link = m_dir->filePath(QStringLiteral("drawing.svg"));
    const bool made = makeSymbolicLink(target, link);
#ifdef Q_OS_WIN
    // Wine's CreateSymbolicLinkW reports success and makes nothing; Windows
    // makes none without developer mode or the privilege.
    if (!QFileInfo(link).isSymLink())
        QSKIP("no symbolic link was made (Wine does not make them; Windows needs developer mode)");
#endif
    QVERIFY(made);
    QString error;
    QCOMPARE(ui::exportDrawing(page->sheet(), link, &error), written);
    QVERIFY(QFileInfo(link).isSymLink());
    QFile file(target);
    if (written) {
        QVERIFY(file.open(QIODevice::ReadOnly));
        QVERIFY(file.readAll().contains("<svg"));
    } else {
        QVERIFY(!error.isEmpty());
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), QByteArray("data"));
    }
}

void AfterLookupTest::exportDialogAsksAboutTheFileItWritesAndKeepsItsFolder()
{
    QStandardPaths::setTestModeEnabled(true);
    QSettings(QStringLiteral("vantelo"), QStringLiteral("vantelo")).clear();
    ui::PageAfterLookup *page = query(1, QStringLiteral("1.6"), QStringLiteral("100"));
    const QString plan = m_dir->filePath(QStringLiteral("plan.pdf"));
    {
        QFile file(plan);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("kept");
    }
    // Drives the dialog: picks the PDF format, types name, accepts, and
    // answers "No" to a question about replacing a file.
    QString asked;
    QString openedIn;
    const auto answer = [&](const QString &name) {
        QTimer::singleShot(0, this, [&, name] {
            auto *dialog = m_form->findChild<QFileDialog *>(QStringLiteral("exportDrawingDialog"));
            QVERIFY(dialog != nullptr);
            openedIn = dialog->directory().absolutePath();
            emit dialog->filterSelected(QStringLiteral("PDF 文档 (*.pdf)"));
            dialog->selectFile(m_dir->filePath(name));
            QTimer::singleShot(0, this, [&] {
                if (auto *question = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
                    asked = question->text();
                    question->reject();
                }
            });
            QMetaObject::invokeMethod(dialog, "accept", Qt::DirectConnection);
            if (dialog->isVisible())
                dialog->reject();
        });
    };
    answer(QStringLiteral("plan"));
    ui::exportDrawingWithDialog(page->sheet(), page->suggestedFileName(), m_form.get());
    QVERIFY2(asked.contains(QStringLiteral("plan.pdf")), qPrintable(asked));
    QFile kept(plan);
    QVERIFY(kept.open(QIODevice::ReadOnly));
    QCOMPARE(kept.readAll(), QByteArray("kept"));

    answer(QStringLiteral("fresh"));
    ui::exportDrawingWithDialog(page->sheet(), page->suggestedFileName(), m_form.get());
    QFile fresh(m_dir->filePath(QStringLiteral("fresh.pdf")));
    QVERIFY(fresh.open(QIODevice::ReadOnly));
    QCOMPARE(fresh.read(5), QByteArray("%PDF-"));

    // The next export, in this run or the next, starts where the last went.
    answer(QStringLiteral("again"));
    QSettings(QStringLiteral("vantelo"), QStringLiteral("vantelo")).sync();
    ui::exportDrawingWithDialog(page->sheet(), page->suggestedFileName(), m_form.get());
    QCOMPARE(openedIn, QFileInfo(m_dir->path()).absoluteFilePath());
}

void AfterLookupTest::wholeTableSaysTheDataFileIsUnreadable()
{
    const data::Connection unopened;
    ui::WholeTableDialog dialog(ui::WholeTableModel::load(lookup::StandardRecords.front(), QStringLiteral("1.6"),
                                                          unopened),
                                QStringLiteral("HG20593"), QString());
    auto *problem = dialog.findChild<QLabel *>(QStringLiteral("wholeTableProblem"));
    QVERIFY(problem != nullptr);
    QCOMPARE(problem->text(), QStringLiteral("无法读取数据文件 FLDATA.mdb"));
    QVERIFY(dialog.view()->isHidden());
}

void AfterLookupTest::copiedCellsAreQuotedForSpreadsheets()
{
    QStandardItemModel model(1, 3);
    model.setHorizontalHeaderLabels({QStringLiteral("DN"), QStringLiteral("note"), QStringLiteral("mark")});
    model.setItem(0, 0, new QStandardItem(QStringLiteral("a\tb")));
    model.setItem(0, 1, new QStandardItem(QStringLiteral("two\nlines")));
    model.setItem(0, 2, new QStandardItem(QStringLiteral("say \"x\"")));
    const QModelIndexList all{model.index(0, 0), model.index(0, 1), model.index(0, 2)};
    QCOMPARE(ui::selectionAsTabSeparated(model, all),
             QStringLiteral("DN\tnote\tmark\n\"a\tb\"\t\"two\nlines\"\t\"say \"\"x\"\"\"\n"));
}

void AfterLookupTest::printingPaintsOnThePrinter()
{
    ui::PageAfterLookup *page = query(1, QStringLiteral("1.6"), QStringLiteral("100"));
    QPrinter printer(QPrinter::HighResolution); // as the print dialog's printer
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(m_dir->filePath(QStringLiteral("printed.pdf")));
    QVERIFY(ui::printDrawing(page->sheet(), printer));
    QFile printed(printer.outputFileName());
    QVERIFY(printed.open(QIODevice::ReadOnly));
    const QByteArray pdf = printed.readAll();
    QVERIFY(pdf.size() > 1000);
    // Vector shapes and text only: a raster page would hold an image object.
    QVERIFY(!pdf.contains("/Subtype /Image"));
}

void AfterLookupTest::tooltipsSayWhatALabelShows_data()
{
    QTest::addColumn<bool>("shipped"); // the shipped file records where values come from, the small one not
    QTest::addColumn<QString>("pressure");
    QTest::addColumn<QString>("label");
    QTest::addColumn<QString>("start");
    QTest::addColumn<QString>("end");
    const QString unknown = QStringLiteral("坡口宽度b\n未收录：公开资料中未找到该值");
    QTest::newRow("names only") << false << "1.6" << "Label2" << "管子外径A1A\n\n管子外径A1B" << "管子外径A1B";
    QTest::newRow("unknown") << false << "1.6" << "Label8" << unknown << unknown;
    QTest::newRow("known") << true << "1.6" << "Label7" << "法兰厚度C\n来源：HG/T 20592-2009 表8.2.1-4（S1）\n"
                           << "\n可信度：中高";
    QTest::newRow("recorded gap") << true << "0.6" << "Label8" << unknown << unknown;
}

void AfterLookupTest::tooltipsSayWhatALabelShows()
{
    QFETCH(bool, shipped);
    QFETCH(QString, pressure);
    QFETCH(QString, label);
    QFETCH(QString, start);
    QFETCH(QString, end);
    const QString programDir = qEnvironmentVariable("VANTELO_PROGRAM_DIR");
    if (shipped) {
        QVERIFY2(QFile::exists(programDir + QStringLiteral("/FLDATA.mdb")), "the shipped data file is built");
        m_form = std::make_unique<ui::Form1>();
        app::loadForm1(*m_form, *m_connection, programDir);
        m_actions = m_form->findChild<ui::AfterLookupActions *>();
    }
    auto *shown = m_form->findChild<QWidget *>(label);
    QCOMPARE(m_actions->pages().front()->toolTip(*shown), QString()); // nothing before a query

    const QString tip = query(1, pressure, QStringLiteral("100"))->toolTip(*shown);
    QVERIFY2(tip.startsWith(start) && tip.endsWith(end), qPrintable(tip));
    for (const QString &line : tip.split(QLatin1Char('\n')))
        QVERIFY2(line.size() <= 40, qPrintable(line)); // a tooltip stays narrow

    // Hovering shows the same text.
    m_form->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_form.get()));
    QHelpEvent hover(QEvent::ToolTip, QPoint(1, 1), shown->mapToGlobal(QPoint(1, 1)));
    QApplication::sendEvent(shown, &hover);
    QCOMPARE(QToolTip::text(), tip);
}

void AfterLookupTest::contextMenuOffersTheCommands()
{
    QVERIFY(m_form->findChild<QMenu *>() == nullptr); // made on first use
    m_form->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_form.get()));
    m_form->tabControl()->setCurrentTab(0);
    // A right click on the drawing reaches the page below it.
    auto *drawing = m_form->findChild<QWidget *>(QStringLiteral("Image1"));
    QContextMenuEvent click(QContextMenuEvent::Mouse, QPoint(5, 5), drawing->mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(drawing, &click);
    auto *menu = m_form->findChild<QMenu *>(QStringLiteral("pageContextMenu"));
    QVERIFY(menu != nullptr);
    QStringList texts;
    for (const QAction *action : menu->actions())
        texts.append(action->text());
    QCOMPARE(texts, QStringList({"复制尺寸", "查看整表…", "", "导出图纸…", "打印…", "", "按实测尺寸识别…", "按设计条件选型…", "",
                                 "使用说明", "关于 Vantelo…"}));
    menu->hide();
}

void AfterLookupTest::boltsGoWithTheFlange_data()
{
    QTest::addColumn<int>("tab");
    QTest::addColumn<QString>("pressure");
    QTest::addColumn<QString>("diameter");
    QTest::addColumn<QString>("thread");
    QTest::addColumn<QString>("bolts");
    QTest::addColumn<QString>("toolTip");
    QTest::addColumn<QString>("confidence");
    QTest::newRow("European") << 1 << "1.6" << "100" << "M16" << "8-M16" << "\n\n螺栓规格：8-M16\n来源：HG/T 20592-2009（X）\n" << "可信度：中高";
    QTest::newRow("American") << 6 << "2500#" << "50" << "M27" << "8-M27" << "\n\n螺栓规格：8-M27\n来源：HG/T 20615-2009（S11）\n" << "可信度：高";
}

// On the shipped file: copied, in the whole table, on the bolt-hole label's tooltip and on the sheet.
void AfterLookupTest::boltsGoWithTheFlange()
{
    QFETCH(int, tab);
    QFETCH(QString, pressure);
    QFETCH(QString, diameter);
    QFETCH(QString, thread);
    QFETCH(QString, bolts);
    QFETCH(QString, toolTip);
    QFETCH(QString, confidence);
    const QString programDir = qEnvironmentVariable("VANTELO_PROGRAM_DIR");
    QVERIFY2(QFile::exists(programDir + QStringLiteral("/FLDATA.mdb")), "the shipped data file is built");
    m_form = std::make_unique<ui::Form1>();
    app::loadForm1(*m_form, *m_connection, programDir);
    m_actions = m_form->findChild<ui::AfterLookupActions *>();
    ui::PageAfterLookup *page = query(tab, pressure, diameter);

    m_actions->copyAction()->trigger();
    const QMimeData *copied = QApplication::clipboard()->mimeData();
    QVERIFY2(copied->text().endsWith(QStringLiteral("\n螺栓规格\t") + thread + u'\n'), qPrintable(copied->text()));
    QVERIFY(copied->html().contains(QStringLiteral("<th align=\"left\">螺栓规格</th><td align=\"right\">%1</td>").arg(thread)));

    std::unique_ptr<ui::WholeTableDialog> dialog(page->makeWholeTableDialog(nullptr));
    const QAbstractItemModel &model = *dialog->view()->model();
    const int last = model.columnCount() - 1;
    QCOMPARE(model.headerData(last, Qt::Horizontal).toString(), QStringLiteral("螺栓规格"));
    const QModelIndexList row = model.match(model.index(0, 0), Qt::DisplayRole, diameter, 1, Qt::MatchExactly);
    QCOMPARE(row.size(), 1);
    QCOMPARE(model.index(row.front().row(), last).data().toString(), thread);

    const auto holes = std::ranges::find(lookup::StandardRecords[tab - 1].page, lookup::CaptionPattern::BoltHoles,
                                         [](const lookup::ControlRow &r) { return r.source.pattern; });
    const QString tip = page->toolTip(*m_form->findChild<QWidget *>(QString::fromUtf8(holes->name)));
    QVERIFY2(tip.startsWith(QStringLiteral("螺栓孔数量n\n")) && tip.contains(toolTip) && tip.endsWith(confidence),
             qPrintable(tip));

    // Exported (and printed) beside the caption line.
    const QString svg = m_dir->filePath(QStringLiteral("sheet.svg"));
    QString error;
    QVERIFY2(ui::exportDrawing(page->sheet(), svg, &error), qPrintable(error));
    QFile svgFile(svg);
    QVERIFY(svgFile.open(QIODevice::ReadOnly));
    // The painter writes a text in runs of one font each: read the runs together.
    const QString svgText = QString::fromUtf8(svgFile.readAll()).remove(QRegularExpression(QStringLiteral("<[^>]*>|\n")));
    QVERIFY2(svgText.contains(QStringLiteral("螺栓规格 ") + bolts), qPrintable(svgText.left(300)));
}

void AfterLookupTest::otherPickMarksTheLabelsStale()
{
    ui::PageAfterLookup *page = query(1, QStringLiteral("1.6"), QStringLiteral("100"));
    auto *label = m_form->findChild<QWidget *>(QStringLiteral("Label6"));
    const QColor current = label->palette().color(label->foregroundRole());
    QVERIFY(!page->isStale());

    auto *diameters = m_form->findChild<QComboBox *>(QStringLiteral("Combo2"));
    diameters->setCurrentIndex(diameters->findText(QStringLiteral("80")));
    QVERIFY(page->isStale());
    QVERIFY(label->palette().color(label->foregroundRole()) != current);
    QCOMPARE(page->toolTip(*label), QStringLiteral("显示的是 PN1.6 DN100 的尺寸；请按查询"));
    QCOMPARE(page->found()->diameter, QStringLiteral("100")); // copy and export still name what is shown

    m_form->findChild<QPushButton *>(QStringLiteral("Command1"))->click();
    QVERIFY(!page->isStale());
    QCOMPARE(label->palette().color(label->foregroundRole()), current);
    QVERIFY(page->toolTip(*label).startsWith(QStringLiteral("法兰外径D")));
}

QTEST_MAIN(AfterLookupTest)
#include "test_after_lookup.moc"
