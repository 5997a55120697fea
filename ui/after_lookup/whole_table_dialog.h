#pragma once

#include <QDialog>

class QTableView;

namespace vantelo::ui {

class WholeTableModel;

// A window showing a standard's table at one pressure: sortable by any
// column, the current DN's row selected, the selection copied (Ctrl+C or the
// context menu) as tab-separated text with its column headers. What kept
// rows out (an unreadable data file, a cut) is said above the table.
class WholeTableDialog final : public QDialog
{
    Q_OBJECT

public:
    // Takes ownership of model.
    WholeTableDialog(WholeTableModel *model, const QString &heading, const QString &currentDiameter,
                     QWidget *parent = nullptr);

    QTableView *view() const { return m_view; }
    QString selectedText() const;
    void copySelection() const;

private:
    QTableView *m_view;
};

} // namespace vantelo::ui
