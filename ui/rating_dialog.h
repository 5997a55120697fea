#pragma once

#include "data/connection.h"
#include "lookup/standards.h"
#include "lookup/rating.h"

#include <QDialog>

#include <optional>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableWidget;

namespace vantelo::ui {

class RatingChart;

// 按设计条件选型: material, design temperature and design pressure in; each
// class's rating at that temperature, the lowest class that holds and the
// group's curves out, refreshed as the user types. The chosen class (the
// lowest that holds unless the user picks another row) is announced for an
// American page: the page it was opened from, or the one picked here.
class RatingDialog final : public QDialog
{
    Q_OBJECT

public:
    RatingDialog(const data::Connection &connection, QWidget *parent = nullptr);

    // The page the dialog was opened from; nullptr for a page of no standard.
    void setOpenedFrom(const lookup::StandardRecord *standard);

signals:
    void classChosen(const vantelo::lookup::StandardRecord &standard, const QString &classText);

private:
    void refresh();
    void showAnswer(const lookup::RatingGroup &group, double temperature, std::optional<double> mpa);
    const lookup::StandardRecord *targetPage() const;
    void updateButton();
    void choose();

    lookup::RatingTables m_tables;
    const lookup::StandardRecord *m_openedFrom = nullptr;
    QLineEdit *m_material;
    QLineEdit *m_temperature;
    QLineEdit *m_pressure;
    QLabel *m_europeanNote;
    QLabel *m_group;
    QLabel *m_status;
    QTableWidget *m_classes;
    RatingChart *m_chart;
    QComboBox *m_page;
    QPushButton *m_apply;
};

} // namespace vantelo::ui
