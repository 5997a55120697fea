// How the picture control fits a stored picture into itself: stretched to
// fill, or at its natural size, and crisp at a higher device pixel ratio.

#include "drawings/drawing_images.h"
#include "ui/picture_control.h"

#include <QRegularExpression>
#include <QSvgRenderer>
#include <QTemporaryDir>
#include <QtTest>

using namespace vantelo::drawings_test;
using vantelo::ui::PictureControl;

namespace {

// A 285 x 181 sheet, white, with one black pixel in each of two corners.
const char kCornerMarks[] =
    R"(<svg xmlns="http://www.w3.org/2000/svg" version="1.2" baseProfile="tiny" width="285" height="181" viewBox="0 0 285 181">)"
    R"(<rect x="0" y="0" width="285" height="181" fill="#ffffff"/>)"
    R"(<rect x="0" y="0" width="1" height="1" fill="#000000"/>)"
    R"(<rect x="284" y="180" width="1" height="1" fill="#000000"/></svg>)";

QImage grabbed(PictureControl &control)
{
    // A yellow backdrop, neither ink nor paper, shows wherever the picture
    // does not reach.
    control.setAutoFillBackground(true);
    QPalette palette = control.palette();
    palette.setColor(QPalette::Window, Qt::yellow);
    control.setPalette(palette);
    return control.grab().toImage().convertToFormat(QImage::Format_RGB32);
}

} // namespace

class TestPictureFit final : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void stretchedPictureReachesEveryCorner();
    void stretchedDrawingScalesAxesIndependently();
    void naturalPictureIsShownPixelForPixel_data();
    void naturalPictureIsShownPixelForPixel();
    void naturalControlKeepsThePictureSize();
    void linesStayCrispAtDoubleDensity();
    void missingPictureLeavesControlBlank();
    void storesTheSizeTheRendererFinds_data();
    void storesTheSizeTheRendererFinds();
};

void TestPictureFit::init()
{
    QTest::failOnWarning(QRegularExpression(QStringLiteral(".*")));
}

void TestPictureFit::stretchedPictureReachesEveryCorner()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("corners.svg"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(kCornerMarks);
    file.close();

    // Tab 5's picture: 285 x 181 stored, shown in a 309 x 225 control.
    PictureControl control(path, PictureControl::Fit::Stretched);
    QCOMPARE(control.storedSize(), QSize(285, 181));
    control.resize(309, 225);
    const QImage image = grabbed(control);
    QCOMPARE(image.size(), QSize(309, 225));
    QVERIFY(isInk(image, 0, 0));
    QVERIFY(isInk(image, 308, 224));
    // The marks grow by 309/285 and 225/181, no further.
    QVERIFY(isPaper(image, 2, 2));
    QVERIFY(isPaper(image, 306, 222));
    QVERIFY(isPaper(image, 308, 0));
    QVERIFY(isPaper(image, 0, 224));
}

void TestPictureFit::stretchedDrawingScalesAxesIndependently()
{
    // Tab 5's outside-diameter line (y 171) and thickness line (x 250) where
    // the stretch puts them: x by 309/285, y by 225/181.
    PictureControl control(drawingResource(5), PictureControl::Fit::Stretched);
    control.resize(309, 225);
    const QImage image = grabbed(control);
    const auto inkAround = [&](double x, double y) {
        for (int dy = -1; dy <= 1; ++dy)
            for (int dx = -1; dx <= 1; ++dx)
                if (isInk(image, int(x) + dx, int(y) + dy))
                    return true;
        return false;
    };
    // The sheet itself covers the control to its last pixel.
    QCOMPARE(image.pixelColor(308, 224), QColor(Qt::white));
    const double sx = 309.0 / 285, sy = 225.0 / 181;
    QVERIFY(inkAround(100.5 * sx, 171.5 * sy));
    QVERIFY(inkAround(250.5 * sx, 88.5 * sy));
    QVERIFY(!inkAround(100.5 * sx, 171.5 * sy - 6));
    QVERIFY(!inkAround(250.5 * sx + 6, 88.5 * sy));
}

