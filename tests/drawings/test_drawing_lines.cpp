// The seven drawings as shipped: stored sizes, a white sheet, every dimension
// line where its result label expects it, and the printed callouts.

#include "drawings/dimension_lines.h"
#include "drawings/drawing_images.h"
#include "lookup/standards.h"
#include "ui/twips.h"
#include "ui/picture_control.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QSvgRenderer>
#include <QtTest>

#include <cmath>

using namespace vantelo::drawings_test;

namespace {

// A straight run of line work in stored pixels: a dimension line, or a
// horizontal or vertical stretch of an outline.
struct StraightRun
{
    Run run;
    double at;
    double from;
    double to;
};

// The drawing of a tab as its page shows it: at the control's size, at the
// given device pixel ratio, in device pixels.
QImage shownOnPage(int tab, int ratio, QSizeF *scale)
{
    for (const vantelo::ui::ControlRow &row : vantelo::lookup::StandardRecords[std::size_t(tab - 1)].page) {
        if (row.kind != vantelo::ui::ControlKind::Picture)
            continue;
        using Fit = vantelo::ui::PictureControl::Fit;
        vantelo::ui::PictureControl control(QString::fromUtf8(row.text),
                                            row.fit == vantelo::ui::PictureFit::Natural ? Fit::Natural : Fit::Stretched);
        control.resize(vantelo::ui::twipsToPixels(row.rect.width), vantelo::ui::twipsToPixels(row.rect.height));
        *scale = QSizeF(double(control.width()) / control.storedSize().width(),
                        double(control.height()) / control.storedSize().height());
        QImage image(control.size() * ratio, QImage::Format_RGB32);
        image.setDevicePixelRatio(ratio);
        image.fill(Qt::white);
        control.render(&image);
        image.setDevicePixelRatio(1);
        return image;
    }
    return {};
}

// The horizontal and vertical stretches of the outline layer, at least
// 20 stored pixels long.
std::vector<StraightRun> outlineRuns(int tab)
{
    QFile file(drawingResource(tab));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QString svg = QString::fromUtf8(file.readAll());
    const QString outline = svg.section(QStringLiteral("<g id=\"outline\""), 1).section(QStringLiteral("</g>"), 0, 0);
    static const QRegularExpression pathData(QStringLiteral("d=\"([^\"]*)\""));
    static const QRegularExpression point(QStringLiteral("([ML])(-?[0-9.]+),(-?[0-9.]+)"));
    std::vector<StraightRun> runs;
    for (const auto &path : pathData.globalMatch(outline)) {
        QPointF last;
        for (const auto &p : point.globalMatch(path.captured(1))) {
            const QPointF next(p.captured(2).toDouble(), p.captured(3).toDouble());
            if (p.captured(1) == QLatin1String("L")) {
                if (last.y() == next.y() && std::abs(next.x() - last.x()) >= 20)
                    runs.push_back({Horizontal, next.y(), qMin(last.x(), next.x()), qMax(last.x(), next.x())});
                if (last.x() == next.x() && std::abs(next.y() - last.y()) >= 20)
                    runs.push_back({Vertical, next.x(), qMin(last.y(), next.y()), qMax(last.y(), next.y())});
            }
            last = next;
        }
    }
    return runs;
}

} // namespace

Q_DECLARE_METATYPE(DimensionLine)
Q_DECLARE_METATYPE(StraightRun)

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
    void lineIsCrispOnItsPage_data();
    void lineIsCrispOnItsPage();

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

void TestDrawingLines::lineIsCrispOnItsPage_data()
{
    QTest::addColumn<int>("tab");
    QTest::addColumn<int>("ratio");
    QTest::addColumn<StraightRun>("line");
    QTest::addColumn<bool>("widthTold"); // whether its width is told apart
    for (const int ratio : {1, 2}) {
        for (const DimensionLine &line : kDimensionLines)
            QTest::addRow("x%d tab %d %s", ratio, line.tab, line.dimension)
                << line.tab << ratio
                << StraightRun{line.run, double(line.at), double(line.from), double(line.to)}
                << (ratio == 1 && line.to - line.from >= 20);
        for (int tab = 1; tab <= 7; ++tab) {
            for (const StraightRun &run : outlineRuns(tab))
                QTest::addRow("x%d tab %d outline %s %g", ratio, tab, run.run == Horizontal ? "y" : "x", run.at)
                    << tab << ratio << run << false; // hatching meets an outline
        }
    }
}

void TestDrawingLines::lineIsCrispOnItsPage()
{
    // Dark (grey below 110) over nine tenths of its length where it was
    // drawn, give or take a pixel.
    QFETCH(int, tab);
    QFETCH(int, ratio);
    QFETCH(StraightRun, line);
    QFETCH(bool, widthTold);
    QSizeF scale;
    const QImage image = shownOnPage(tab, ratio, &scale);
    QVERIFY(!image.isNull());
    const double along = line.run == Horizontal ? scale.width() : scale.height();
    const double across = line.run == Horizontal ? scale.height() : scale.width();
    const int centre = int(std::floor((line.at + 0.5) * across * ratio));
    // Arrowheads and corners take up the ends.
    const double margin = qMin(8.0, (line.to - line.from) / 4);
    const int first = int(std::ceil((line.from + margin) * along * ratio));
    const int last = int(std::floor((line.to - margin) * along * ratio));
    const auto isDark = [&](int a, int c) {
        const QPoint p = line.run == Horizontal ? QPoint(a, c) : QPoint(c, a);
        return image.rect().contains(p) && qGray(image.pixel(p)) < 110;
    };
    // The dark run across the line through a dark pixel near where it was
    // drawn; 0 where there is none.
    const auto width = [&](int a) {
        int c = centre - ratio;
        while (c <= centre + ratio && !isDark(a, c))
            ++c;
        if (c > centre + ratio)
            return 0;
        int low = c, high = c;
        while (isDark(a, low - 1))
            --low;
        while (isDark(a, high + 1))
            ++high;
        return high - low + 1;
    };
    // Where nothing else is drawn within three pixels to either side, a
    // dimension line at ratio 1 is one pixel wide, but for the odd point
    // where other line work comes close; arrowheads fill a short line.
    const auto standsFree = [&](int a) { return !isDark(a, centre - 3 * ratio) && !isDark(a, centre + 3 * ratio); };
    int positions = 0, dark = 0, free = 0, thin = 0;
    for (int a = first; a <= last; ++a, ++positions) {
        const int across = width(a);
        dark += across > 0;
        if (across > 0 && standsFree(a)) {
            ++free;
            thin += across == 1;
        }
    }
    QVERIFY(positions > 0);
    QVERIFY2(dark * 10 >= positions * 9, qPrintable(QStringLiteral("dark at %1 of %2").arg(dark).arg(positions)));
    if (widthTold)
        QVERIFY2(thin * 3 >= free * 2, qPrintable(QStringLiteral("thin at %1 of %2").arg(thin).arg(free)));
}

QTEST_MAIN(TestDrawingLines)
#include "test_drawing_lines.moc"
