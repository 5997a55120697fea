#include "fake_page.h"

namespace vantelo::test {

TestLabel::TestLabel(const QString &name, QWidget *parent)
    : QLabel(parent)
{
    setObjectName(name);
}

void TestLabel::setCaption(const QString &caption)
{
    ++m_writes;
    setText(caption);
}

FakeForm::FakeForm()
{
    setObjectName(QStringLiteral("Form1"));
    for (const lookup::FlangeStandard &standard : lookup::flangeStandards()) {
        ui::PageHandles page;
        page.standard = &standard;
        for (const char *name : {standard.pressureList, standard.diameterList}) {
            auto *list = new QComboBox(this);
            list->setObjectName(QString::fromLatin1(name));
        }
        page.pressureList = list(standard.pressureList);
        page.diameterList = list(standard.diameterList);
        // The original window's two lists on the fourth page accept typing.
        if (standard.tab == 4) {
            list(standard.pressureList)->setEditable(true);
            list(standard.diameterList)->setEditable(true);
            list(standard.pressureList)->setInsertPolicy(QComboBox::NoInsert);
            list(standard.diameterList)->setInsertPolicy(QComboBox::NoInsert);
        }
        auto *button = new QPushButton(QStringLiteral("查询"), this);
        button->setObjectName(QString::fromLatin1(standard.queryButton));
        page.queryButton = button;
        if (standard.pressureValueLabel != nullptr)
            page.pressureValueLabel = new TestLabel(QString::fromLatin1(standard.pressureValueLabel), this);
        for (const lookup::ResultBinding &binding : standard.bindings)
            page.resultLabels.push_back(new TestLabel(QString::fromLatin1(binding.label), this));
        m_pages.push_back(std::move(page));
    }
}

QComboBox *FakeForm::list(const char *name) const
{
    return findChild<QComboBox *>(QString::fromLatin1(name));
}

QPushButton *FakeForm::button(const char *name) const
{
    return findChild<QPushButton *>(QString::fromLatin1(name));
}

TestLabel *FakeForm::label(const char *name) const
{
    return findChild<TestLabel *>(QString::fromLatin1(name));
}

} // namespace vantelo::test
