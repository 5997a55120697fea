// Reads every control of a live window back by objectName and compares it
// with the layout facts: kind, geometry, text, alignment, colours, stacking.
#include "ui/layout_facts.h"

#include "ui/caption.h"
#include "ui/main_window.h"
#include "ui/line_control.h"
#include "ui/picture_control.h"
#include "ui/tab_control.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QtTest>

using namespace layout_facts;
using vantelo::ui::Form1;

class TestUiLayout final : public QObject
{
    Q_OBJECT

private slots:
    void controlCountPerPage_data();
    void controlCountPerPage();
    void control_data();
    void control();

private:
    Form1 m_form;
};

void TestUiLayout::controlCountPerPage_data()
{
    QTest::addColumn<int>("tab");
    QTest::addColumn<int>("count");
    const int counts[] = {14, 17, 25, 18, 16, 18, 16, 0};
    for (int tab = 1; tab <= 8; ++tab)
        QTest::addRow("tab %d", tab) << tab << counts[tab - 1];
}

void TestUiLayout::controlCountPerPage()
{
    QFETCH(int, tab);
    QFETCH(int, count);
    QWidget *page = m_form.tabControl()->page(tab - 1);
    QVERIFY(page);
    QCOMPARE(page->findChildren<QWidget *>(Qt::FindDirectChildrenOnly).size(), count);
}

void TestUiLayout::control_data()
{
    QTest::addColumn<int>("index");
    for (int i = 0; i < int(std::size(kControls)); ++i)
        QTest::newRow(kControls[i].name) << i;
}

static QRect pixels(int left, int top, int width, int height)
{
    return {left / 15, top / 15, width / 15, height / 15};
}

static void checkLabel(QWidget *widget, const Control &fact)
{
    auto *label = qobject_cast<QLabel *>(widget);
    QVERIFY(label);
    auto *caption = vantelo::ui::findCaption(widget->window(), QString::fromLatin1(fact.name));
    QVERIFY(caption);
    QCOMPARE(caption->caption(), QString::fromUtf8(fact.text));
    const Qt::Alignment horizontal = label->alignment() & Qt::AlignHorizontal_Mask;
    const Qt::Alignment expected = fact.align == 'r' ? Qt::AlignRight : fact.align == 'c' ? Qt::AlignHCenter : Qt::AlignLeft;
    QCOMPARE(horizontal, expected);
    QVERIFY(label->alignment() & Qt::AlignTop);
    QCOMPARE(widget->focusPolicy(), Qt::NoFocus);

    switch (fact.look) {
    case White:
        QVERIFY(widget->autoFillBackground());
        QCOMPARE(widget->backgroundRole(), QPalette::Base);
        QCOMPARE(widget->foregroundRole(), QPalette::Text);
        break;
    case Face:
        QVERIFY(widget->autoFillBackground());
        QCOMPARE(widget->backgroundRole(), QPalette::Button);
        QCOMPARE(widget->foregroundRole(), QPalette::ButtonText);
        break;
    case Clear:
        QVERIFY(!widget->autoFillBackground());
        QCOMPARE(widget->foregroundRole(), QPalette::ButtonText);
        break;
    case None:
        QFAIL("a label without a look in the facts");
    }
}

void TestUiLayout::control()
{
    QFETCH(int, index);
    const Control &fact = kControls[index];
    const QString name = QString::fromLatin1(fact.name);

    const QList<QWidget *> found = m_form.findChildren<QWidget *>(name);
    QCOMPARE(found.size(), 1);
    QWidget *widget = found.first();
    QWidget *page = m_form.tabControl()->page(fact.tab - 1);
    QCOMPARE(widget->parentWidget(), page);
    QVERIFY(widget->isVisibleTo(page));
    QVERIFY(widget->isEnabled());

    // Geometry relative to the window's client area.
    const QRect placed(widget->mapTo(&m_form, QPoint(0, 0)), widget->size());
    if (fact.kind == Line) {
        auto *line = qobject_cast<vantelo::ui::LineControl *>(widget);
        QVERIFY(line);
        const QLine ends(fact.a / 15, fact.b / 15, fact.c / 15, fact.d / 15);
        QCOMPARE(line->ends(), ends);
        const int left = std::min(fact.a, fact.c) / 15, right = std::max(fact.a, fact.c) / 15;
        const int top = std::min(fact.b, fact.d) / 15, bottom = std::max(fact.b, fact.d) / 15;
        QCOMPARE(placed, QRect(left, top, right - left + 1, bottom - top + 1));
        QCOMPARE(widget->focusPolicy(), Qt::NoFocus);
    } else {
        QCOMPARE(placed, pixels(fact.a, fact.b, fact.c, fact.d));
    }

    switch (fact.kind) {
    case Button: {
        auto *button = qobject_cast<QPushButton *>(widget);
        QVERIFY(button);
        QCOMPARE(button->text(), QString::fromUtf8(fact.text));
        break;
    }
    case List:
    case EditableList: {
        auto *list = qobject_cast<QComboBox *>(widget);
        QVERIFY(list);
        QCOMPARE(list->isEditable(), fact.kind == EditableList);
        if (fact.kind == EditableList) {
            QCOMPARE(list->currentText(), QString::fromUtf8(fact.text));
            QCOMPARE(list->insertPolicy(), QComboBox::NoInsert);
        }
        break;
    }
    case Label:
        checkLabel(widget, fact);
        break;
    case Picture: {
        auto *picture = qobject_cast<vantelo::ui::PictureControl *>(widget);
        QVERIFY(picture);
        const Drawing &drawing = kDrawings[fact.tab - 1];
        QCOMPARE(picture->resourcePath(), QString::fromLatin1(drawing.resource));
        QCOMPARE(picture->storedSize(), QSize(drawing.width, drawing.height));
        using Fit = vantelo::ui::PictureControl::Fit;
        QCOMPARE(picture->fit(), drawing.natural ? Fit::Natural : Fit::Stretched);
        QCOMPARE(widget->focusPolicy(), Qt::NoFocus);
        break;
    }
    case Line:
        break;
    }
    if (QTest::currentTestFailed())
        return;

    // Stacking: a control lies above the one listed after it on its page.
    const bool hasBehind = index + 1 < int(std::size(kControls)) && kControls[index + 1].tab == fact.tab;
    if (hasBehind) {
        QWidget *behind = page->findChild<QWidget *>(QString::fromLatin1(kControls[index + 1].name),
                                                     Qt::FindDirectChildrenOnly);
        QVERIFY(behind);
        QVERIFY2(page->children().indexOf(widget) > page->children().indexOf(behind),
                 qPrintable(name + QLatin1String(" is not above ") + behind->objectName()));
    }
}

QTEST_MAIN(TestUiLayout)
#include "test_ui_layout.moc"
