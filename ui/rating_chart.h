#pragma once

#include "lookup/rating_tables.h"

#include <QChartView>

#include <optional>

class QScatterSeries;
class QValueAxis;

namespace vantelo::ui {

// The pressure–temperature curves of one material group, one line per class
// in MPa, and the design point. The curves are drawn once per group; the
// design point moves as the user types.
class RatingChart final : public QChartView
{
    Q_OBJECT

public:
    explicit RatingChart(QWidget *parent = nullptr);

    void showGroup(const lookup::RatingGroup *group);
    void showDesignPoint(std::optional<double> temperature, std::optional<double> mpa);

private:
    const lookup::RatingGroup *m_group = nullptr;
    QScatterSeries *m_designPoint;
    QValueAxis *m_temperatureAxis;
    QValueAxis *m_pressureAxis;
};

} // namespace vantelo::ui
