#pragma once

#include <QWidget>

namespace vantelo::ui {

class TabControl;

// The program's one window: a fixed-size client area holding only the tab
// control "SSTab1" with the seven standards' pages and an empty eighth tab.
// It holds no data logic; the lookup finds its controls by objectName.
class Form1 final : public QWidget
{
    Q_OBJECT

public:
    explicit Form1(QWidget *parent = nullptr);

    TabControl *tabControl() const { return m_tabs; }

private:
    TabControl *m_tabs;
};

} // namespace vantelo::ui
