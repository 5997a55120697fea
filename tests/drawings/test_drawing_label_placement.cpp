// Every result label of the seven pages over its drawing: inside the picture
// control, and next to the line it belongs to as the control shows it.
// Geometry is restated in twips from the standards' page layouts (15 twips = 1 px).

#include "drawings/dimension_lines.h"
#include "drawings/drawing_images.h"
#include "ui/picture_control.h"

#include <QtTest>
#include <cmath>

using namespace vantelo::drawings_test;
using vantelo::ui::PictureControl;

namespace {

struct PictureGeometry
{
    QRect twips;
    bool natural;
};

// Image1, Image2, Image3, Image4, Image7, Image6, Image5: the pictures of tabs 1 to 7.
const PictureGeometry kPictures[7] = {
    {{150, 1170, 5025, 3705}, false}, {{90, 1110, 5055, 3885}, true}, {{180, 1080, 4995, 3750}, false},
    {{120, 1110, 4740, 3720}, false}, {{180, 1200, 4635, 3375}, false}, {{120, 1080, 4785, 4080}, true},
    {{90, 1140, 4695, 3705}, false},
};

// How a label stands at its line: above a horizontal line and over it, left
// of a vertical one and alongside it, or (at marks and leaders) just beside.
enum Placement { Above, LeftOf, Beside };

// The stored layout puts some labels further from their lines than others:
// Label3 stands about 10 px above tab 1's bolt-hole line, Label44 about 9 px
// above tab 4's.
constexpr double kNearLine = 11.0;

QRectF toPixels(const QRect &twips)
{
    return {twips.x() / 15.0, twips.y() / 15.0, twips.width() / 15.0, twips.height() / 15.0};
}

// A stored-picture point (pixel centre) as the control shows it, relative to
// the control: stretched pictures scale x and y independently.
QPointF shownAt(int tab, QPointF stored)
{
    const QSizeF shown = toPixels(kPictures[tab - 1].twips).size();
    const StoredSize size = kStoredSizes[tab - 1];
    return {(stored.x() + 0.5) * shown.width() / size.width, (stored.y() + 0.5) * shown.height() / size.height};
}

QLineF shownLine(const DimensionLine &line)
{
    const bool h = line.run == Horizontal;
    return {shownAt(line.tab, h ? QPointF(line.from, line.at) : QPointF(line.at, line.from)),
            shownAt(line.tab, h ? QPointF(line.to, line.at) : QPointF(line.at, line.to))};
}

double distance(const QRectF &box, const QLineF &segment)
{
    double best = 1e9;
    for (int i = 0; i <= 200; ++i) {
        const QPointF p = segment.pointAt(i / 200.0);
        const double dx = std::max({box.left() - p.x(), 0.0, p.x() - box.right()});
        const double dy = std::max({box.top() - p.y(), 0.0, p.y() - box.bottom()});
        best = std::min(best, std::hypot(dx, dy));
    }
    return best;
}

} // namespace

class TestLabelPlacement final : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void labelSitsAtItsLine_data();
    void labelSitsAtItsLine();

private:
    QImage m_shown[7];
};

void TestLabelPlacement::initTestCase()
{
    for (int tab = 1; tab <= 7; ++tab) {
        const StoredSize size = kStoredSizes[tab - 1];
        const PictureGeometry &picture = kPictures[tab - 1];
        PictureControl control(drawingResource(tab),
                               picture.natural ? PictureControl::Fit::Natural : PictureControl::Fit::Stretched);
        QCOMPARE(control.storedSize(), QSize(size.width, size.height));
        control.setGeometry(toPixels(picture.twips).toRect());
        m_shown[tab - 1] = control.grab().toImage();
    }
}

