#include "ui/after_lookup/whole_table_reading.h"

#include <QCoreApplication>
#include <QProgressDialog>

namespace vantelo::ui {
namespace {

constexpr qint64 EventsEveryMs = 100;
constexpr qint64 ProgressAfterMs = 500;

} // namespace

WholeTableReading::WholeTableReading(QWidget *parent)
    : m_parent(parent)
{
    m_started.start();
    m_sinceEvents.start();
}

WholeTableReading::~WholeTableReading() = default;

bool WholeTableReading::keepGoing(qsizetype rowsRead)
{
    if (!m_progress && m_started.elapsed() >= ProgressAfterMs) {
        m_progress = std::make_unique<QProgressDialog>(QString(), QStringLiteral("取消"), 0, 0, m_parent);
        m_progress->setObjectName(QStringLiteral("wholeTableProgress"));
        m_progress->setWindowTitle(QStringLiteral("查看整表"));
        // Nothing else may use the data file meanwhile.
        m_progress->setWindowModality(Qt::ApplicationModal);
        m_progress->setMinimumDuration(0);
        m_progress->show();
    }
    if (m_progress)
        m_progress->setLabelText(QStringLiteral("正在读取整表：已读 %1 行…").arg(rowsRead));
    if (m_sinceEvents.elapsed() >= EventsEveryMs || m_progress) {
        // Until the progress shows and blocks the window, the user's input waits.
        QCoreApplication::processEvents(m_progress ? QEventLoop::AllEvents : QEventLoop::ExcludeUserInputEvents);
        m_sinceEvents.restart();
    }
    return !m_progress || !m_progress->wasCanceled();
}

} // namespace vantelo::ui
