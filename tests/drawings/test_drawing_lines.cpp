// The seven drawings as shipped: stored sizes, a white sheet, every dimension
// line where its result label expects it, and the printed callouts.

#include "drawings/dimension_lines.h"
#include "drawings/drawing_images.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QSvgRenderer>
#include <QtTest>

using namespace vantelo::drawings_test;

Q_DECLARE_METATYPE(DimensionLine)

class TestDrawingLines final : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void initTestCase();
    void drawingHasStoredSize_data();
    void drawingHasStoredSize();
    void sheetIsOpaqueWhite_data();
    void sheetIsOpaqueWhite();
    void dimensionLineIsDrawn_data();
    void dimensionLineIsDrawn();
    void calloutIsPrinted_data();
    void calloutIsPrinted();

private:
    QImage m_rendered[7];
};

void TestDrawingLines::init()
{
    // Qt Svg warns about anything it cannot render; the drawings must not
    // need any of it.
    QTest::failOnWarning(QRegularExpression(QStringLiteral(".*")));
}

void TestDrawingLines::initTestCase()
{
    const QString artifacts = qEnvironmentVariable("VANTELO_ARTIFACTS_DIR");
    if (!artifacts.isEmpty())
        QDir().mkpath(artifacts);
    for (int tab = 1; tab <= 7; ++tab) {
        const StoredSize size = kStoredSizes[tab - 1];
        m_rendered[tab - 1] = renderAtStoredSize(tab, size.width, size.height);
        if (!artifacts.isEmpty())
            m_rendered[tab - 1].save(QDir(artifacts).filePath(QStringLiteral("drawing-tab%1.png").arg(tab)));
    }
}

void TestDrawingLines::drawingHasStoredSize_data()
{
    QTest::addColumn<int>("tab");
    QTest::addColumn<QSize>("stored");
    QTest::newRow("tab 1, Image1") << 1 << QSize(335, 225);
    QTest::newRow("tab 2, Image2") << 2 << QSize(337, 259);
    QTest::newRow("tab 3, Image3") << 3 << QSize(305, 208);
    QTest::newRow("tab 4, Image4") << 4 << QSize(276, 220);
    QTest::newRow("tab 5, Image7") << 5 << QSize(285, 181);
    QTest::newRow("tab 6, Image6") << 6 << QSize(319, 272);
    QTest::newRow("tab 7, Image5") << 7 << QSize(289, 247);
}

void TestDrawingLines::drawingHasStoredSize()
{
    QFETCH(int, tab);
    QFETCH(QSize, stored);
    QSvgRenderer renderer(drawingResource(tab));
    QVERIFY(renderer.isValid());
    QCOMPARE(renderer.defaultSize(), stored);
    QCOMPARE(renderer.viewBoxF(), QRectF(QPointF(0, 0), QSizeF(stored)));
}

void TestDrawingLines::sheetIsOpaqueWhite_data()
{
    QTest::addColumn<int>("tab");
    for (int tab = 1; tab <= 7; ++tab)
        QTest::addRow("tab %d", tab) << tab;
}