void TestLabelPlacement::labelSitsAtItsLine_data()
{
    QTest::addColumn<int>("tab");
    QTest::addColumn<QString>("label");
    QTest::addColumn<QRect>("twips");      // the empty label's box
    QTest::addColumn<int>("placement");
    QTest::addColumn<QLineF>("pageMark");  // a line of the page, in twips, where the drawing has none

    const auto row = [](int tab, const char *label, QRect twips, Placement placement = Above, QLineF mark = {}) {
        QTest::addRow("tab %d %s", tab, label) << tab << QString::fromLatin1(label) << twips << int(placement) << mark;
    };
    row(1, "Label2", {2175, 1200, 90, 180});
    row(1, "Label3", {585, 1980, 90, 180});
    row(1, "Label4", {2235, 3390, 90, 180});
    row(1, "Label5", {1860, 3990, 780, 240});
    row(1, "Label6", {1860, 4440, 780, 270});
    row(1, "Label7", {4890, 2940, 90, 180}, LeftOf);
    row(1, "Label8", {3060, 2070, 285, 285});
    row(2, "Label14", {2100, 1140, 90, 180});
    row(2, "Label15", {2070, 1470, 90, 180});
    row(2, "Label16", {2070, 3570, 90, 180});
    row(2, "Label17", {2070, 4230, 90, 180});
    row(2, "Label18", {2070, 4530, 90, 180});
    row(2, "Label19", {720, 2250, 90, 180});
    row(2, "Label20", {4470, 3030, 90, 180}, LeftOf);
    row(2, "Label21", {4800, 2670, 90, 180}, LeftOf);
    row(2, "Label22", {2790, 1950, 270, 180});
    row(2, "Label23", {3420, 2280, 300, 180});
    row(3, "Label27", {2220, 1110, 90, 180});
    row(3, "Label28", {2220, 1470, 90, 180});
    row(3, "Label29", {2220, 3990, 90, 180});
    row(3, "Label30", {2220, 4380, 90, 180});
    row(3, "Label31", {1020, 2160, 90, 180});
    row(3, "Label32", {4470, 3030, 90, 180}, LeftOf);
    row(3, "Label33", {4800, 2610, 90, 180}, LeftOf);
    row(3, "Label34", {3330, 1680, 90, 180}, Beside);
    row(3, "Label35", {1230, 1950, 90, 180});
    row(3, "Label37", {1800, 1830, 90, 180}, Beside, {1470, 2010, 1860, 2010});   // Line2
    row(4, "Label41", {2040, 1110, 90, 180});
    row(4, "Label42", {2040, 3990, 90, 180});
    row(4, "Label43", {2040, 4380, 90, 180});
    row(4, "Label44", {660, 2430, 90, 180});
    row(4, "Label45", {1380, 1440, 90, 180});
    row(4, "Label46", {1620, 2550, 90, 180}, Beside);
    row(4, "Label47", {4470, 3210, 90, 180}, LeftOf);
    row(4, "Label48", {3210, 2580, 90, 180}, Beside, {3210, 2790, 3420, 2790});   // Line8
    row(5, "Label59", {1890, 1260, 90, 180});
    row(5, "Label60", {1890, 1650, 90, 180});
    row(5, "Label61", {1890, 3780, 90, 180});
    row(5, "Label62", {1890, 4200, 90, 180});
    row(5, "Label63", {600, 1920, 90, 180});
    row(5, "Label64", {4080, 2730, 90, 180}, LeftOf);
    row(5, "Label65", {4470, 1890, 90, 180});
    row(6, "Label67", {1980, 1260, 90, 180});
    row(6, "Label68", {1980, 1530, 90, 180});
    row(6, "Label69", {1980, 1800, 90, 180});
    row(6, "Label70", {1950, 4440, 90, 180});
    row(6, "Label71", {1950, 4770, 90, 180});
    row(6, "Label72", {600, 2730, 90, 180});
    row(6, "Label73", {4230, 3540, 90, 180}, LeftOf);
    row(6, "Label74", {4560, 3000, 90, 180}, LeftOf);
    row(7, "Label77", {2070, 1350, 90, 180});
    row(7, "Label78", {2040, 1680, 90, 180});
    row(7, "Label79", {2070, 4080, 90, 180});
    row(7, "Label80", {2070, 4410, 90, 180});
    row(7, "Label81", {690, 2490, 90, 180});
    row(7, "Label82", {1050, 1680, 90, 180});
    row(7, "Label83", {4470, 3270, 90, 180}, LeftOf);
}

void TestLabelPlacement::labelSitsAtItsLine()
{
    QFETCH(int, tab);
    QFETCH(QString, label);
    QFETCH(QRect, twips);
    QFETCH(int, placement);
    QFETCH(QLineF, pageMark);

    const QRectF picture = toPixels(kPictures[tab - 1].twips);
    const QRectF box = toPixels(twips).translated(-picture.topLeft());
    QVERIFY2(QRectF(QPointF(0, 0), picture.size()).contains(box), "label outside its picture");

    if (!pageMark.isNull()) {
        const QLineF mark(pageMark.p1() / 15.0 - picture.topLeft(), pageMark.p2() / 15.0 - picture.topLeft());
        QVERIFY2(distance(box, mark) <= kNearLine, "label away from its mark");
        return;
    }

    // The label's own line (or lines), shown where the fit puts it.
    const QImage &shown = m_shown[tab - 1];
    double nearest = 1e9;
    bool placed = placement == Beside;
    for (const DimensionLine &line : kDimensionLines) {
        if (line.tab != tab || label != QLatin1String(line.label))
            continue;
        const QLineF at = shownLine(line);
        const QPoint mid = at.pointAt(0.5).toPoint();
        bool visible = false;
        for (int dy = -2; dy <= 2 && !visible; ++dy)
            for (int dx = -2; dx <= 2 && !visible; ++dx)
                visible = isInk(shown, mid.x() + dx, mid.y() + dy);
        QVERIFY2(visible, qPrintable(QStringLiteral("%1 not shown at %2,%3").arg(line.dimension).arg(mid.x()).arg(mid.y())));
        nearest = std::min(nearest, distance(box, at));
        if (placement == Above && line.run == Horizontal)
            placed = placed || (box.bottom() <= at.y1() + 0.5 && box.right() > at.x1() && box.left() < at.x2());
        if (placement == LeftOf && line.run == Vertical)
            placed = placed || (box.right() <= at.x1() + 0.5 && box.bottom() > at.y1() && box.top() < at.y2());
    }
    QVERIFY2(nearest <= kNearLine, qPrintable(QStringLiteral("%1 px from its line").arg(nearest)));
    QVERIFY2(placed, placement == Above ? "not above its line" : "not left of its line");
}

QTEST_MAIN(TestLabelPlacement)
#include "test_drawing_label_placement.moc"
