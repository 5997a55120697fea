#include "ui/rating_chart.h"

#include "lookup/rating.h"

#include <QChart>
#include <QLineSeries>
#include <QScatterSeries>
#include <QValueAxis>

#include <algorithm>
#include <iterator>

namespace vantelo::ui {

RatingChart::RatingChart(QWidget *parent)
    : QChartView(parent)
    , m_designPoint(new QScatterSeries)
    , m_temperatureAxis(new QValueAxis)
    , m_pressureAxis(new QValueAxis)
{
    setObjectName(QStringLiteral("ratingChart"));
    setRenderHint(QPainter::Antialiasing);
    setMinimumSize(420, 300);
    QChart *chart = this->chart();
    chart->legend()->setAlignment(Qt::AlignRight);
    m_temperatureAxis->setTitleText(QStringLiteral("温度 °C"));
    m_temperatureAxis->setLabelFormat(QStringLiteral("%d"));
    m_temperatureAxis->setTickType(QValueAxis::TicksDynamic);
    m_temperatureAxis->setTickAnchor(0);
    m_temperatureAxis->setTickInterval(100);
    m_pressureAxis->setTitleText(QStringLiteral("额定压力 MPa"));
    chart->addAxis(m_temperatureAxis, Qt::AlignBottom);
    chart->addAxis(m_pressureAxis, Qt::AlignLeft);
    m_designPoint->setName(QStringLiteral("设计点"));
    m_designPoint->setMarkerSize(11);
    m_designPoint->setColor(Qt::black);
    chart->addSeries(m_designPoint);
    m_designPoint->attachAxis(m_temperatureAxis);
    m_designPoint->attachAxis(m_pressureAxis);
}

void RatingChart::showGroup(const lookup::RatingGroup *group)
{
    if (group == m_group)
        return;
    m_group = group;
    QChart *chart = this->chart();
    for (QAbstractSeries *series : chart->series()) {
        if (series != m_designPoint) {
            chart->removeSeries(series);
            delete series;
        }
    }
    double highest = 0, most = 0;
    if (group != nullptr) {
        // Six classes, six colours: the theme alone repeats after five.
        static const QColor colours[] = {QColor(0x1f77b4), QColor(0xff7f0e), QColor(0x2ca02c),
                                         QColor(0xd62728), QColor(0x9467bd), QColor(0x8c564b)};
        for (const lookup::RatingCurve &curve : group->curves) {
            auto *line = new QLineSeries;
            const auto place = std::find(std::begin(lookup::RatingClasses), std::end(lookup::RatingClasses), curve.ratingClass);
            line->setColor(colours[(place - std::begin(lookup::RatingClasses)) % 6]);
            line->setName(QStringLiteral("%1#").arg(curve.ratingClass));
            // The 38 °C value holds from −29 °C.
            line->append(lookup::LowestRatedTemperature, curve.points.front().bar * lookup::MpaPerBar);
            for (const lookup::RatingPoint &point : curve.points)
                line->append(point.temperature, point.bar * lookup::MpaPerBar);
            highest = std::max(highest, double(curve.points.back().temperature));
            most = std::max(most, curve.points.front().bar * lookup::MpaPerBar);
            chart->addSeries(line);
            line->attachAxis(m_temperatureAxis);
            line->attachAxis(m_pressureAxis);
        }
    }
    m_temperatureAxis->setRange(lookup::LowestRatedTemperature, std::max(highest, 100.0));
    m_pressureAxis->setRange(0, std::max(most, 1.0));
    m_pressureAxis->applyNiceNumbers();
    chart->setTitle(group != nullptr ? QStringLiteral("材料组 %1").arg(group->id) : QString());
}

void RatingChart::showDesignPoint(std::optional<double> temperature, std::optional<double> mpa)
{
    m_designPoint->clear();
    if (m_group != nullptr && temperature && mpa && *temperature >= m_temperatureAxis->min()
        && *temperature <= m_temperatureAxis->max() && *mpa >= 0 && *mpa <= m_pressureAxis->max())
        m_designPoint->append(*temperature, *mpa);
}

} // namespace vantelo::ui
