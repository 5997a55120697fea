#include "ui/rating_dialog.h"

#include "ui/rating_chart.h"
#include "ui/rating_texts.h"

#include "lookup/pressure_texts.h"

#include <QComboBox>
#include <QCompleter>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include <cmath>

namespace vantelo::ui {

namespace {

enum Column { ClassColumn, RatingColumn, ConfidenceColumn, HoldsColumn };

QLineEdit *conditionEdit(const char *name, const QString &placeholder, QWidget *parent)
{
    auto *edit = new QLineEdit(parent);
    edit->setObjectName(QLatin1String(name));
    edit->setPlaceholderText(placeholder);
    return edit;
}

QLabel *wrappedLabel(const char *name, QWidget *parent)
{
    auto *label = new QLabel(parent);
    label->setObjectName(QLatin1String(name));
    label->setWordWrap(true);
    return label;
}

} // namespace

RatingDialog::RatingDialog(const data::Connection &connection, QWidget *parent)
    : QDialog(parent)
    , m_tables(lookup::RatingTables::read(connection))
    , m_material(conditionEdit("materialEdit", QStringLiteral("ASTM 牌号，如 A105；或材料组号，如 1.1"), this))
    , m_temperature(conditionEdit("temperatureEdit", QStringLiteral("°C"), this))
    , m_pressure(conditionEdit("pressureEdit", QStringLiteral("MPa（表压）"), this))
    , m_europeanNote(wrappedLabel("europeanNote", this))
    , m_group(wrappedLabel("groupLabel", this))
    , m_status(wrappedLabel("ratingStatus", this))
    , m_classes(new QTableWidget(0, 4, this))
    , m_chart(new RatingChart(this))
    , m_page(new QComboBox(this))
    , m_apply(new QPushButton(QStringLiteral("按所选等级查询"), this))
{
    setObjectName(QStringLiteral("ratingDialog"));
    setWindowTitle(QStringLiteral("按设计条件选型"));
    resize(1000, 540);

    QStringList grades;
    for (const lookup::RatedMaterial &material : m_tables.materials())
        grades << material.grade;
    auto *completer = new QCompleter(grades, m_material);
    completer->setCaseSensitivity(Qt::CaseInsensitive);
    completer->setFilterMode(Qt::MatchContains);
    m_material->setCompleter(completer);

    auto *form = new QFormLayout;
    form->addRow(QStringLiteral("材料："), m_material);
    form->addRow(QStringLiteral("设计温度（°C）："), m_temperature);
    form->addRow(QStringLiteral("设计压力（MPa，表压）："), m_pressure);

    m_classes->setObjectName(QStringLiteral("classTable"));
    m_classes->setHorizontalHeaderLabels(
        {QStringLiteral("压力等级"), QStringLiteral("额定压力"), QStringLiteral("可信度"), QStringLiteral("设计压力下")});
    m_classes->verticalHeader()->hide();
    m_classes->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    m_classes->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_classes->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_classes->setSelectionMode(QAbstractItemView::SingleSelection);

    m_page->setObjectName(QStringLiteral("pageCombo"));
    for (const lookup::StandardRecord &standard : lookup::StandardRecords) {
        if (standard.system() == lookup::FlangeSystem::American)
            m_page->addItem(QStringLiteral("%1 %2").arg(QString::fromUtf8(standard.caption),
                                                         QString::fromUtf8(lookup::controlWith(standard, lookup::ControlRole::Title)->text)),
                            lookup::tabOf(standard));
    }
    m_apply->setObjectName(QStringLiteral("applyClassButton"));
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(m_page);
    buttons->addWidget(m_apply);
    buttons->addStretch();

    auto *basis = wrappedLabel("basisLabel", this);
    basis->setText(QStringLiteral("压力-温度额定值依据 ASME B16.5；HG/T 20615-2009 采用该额定值，版次未核实"));
    m_europeanNote->setText(QStringLiteral("本工具未收录欧洲体系（HG/T 20592，PN）的压力-温度额定值，"
                                           "也不将 PN 换算为压力等级；以下仅适用于美洲体系法兰。"));
    m_europeanNote->hide();

    auto *leftSide = new QWidget(this);
    leftSide->setMinimumWidth(470); // the table's four columns side by side
    auto *left = new QVBoxLayout(leftSide);
    left->setContentsMargins(0, 0, 0, 0);
    left->addLayout(form);
    left->addWidget(m_group);
    left->addWidget(m_classes, 1);
    left->addWidget(m_status);
    left->addLayout(buttons);
    auto *columns = new QHBoxLayout;
    columns->addWidget(leftSide);
    columns->addWidget(m_chart, 1);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_europeanNote);
    layout->addLayout(columns, 1);
    layout->addWidget(basis);

    for (QLineEdit *edit : {m_material, m_temperature, m_pressure})
        connect(edit, &QLineEdit::textChanged, this, &RatingDialog::refresh);
    connect(m_classes, &QTableWidget::itemSelectionChanged, this, &RatingDialog::updateButton);
    connect(m_page, &QComboBox::currentIndexChanged, this, &RatingDialog::updateButton);
    connect(m_apply, &QPushButton::clicked, this, &RatingDialog::choose);
    refresh();
}

void RatingDialog::setOpenedFrom(const lookup::StandardRecord *standard)
{
    m_openedFrom = standard;
    m_europeanNote->setVisible(standard != nullptr && standard->system() != lookup::FlangeSystem::American);
    // On an American page the class goes to that page; elsewhere the user picks one.
    m_page->setVisible(standard == nullptr || standard->system() != lookup::FlangeSystem::American);
    updateButton();
}

