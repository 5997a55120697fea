// The window and its tab control: frame, opening tab, switching by mouse and
// keys, state kept across switches, and the focus order.
#include "ui/caption.h"
#include "ui/main_window.h"
#include "ui/tab_control.h"
#include "ui/tab_strip.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QtTest>

using vantelo::ui::Form1;

class TestUiTabs final : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void windowFrame();
    void opensOnSeventhTab();
    void clickSelectsTab_data();
    void clickSelectsTab();
    void eighthTabIsEmpty();
    void arrowKeysMoveAlongTabs();
    void switchingKeepsPageState();
    void focusOrder_data();
    void focusOrder();

private:
    vantelo::ui::TabControl *tabs() const { return m_form.tabControl(); }
    vantelo::ui::TabStrip *strip() const { return m_form.tabControl()->tabStrip(); }

    Form1 m_form;
};

void TestUiTabs::initTestCase()
{
    // Before anything switches tabs.
    QCOMPARE(tabs()->currentTab(), 6);
    m_form.show();
    m_form.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&m_form));
}

void TestUiTabs::init()
{
    tabs()->setCurrentTab(6);
}

void TestUiTabs::windowFrame()
{
    QCOMPARE(m_form.objectName(), QStringLiteral("Form1"));
    QCOMPARE(m_form.windowTitle(), QStringLiteral("Vantelo"));
    QCOMPARE(m_form.size(), QSize(474, 359));
    QCOMPARE(m_form.minimumSize(), m_form.maximumSize());
    QCOMPARE(m_form.findChildren<QWidget *>(Qt::FindDirectChildrenOnly), QList<QWidget *>{tabs()});
    QCOMPARE(tabs()->objectName(), QStringLiteral("SSTab1"));
    QCOMPARE(tabs()->geometry(), QRect(0, 0, 473, 357));

    // The icon: a white window with a cyan title bar, at 16 and 32 px.
    const QIcon icon = m_form.windowIcon();
    QVERIFY(icon.availableSizes().contains(QSize(16, 16)));
    QVERIFY(icon.availableSizes().contains(QSize(32, 32)));
    const QImage large = icon.pixmap(32, 32).toImage();
    QCOMPARE(large.pixelColor(16, 6), QColor(Qt::cyan));
    QCOMPARE(large.pixelColor(16, 20), QColor(Qt::white));
}

void TestUiTabs::opensOnSeventhTab()
{
    const QStringList captions{"HG20593", "HG20594", "HG20595", "HG20596", "HG20616", "HG20617", "HG20618", "Tab 7"};
    QCOMPARE(tabs()->tabCount(), 8);
    for (int tab = 0; tab < 8; ++tab) {
        QCOMPARE(tabs()->tabCaption(tab), captions.at(tab));
        QCOMPARE(tabs()->page(tab)->isVisible(), tab == 6);
    }
    QVERIFY(m_form.findChild<QWidget *>(QStringLiteral("Combo13"))->isVisible());
    QVERIFY(!m_form.findChild<QWidget *>(QStringLiteral("Combo1"))->isVisible());
}

void TestUiTabs::clickSelectsTab_data()
{
    QTest::addColumn<int>("tab");
    for (int tab = 0; tab < 8; ++tab)
        QTest::addRow("tab %d", tab + 1) << tab;
}

void TestUiTabs::clickSelectsTab()
{
    QFETCH(int, tab);
    QSignalSpy changed(tabs(), &vantelo::ui::TabControl::currentTabChanged);
    QTest::mouseClick(strip(), Qt::LeftButton, {}, strip()->tabRect(tab).center());
    QCOMPARE(tabs()->currentTab(), tab);
    QCOMPARE(changed.size(), tab == 6 ? 0 : 1);
    for (int other = 0; other < 8; ++other)
        QCOMPARE(tabs()->page(other)->isVisible(), other == tab);
    // The current tab's row lies next to the page, below the other row.
    QVERIFY(strip()->tabRect(tab).bottom() >= strip()->tabRect((tab + 4) % 8).bottom());
}

