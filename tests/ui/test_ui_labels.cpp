// Labels: the font they measure with, auto-size anchoring as captions change,
// wrap points and line step of fixed labels, and captions shown as stored.
#include "ui/ink.h"

#include "ui/caption.h"
#include "ui/main_window.h"
#include "ui/tab_control.h"
#include "ui/tab_strip.h"

#include <QLabel>
#include <QtTest>

using vantelo::ui::findCaption;
using vantelo::ui::Form1;

class TestUiLabels final : public QObject
{
    Q_OBJECT

private slots:
    void intendedFaces();
    void anchoring_data();
    void anchoring();
    void wrapPoints_data();
    void wrapPoints();
    void wrappedLinesStepTwelvePixels();
    void captionShownAsStored();

private:
    QLabel *label(const char *name) { return m_form.findChild<QLabel *>(QLatin1String(name)); }

    Form1 m_form;
};

void TestUiLabels::intendedFaces()
{
    // Every width below depends on these faces being the ones in use.
    const QFontInfo text(m_form.font());
    QCOMPARE(text.family(), QStringLiteral("AR PL UMing CN"));
    QCOMPARE(text.pixelSize(), 12);
    const QFontMetrics metrics(m_form.font());
    QCOMPARE(metrics.height(), 12);
    QCOMPARE(metrics.horizontalAdvance(QStringLiteral("公称通径DN(mm)")), 84);

    const QFontInfo tabs(m_form.tabControl()->tabStrip()->font());
    QCOMPARE(tabs.family(), QStringLiteral("Liberation Sans"));
    QCOMPARE(tabs.pixelSize(), 14);
}

void TestUiLabels::anchoring_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QRect>("expected");

    // Centred: grows equally about design left + 45 twips.
    QTest::newRow("centred Label2, two diameters") << "Label2" << "Φ125(Φ133)" << QRect(112, 80, 72, 12);
    QTest::newRow("centred Label2, one diameter") << "Label2" << "Φ57" << QRect(136, 80, 24, 12);
    QTest::newRow("centred Label63, bolt holes") << "Label63" << "8-Φ22" << QRect(25, 128, 36, 12);
    QTest::newRow("centred Label3, emptied") << "Label3" << "" << QRect(39, 132, 6, 12);
    // Right-aligned: grows left of design left + 90 twips.
    QTest::newRow("right Label7") << "Label7" << "20" << QRect(320, 196, 12, 12);
    QTest::newRow("right Label65") << "Label65" << "150" << QRect(286, 126, 18, 12);
    QTest::newRow("right Label31, long") << "Label31" << "12-Φ22" << QRect(32, 144, 42, 12);
    // Left-aligned: keeps its left edge.
    QTest::newRow("left Label34") << "Label34" << "48" << QRect(222, 112, 12, 12);
    QTest::newRow("left Label37") << "Label37" << "3.6" << QRect(120, 122, 18, 12);
    QTest::newRow("left field caption Label54") << "Label54" << "公称通径DN(mm)" << QRect(334, 128, 84, 12);
    // Fixed labels keep their box whatever the caption.
    QTest::newRow("fixed Label22, too long") << "Label22" << "Φ125(Φ133)" << QRect(186, 130, 18, 12);
    QTest::newRow("fixed Label5, centred") << "Label5" << "Φ1234567" << QRect(124, 266, 52, 16);
    QTest::newRow("fixed pressure value Label76") << "Label76" << "42.0" << QRect(406, 104, 45, 19);
}

void TestUiLabels::anchoring()
{
    QFETCH(QString, name);
    QFETCH(QString, caption);
    QFETCH(QRect, expected);
    auto *target = findCaption(&m_form, name);
    QVERIFY(target);
    // A longer caption first, so the result must not depend on the previous size.
    target->setCaption(QStringLiteral("Φ1234567890(Φ1234567890)"));
    target->setCaption(caption);
    QCOMPARE(target->caption(), caption);
    QCOMPARE(m_form.findChild<QWidget *>(name)->geometry(), expected);
}

void TestUiLabels::wrapPoints_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("lines");
    QTest::addColumn<int>("firstLineMin"); // the first line's ink ends at or after this column
    QTest::addColumn<int>("firstLineEnd"); // and before this one

    // Titles break before "(": nine characters (108 px), or seven (84 px).
    QTest::newRow("Label1") << "Label1" << 2 << 97 << 108;
    QTest::newRow("Label11") << "Label11" << 2 << 97 << 108;
    QTest::newRow("Label24") << "Label24" << 2 << 97 << 108;
    QTest::newRow("Label38") << "Label38" << 2 << 73 << 84;
    QTest::newRow("Label55") << "Label55" << 2 << 97 << 108;
    QTest::newRow("Label49") << "Label49" << 2 << 97 << 108;
    QTest::newRow("Label50") << "Label50" << 2 << 73 << 84;
    // Notes: one line of 234 px, 168 px and 228 px; two lines in 119 px.
    QTest::newRow("Label36") << "Label36" << 1 << 223 << 234;
    QTest::newRow("Label87") << "Label87" << 1 << 157 << 168;
    QTest::newRow("Label84") << "Label84" << 1 << 217 << 228;
    QTest::newRow("Label86") << "Label86" << 1 << 217 << 228;
    QTest::newRow("Label75") << "Label75" << 2 << 97 << 119;
    QTest::newRow("Label85") << "Label85" << 2 << 97 << 119;
}

void TestUiLabels::wrapPoints()
{
    QFETCH(QString, name);
    QFETCH(int, lines);
    QFETCH(int, firstLineMin);
    QFETCH(int, firstLineEnd);
    QWidget *widget = m_form.findChild<QWidget *>(name);
    QVERIFY(widget);
    const QImage ink = renderInk(widget);
    QCOMPARE(inkedLines(ink), lines);
    const int right = inkRight(ink, 0, 12);
    QVERIFY2(right >= firstLineMin && right < firstLineEnd, qPrintable(QString::number(right)));
}

void TestUiLabels::wrappedLinesStepTwelvePixels()
{
    // Seven characters fill a line of Label38 (91 px), so this caption gives
    // identical lines; each must repeat the one above exactly 12 px lower.
    auto *title = findCaption(&m_form, QStringLiteral("Label38"));
    title->setCaption(QString(14, QChar(0x4E2D)));
    const QImage ink = renderInk(label("Label38"));
    QCOMPARE(inkedLines(ink), 2);
    for (int y = 0; y < 12; ++y) {
        for (int x = 0; x < ink.width(); ++x)
            QCOMPARE(isInk(ink, x, y + 12), isInk(ink, x, y));
    }
}

void TestUiLabels::captionShownAsStored()
{
    // Neither markup nor '&' is interpreted: "<b>1</b>" is eight characters wide.
    auto *value = findCaption(&m_form, QStringLiteral("Label45"));
    value->setCaption(QStringLiteral("<b>1</b>"));
    QCOMPARE(label("Label45")->width(), 48);
    QVERIFY(inkRight(renderInk(label("Label45")), 0, 12) >= 42);
    value->setCaption(QStringLiteral("A&B"));
    QCOMPARE(label("Label45")->width(), 18);
    QVERIFY(inkRight(renderInk(label("Label45")), 0, 12) >= 12);
}

QTEST_MAIN(TestUiLabels)
#include "test_ui_labels.moc"