void TestDrawingLines::sheetIsOpaqueWhite()
{
    // Drawn onto a transparent image, the sheet itself must cover it: the
    // picture shows white whatever lies behind the control.
    QFETCH(int, tab);
    const StoredSize size = kStoredSizes[tab - 1];
    QImage image(size.width, size.height, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QSvgRenderer renderer(drawingResource(tab));
    QPainter painter(&image);
    renderer.render(&painter, QRectF(image.rect()));
    painter.end();
    for (const QPoint corner : {QPoint(0, 0), QPoint(size.width - 1, 0), QPoint(0, size.height - 1),
                                QPoint(size.width - 1, size.height - 1)})
        QCOMPARE(image.pixelColor(corner), QColor(Qt::white));
}

void TestDrawingLines::dimensionLineIsDrawn_data()
{
    QTest::addColumn<DimensionLine>("line");
    for (const DimensionLine &line : kDimensionLines)
        QTest::addRow("tab %d %s: %s", line.tab, line.label, line.dimension) << line;
}

void TestDrawingLines::dimensionLineIsDrawn()
{
    QFETCH(DimensionLine, line);
    const QImage &image = m_rendered[line.tab - 1];
    // (along, across) -> image point, for either run.
    const auto point = [&](int along, int across) {
        return line.run == Horizontal ? QPoint(along, across) : QPoint(across, along);
    };
    const auto inkNear = [&](int along) {
        for (int d = -1; d <= 1; ++d)
            if (isInk(image, point(along, line.at + d).x(), point(along, line.at + d).y()))
                return true;
        return false;
    };

    // The line runs its whole stated extent, give or take a pixel.
    for (const int along : {line.from + 2, line.to - 2})
        QVERIFY2(inkNear(along), qPrintable(QStringLiteral("no line near %1").arg(along)));
    for (const int along : line.probes) {
        QVERIFY2(inkNear(along), qPrintable(QStringLiteral("no line at %1").arg(along)));
        // And stands free: paper a few pixels to either side.
        if (line.clear & Before) {
            const QPoint p = point(along, line.at - 4);
            QVERIFY2(isPaper(image, p.x(), p.y()), qPrintable(QStringLiteral("ink at %1,%2").arg(p.x()).arg(p.y())));
        }
        if (line.clear & After) {
            const QPoint p = point(along, line.at + 4);
            QVERIFY2(isPaper(image, p.x(), p.y()), qPrintable(QStringLiteral("ink at %1,%2").arg(p.x()).arg(p.y())));
        }
    }
}

void TestDrawingLines::calloutIsPrinted_data()
{
    QTest::addColumn<int>("tab");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QRect>("where");   // stored pixels the printed text lies in
    QTest::newRow("tab 1 bevel angle") << 1 << QStringLiteral("50°") << QRect(205, 80, 30, 16);
    QTest::newRow("tab 2 bevel angle") << 2 << QStringLiteral("50°") << QRect(190, 80, 30, 16);
    QTest::newRow("tab 4 taper") << 4 << QStringLiteral("1:5") << QRect(180, 35, 12, 30);
    QTest::newRow("tab 4 symbol S") << 4 << QStringLiteral(">S<") << QRect(64, 86, 20, 14);
    QTest::newRow("tab 5 hub fillet") << 5 << QStringLiteral("R≥4.5") << QRect(177, 37, 30, 12);
    QTest::newRow("tab 6 taper start") << 6 << QStringLiteral("R≥3") << QRect(201, 69, 30, 12);
    QTest::newRow("tab 6 base fillet") << 6 << QStringLiteral("R≥4.5") << QRect(202, 115, 32, 12);
    QTest::newRow("tab 7 taper start") << 7 << QStringLiteral("R≥4.5") << QRect(183, 62, 28, 12);
    QTest::newRow("tab 7 base fillet") << 7 << QStringLiteral("R≥4.5") << QRect(197, 95, 30, 12);
}

void TestDrawingLines::calloutIsPrinted()
{
    QFETCH(int, tab);
    QFETCH(QString, text);
    QFETCH(QRect, where);
    QFile file(drawingResource(tab));
    QVERIFY(file.open(QIODevice::ReadOnly));
    QVERIFY2(QString::fromUtf8(file.readAll()).contains(text), qPrintable(text));

    const QImage &image = m_rendered[tab - 1];
    int ink = 0;
    for (int y = where.top(); y <= where.bottom(); ++y)
        for (int x = where.left(); x <= where.right(); ++x)
            ink += isInk(image, x, y);
    QVERIFY2(ink >= 8, qPrintable(QStringLiteral("%1 dark pixels").arg(ink)));
}

QTEST_MAIN(TestDrawingLines)
#include "test_drawing_lines.moc"
