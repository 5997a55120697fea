// What the window draws: screenshots of every page for review, the colours
// of result labels and of the transparent note, a slanted line, and the
// pages' light colours under a dark desktop theme.
#include "ui/ink.h"

#include "ui/main_window.h"
#include "ui/tab_control.h"

#include <QDir>
#include <QtTest>

using vantelo::ui::Form1;

class TestUiRendering final : public QObject
{
    Q_OBJECT

private slots:
    void labelBackgrounds_data();
    void labelBackgrounds();
    void slantedLineIsDrawnSlanted();
    void screenshotsOfEveryPage();
    void pagesStayLightUnderADarkTheme();

private:
    Form1 m_form;
};

void TestUiRendering::labelBackgrounds_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QColor>("expected"); // invalid: the background stays see-through
    // The pages keep the tab control's light colours whatever the desktop's.
    const QPalette palette = m_form.findChild<QWidget *>(QStringLiteral("SSTab1"))->palette();
    QTest::newRow("result Label8") << "Label8" << QColor(Qt::white);
    QTest::newRow("result Label69") << "Label69" << QColor(Qt::white);
    QTest::newRow("caption Label9") << "Label9" << palette.color(QPalette::Button);
    QTest::newRow("pressure value Label58") << "Label58" << palette.color(QPalette::Button);
    QTest::newRow("note Label75") << "Label75" << QColor();
}

void TestUiRendering::labelBackgrounds()
{
    QFETCH(QString, name);
    QFETCH(QColor, expected);
    QWidget *label = m_form.findChild<QWidget *>(name);
    QVERIFY(label);
    QImage image(label->size(), QImage::Format_RGB32);
    image.fill(Qt::red);
    // Without the window background: only what the label itself paints.
    label->render(&image, QPoint(), QRegion(), QWidget::DrawChildren);
    // The bottom-right pixel of these labels holds no text.
    const QColor corner = image.pixelColor(image.width() - 1, image.height() - 1);
    QCOMPARE(corner, expected.isValid() ? expected : QColor(Qt::red));
}

void TestUiRendering::slantedLineIsDrawnSlanted()
{
    // Line7 rises from (198, 206) to (214, 184): ink at both ends, none in
    // the opposite corners of its box.
    QWidget *line = m_form.findChild<QWidget *>(QStringLiteral("Line7"));
    QVERIFY(line);
    QCOMPARE(line->geometry(), QRect(198, 184, 17, 23));
    const QImage ink = renderInk(line);
    QVERIFY(isInk(ink, 0, 22));
    QVERIFY(isInk(ink, 16, 0));
    QVERIFY(!isInk(ink, 0, 0));
    QVERIFY(!isInk(ink, 16, 22));
    QCOMPARE(ink.pixelColor(8, 11), QColor(Qt::black));
}

void TestUiRendering::screenshotsOfEveryPage()
{
    const QString folder = qEnvironmentVariable("VANTELO_ARTIFACTS_DIR", QDir::tempPath() + "/vantelo-screenshots");
    QVERIFY(QDir().mkpath(folder));
    m_form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&m_form));
    for (int tab = 0; tab < m_form.tabControl()->tabCount(); ++tab) {
        m_form.tabControl()->setCurrentTab(tab);
        const QImage shot = m_form.grab().toImage();
        QCOMPARE(shot.size() / shot.devicePixelRatio(), QSize(474, 359));
        const QString path = QStringLiteral("%1/page%2.png").arg(folder).arg(tab + 1);
        QVERIFY2(shot.save(path), qPrintable(path));
    }
}

void TestUiRendering::pagesStayLightUnderADarkTheme()
{
    const QPalette desktop = QApplication::palette();
    QPalette dark(QColor(0x35, 0x35, 0x35), QColor(0x20, 0x20, 0x20));
    dark.setColor(QPalette::Base, QColor(0x19, 0x19, 0x19));
    for (const QPalette::ColorRole role : {QPalette::Text, QPalette::WindowText, QPalette::ButtonText})
        dark.setColor(role, Qt::white);
    QApplication::setPalette(dark);
    {
        Form1 form;
        QWidget *label = form.findChild<QWidget *>(QStringLiteral("Label8"));
        QImage image(label->size(), QImage::Format_RGB32);
        image.fill(Qt::red);
        label->render(&image, QPoint(), QRegion(), QWidget::DrawChildren);
        QCOMPARE(image.pixelColor(image.width() - 1, image.height() - 1), QColor(Qt::white));
        QCOMPARE(label->palette().color(label->foregroundRole()), QColor(Qt::black));
        QWidget *line = form.findChild<QWidget *>(QStringLiteral("Line7"));
        QCOMPARE(line->palette().color(QPalette::WindowText), QColor(Qt::black));
    }
    QApplication::setPalette(desktop);
}

QTEST_MAIN(TestUiRendering)
#include "test_ui_rendering.moc"
