#pragma once

#include <QElapsedTimer>
#include <QtGlobal>

#include <memory>

class QProgressDialog;
class QWidget;

namespace vantelo::ui {

// Keeps the window answering while a whole table is read: between batches it
// lets the window handle its events, at least every tenth of a second, and
// once the reading has taken half a second it shows its progress with a
// cancel button.
class WholeTableReading final
{
public:
    explicit WholeTableReading(QWidget *parent);
    ~WholeTableReading();
    WholeTableReading(const WholeTableReading &) = delete;
    WholeTableReading &operator=(const WholeTableReading &) = delete;

    // Called between batches; false once the user has cancelled.
    bool keepGoing(qsizetype rowsRead);

private:
    QWidget *m_parent;
    QElapsedTimer m_started;
    QElapsedTimer m_sinceEvents;
    std::unique_ptr<QProgressDialog> m_progress;
};

} // namespace vantelo::ui