const lookup::StandardRecord *RatingDialog::targetPage() const
{
    if (m_openedFrom != nullptr && m_openedFrom->system() == lookup::FlangeSystem::American)
        return m_openedFrom;
    const int tab = m_page->currentData().toInt();
    for (const lookup::StandardRecord &standard : lookup::StandardRecords) {
        if (lookup::tabOf(standard) == tab)
            return &standard;
    }
    return nullptr;
}

void RatingDialog::refresh()
{
    m_classes->setRowCount(0);
    m_group->clear();
    const std::optional<double> temperature = typedNumber(m_temperature->text());
    const std::optional<double> mpa = typedNumber(m_pressure->text());
    const std::optional<lookup::RatingSubject> subject = m_tables.resolve(m_material->text());
    m_chart->showGroup(subject ? subject->group : nullptr);
    m_chart->showDesignPoint(temperature, mpa);

    if (m_tables.isEmpty())
        m_status->setText(QStringLiteral("数据文件中没有压力-温度额定值"));
    else if (m_material->text().trimmed().isEmpty())
        m_status->setText(QStringLiteral("请输入材料：ASTM 牌号（如 A105）或材料组号（如 1.1）"));
    else if (!subject)
        m_status->setText(QStringLiteral("未找到该材料：请输入 ASTM 牌号（如 A105）或材料组号（如 1.1）"));
    else if (!temperature)
        m_status->setText(QStringLiteral("请输入设计温度（°C）"));
    else if (std::isnan(*temperature))
        m_status->setText(QStringLiteral("设计温度须为数字"));
    else if (mpa && std::isnan(*mpa))
        m_status->setText(QStringLiteral("设计压力须为数字"));
    else if (mpa && *mpa < 0)
        m_status->setText(QStringLiteral("设计压力不能为负数"));
    else
        showAnswer(*subject->group, *temperature, mpa);

    if (subject) {
        QString text = QStringLiteral("材料组 %1，%2").arg(subject->group->id, subject->group->table);
        if (subject->material != nullptr) {
            const QString form = formText(subject->material->form);
            text = QStringLiteral("%1%2：").arg(subject->material->grade, form.isEmpty() ? QString() : QStringLiteral("（%1）").arg(form)) +
                   text + QStringLiteral("；材料归组可信度：%1").arg(lookup::confidenceText(subject->material->confidence));
        }
        m_group->setText(text);
    }
    updateButton();
}

void RatingDialog::showAnswer(const lookup::RatingGroup &group, double temperature, std::optional<double> mpa)
{
    const lookup::RatingAnswer answer = lookup::rate(group, temperature, mpa);
    const QString degrees = QString::number(temperature, 'g', 6);
    if (answer.outsideRange) {
        m_status->setText(QStringLiteral("设计温度 %1 °C 超出材料组 %2 的额定范围（%3～%4 °C），无额定值")
                              .arg(degrees, group.id)
                              .arg(lookup::LowestRatedTemperature)
                              .arg(answer.highestTemperature));
        return;
    }
    m_classes->setRowCount(int(answer.classes.size()));
    for (int row = 0; row < int(answer.classes.size()); ++row) {
        const lookup::ClassRating &entry = answer.classes[std::size_t(row)];
        const bool lowest = answer.lowestHolding == entry.ratingClass;
        const QString confidence = entry.rating ? entry.rating->confidence : QString();
        const QString texts[] = {classText(entry.ratingClass), ratingCellText(entry),
                                 entry.rating ? lookup::confidenceText(confidence) : QString(),
                                 holdsText(entry, lowest, mpa.has_value())};
        for (int column = 0; column < 4; ++column) {
            auto *item = new QTableWidgetItem(texts[column]);
            item->setData(Qt::UserRole, entry.ratingClass);
            if (!entry.rating)
                item->setFlags(item->flags() & ~Qt::ItemIsSelectable & ~Qt::ItemIsEnabled);
            if (lowest) {
                QFont bold = item->font();
                bold.setBold(true);
                item->setFont(bold);
            }
            if (entry.rating && !entry.rating->note.isEmpty())
                item->setToolTip(entry.rating->note);
            m_classes->setItem(row, column, item);
        }
        if (lowest)
            m_classes->selectRow(row);
    }
    const QString used = QStringLiteral("（所用额定值可信度最低为：%1）").arg(lookup::confidenceText(lookup::lowestConfidence(answer)));
    if (!mpa)
        m_status->setText(QStringLiteral("输入设计压力后标出最低满足等级") + used);
    else if (answer.lowestHolding)
        m_status->setText(QStringLiteral("最低满足等级：%1").arg(classText(*answer.lowestHolding)) + used);
    else
        m_status->setText(QStringLiteral("%1 °C 下没有压力等级的额定压力达到 %2 MPa").arg(degrees, QString::number(*mpa, 'g', 6)) + used);
}

void RatingDialog::updateButton()
{
    const lookup::StandardRecord *target = targetPage();
    const QList<QTableWidgetItem *> selected = m_classes->selectedItems();
    const bool listed = target != nullptr && !selected.isEmpty()
        && lookup::listedPressures(*target).contains(classText(selected.front()->data(Qt::UserRole).toInt()));
    m_apply->setEnabled(listed);
}

void RatingDialog::choose()
{
    const QList<QTableWidgetItem *> selected = m_classes->selectedItems();
    if (const lookup::StandardRecord *target = targetPage(); target != nullptr && !selected.isEmpty())
        emit classChosen(*target, classText(selected.front()->data(Qt::UserRole).toInt()));
}

} // namespace vantelo::ui
