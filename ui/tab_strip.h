#pragma once

#include <QStringList>
#include <QWidget>

namespace vantelo::ui {

// The tabs of the tab control: rows of four, laid out as property-sheet tabs
// where the row holding the current tab sits next to the page. It takes the
// focus; a click or the left and right arrow keys change the current tab.
// It also draws the top edge of the page frame below the rows.
class TabStrip final : public QWidget
{
    Q_OBJECT

public:
    static constexpr int kTabsPerRow = 4;
    static constexpr int kRowHeight = 19;

    explicit TabStrip(QWidget *parent = nullptr);

    void addTab(const QString &caption);
    int count() const { return int(m_captions.size()); }
    QString caption(int index) const { return m_captions.value(index); }

    int currentIndex() const { return m_current; }
    void setCurrentIndex(int index);

    // Where a tab is drawn now (the current one is raised over its neighbours).
    QRect tabRect(int index) const;
    int tabAt(QPoint position) const;

    QSize sizeHint() const override;

signals:
    void currentIndexChanged(int index);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    int rowCount() const;
    int visualRow(int index) const;
    QRect restingRect(int index) const;
    void paintTab(class QPainter &painter, int index) const;

    QStringList m_captions;
    int m_current = -1;
};

} // namespace vantelo::ui
