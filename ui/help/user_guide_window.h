#pragma once

#include <QDialog>

namespace vantelo::ui {

// The short user guide shipped inside the program, in a window of its own
// that stays open beside the main window.
class UserGuideWindow final : public QDialog
{
    Q_OBJECT

public:
    explicit UserGuideWindow(QWidget *parent = nullptr);
};

// The guide's HTML text.
QString userGuideHtml();

} // namespace vantelo::ui