void TestPictureFit::naturalPictureIsShownPixelForPixel_data()
{
    QTest::addColumn<int>("tab");
    QTest::addColumn<QSize>("stored");
    QTest::newRow("tab 2, Image2") << 2 << QSize(337, 259);
    QTest::newRow("tab 6, Image6") << 6 << QSize(319, 272);
}

void TestPictureFit::naturalPictureIsShownPixelForPixel()
{
    QFETCH(int, tab);
    QFETCH(QSize, stored);
    PictureControl control(drawingResource(tab), PictureControl::Fit::Natural);
    QCOMPARE(control.storedSize(), stored); // the size the SVG states
    control.setGeometry(QRect(QPoint(6, 74), stored));
    const QImage shown = grabbed(control);
    const QImage plain =
        renderAtStoredSize(tab, stored.width(), stored.height()).convertToFormat(QImage::Format_RGB32);
    QCOMPARE(shown.size(), stored);
    QVERIFY(shown == plain);
}

void TestPictureFit::naturalControlKeepsThePictureSize()
{
    PictureControl control(drawingResource(6), PictureControl::Fit::Natural);
    QCOMPARE(control.size(), QSize(319, 272));
    control.resize(400, 300);
    QCOMPARE(control.size(), QSize(319, 272));
}

void TestPictureFit::linesStayCrispAtDoubleDensity()
{
    // Tab 2's hub-diameter line, one pixel at y 15, covers exactly device
    // rows 30 and 31 at a device pixel ratio of 2: drawn, not scaled up.
    PictureControl control(drawingResource(2), PictureControl::Fit::Natural);
    QImage image(674, 518, QImage::Format_RGB32);
    image.setDevicePixelRatio(2);
    image.fill(Qt::white);
    control.render(&image);
    image.setDevicePixelRatio(1);
    for (const int x : {180, 240, 320}) {
        QVERIFY(isInk(image, x, 30));
        QVERIFY(isInk(image, x, 31));
        QVERIFY(isPaper(image, x, 29));
        QVERIFY(isPaper(image, x, 32));
    }
}

void TestPictureFit::missingPictureLeavesControlBlank()
{
    PictureControl control(QStringLiteral(":/drawings/none.svg"), PictureControl::Fit::Stretched);
    control.resize(309, 225);
    QVERIFY(!control.hasPicture());
    const QImage image = grabbed(control);
    QCOMPARE(image.pixelColor(150, 100), QColor(Qt::yellow));
}

// The control takes the stated size from the root element without reading
// the drawing; it must be the size the renderer would have found.
void TestPictureFit::storesTheSizeTheRendererFinds_data()
{
    QTest::addColumn<QString>("root"); // empty: the drawing of the tab
    QTest::addColumn<int>("tab");
    for (int tab = 1; tab <= 7; ++tab)
        QTest::addRow("drawing of tab %d", tab) << QString() << tab;
    QTest::newRow("pixels spelt out") << R"(width="120px" height="80px")" << 0;
    QTest::newRow("millimetres") << R"(width="30mm" height="20mm")" << 0;
    QTest::newRow("view box only") << R"(viewBox="0 0 90 60")" << 0;
    QTest::newRow("fractional pixels") << R"(width="90.6" height="60.4")" << 0;
}

void TestPictureFit::storesTheSizeTheRendererFinds()
{
    QFETCH(QString, root);
    QFETCH(int, tab);
    QTemporaryDir dir;
    QString path = tab > 0 ? drawingResource(tab) : dir.filePath(QStringLiteral("sized.svg"));
    if (tab == 0) {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(R"(<svg xmlns="http://www.w3.org/2000/svg" version="1.2" baseProfile="tiny" )" + root.toUtf8()
                   + R"(><rect x="1" y="1" width="5" height="5"/></svg>)");
    }
    const QSize found = QSvgRenderer(path).defaultSize();
    QVERIFY(found.isValid());
    QCOMPARE(PictureControl(path, PictureControl::Fit::Natural).storedSize(), found);
}

QTEST_MAIN(TestPictureFit)
#include "test_drawing_picture_fit.moc"
