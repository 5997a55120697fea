#pragma once

#include <QLine>
#include <QWidget>

namespace vantelo::ui {

// A thin straight line in the window-text colour between two points of its
// parent. The widget covers the line's bounding box and is transparent, also
// to the mouse, everywhere else, so a slanted line shows slanted.
class LineControl final : public QWidget
{
    Q_OBJECT

public:
    LineControl(QLine ends, QWidget *parent = nullptr);

    // The end points in the parent's coordinates.
    QLine ends() const { return m_ends; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QLine m_ends;
};

} // namespace vantelo::ui
