#pragma once

#include "data/connection.h"
#include "lookup/identify.h"

#include <QDialog>

#include <vector>

class QComboBox;
class QDoubleSpinBox;
class QLabel;
class QLineEdit;
class QTableWidget;

namespace vantelo::ui {

// 按实测尺寸识别: measured D, K (or a hole distance), n and L in, every
// flange that fits out, refreshed as the user types. Choosing a result
// (double-click or Enter) announces it in the flange type picked below the
// results; the dialog stays open.
class IdentifyDialog final : public QDialog
{
    Q_OBJECT

public:
    IdentifyDialog(const data::Connection &connection, QWidget *parent = nullptr);

    // The flange type offered first when a match is held by several types:
    // the type of the page the user is on.
    void setPreferredStandard(const lookup::StandardRecord *standard);

signals:
    // The chosen flange in the type picked: the pressure as its
    // page lists it and the DN as its diameter list shows it.
    void flangeChosen(const vantelo::lookup::StandardRecord &standard, const QString &pressure,
                      const QString &diameter);

private:
    lookup::Measurements measurements() const;
    void refresh();
    void choose(int row);
    void offerTypes();

    const data::Connection &m_connection;
    QLineEdit *m_outside;
    QComboBox *m_circleKind;
    QLineEdit *m_circle;
    QLineEdit *m_count;
    QLineEdit *m_hole;
    QDoubleSpinBox *m_lengthTolerance;
    QDoubleSpinBox *m_holeTolerance;
    QTableWidget *m_results;
    QComboBox *m_type;
    QLabel *m_status;
    std::vector<lookup::IdentifiedFlange> m_found;
    const lookup::StandardRecord *m_preferred = nullptr;
};

} // namespace vantelo::ui