void TestUiTabs::eighthTabIsEmpty()
{
    QTest::mouseClick(strip(), Qt::LeftButton, {}, strip()->tabRect(7).center());
    QCOMPARE(tabs()->currentTab(), 7);
    QVERIFY(tabs()->page(7)->isVisible());
    QVERIFY(tabs()->page(7)->children().isEmpty());
}

void TestUiTabs::arrowKeysMoveAlongTabs()
{
    strip()->setFocus();
    QTest::keyClick(strip(), Qt::Key_Left);
    QCOMPARE(tabs()->currentTab(), 5);
    QTest::keyClick(strip(), Qt::Key_Right);
    QTest::keyClick(strip(), Qt::Key_Right);
    QCOMPARE(tabs()->currentTab(), 7);
    QTest::keyClick(strip(), Qt::Key_Right);
    QCOMPARE(tabs()->currentTab(), 7);
    tabs()->setCurrentTab(0);
    QTest::keyClick(strip(), Qt::Key_Left);
    QCOMPARE(tabs()->currentTab(), 0);
    QVERIFY(strip()->hasFocus());
}

void TestUiTabs::switchingKeepsPageState()
{
    tabs()->setCurrentTab(3);
    auto *pressure = m_form.findChild<QComboBox *>(QStringLiteral("Combo7"));
    pressure->lineEdit()->selectAll();
    QTest::keyClicks(pressure->lineEdit(), QStringLiteral("2.5"));
    auto *diameters = m_form.findChild<QComboBox *>(QStringLiteral("Combo2"));
    diameters->addItems({QStringLiteral("15"), QStringLiteral("20"), QStringLiteral("25")});
    diameters->setCurrentIndex(1);
    auto *result = vantelo::ui::findCaption(&m_form, QStringLiteral("Label16"));
    result->setCaption(QStringLiteral("Φ90(Φ92)"));
    const QRect resultGeometry = m_form.findChild<QWidget *>(QStringLiteral("Label16"))->geometry();

    for (int tab : {7, 0, 1, 6, 3, 1}) {
        QTest::mouseClick(strip(), Qt::LeftButton, {}, strip()->tabRect(tab).center());
        QCOMPARE(tabs()->currentTab(), tab);
    }
    QCOMPARE(pressure->currentText(), QStringLiteral("2.5"));
    QCOMPARE(pressure->count(), 0);
    QCOMPARE(diameters->currentText(), QStringLiteral("20"));
    QCOMPARE(result->caption(), QStringLiteral("Φ90(Φ92)"));
    QCOMPARE(m_form.findChild<QWidget *>(QStringLiteral("Label16"))->geometry(), resultGeometry);
}

void TestUiTabs::focusOrder_data()
{
    QTest::addColumn<int>("tab");
    QTest::addColumn<QStringList>("stops");
    for (int tab = 0; tab < 7; ++tab) {
        const QString n1 = QString::number(2 * tab + 1), n2 = QString::number(2 * tab + 2);
        QTest::addRow("tab %d", tab + 1) << tab
                                         << QStringList{"Combo" + n1, "Combo" + n2, "Command" + QString::number(tab + 1),
                                                        "tabStrip"};
    }
    QTest::newRow("tab 8") << 7 << QStringList{"tabStrip"};
}

void TestUiTabs::focusOrder()
{
    QFETCH(int, tab);
    QFETCH(QStringList, stops);
    tabs()->setCurrentTab(tab);
    strip()->setFocus();
    QTRY_VERIFY(strip()->hasFocus());
    for (const QString &stop : stops) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QWidget *expected = m_form.findChild<QWidget *>(stop);
        QVERIFY(expected);
        QWidget *focused = QApplication::focusWidget();
        // An editable list hands its focus to its text field.
        QVERIFY2(focused == expected || expected->isAncestorOf(focused),
                 qPrintable(stop + QLatin1String(" expected, focus on ")
                            + (focused ? focused->objectName() + QLatin1Char(' ') + focused->metaObject()->className()
                                       : QStringLiteral("nothing"))));
    }
}

QTEST_MAIN(TestUiTabs)
#include "test_ui_tabs.moc"
