#pragma once

#include "ui/caption.h"

#include <QLabel>

namespace vantelo::ui {

// A label of a tab page. A fixed label keeps its box: its text wraps within
// the width (also between Chinese characters) and is cut off at the height.
// An auto-size label takes the size of its caption on one line and keeps one
// point of its design box fixed: the left edge when left-aligned, the right
// edge when right-aligned, the centre when centred. Text always starts at the
// top, with no margin, indent or access key.
class CaptionLabel final : public QLabel, public Caption
{
    Q_OBJECT

public:
    enum class Sizing { Fixed, Auto };

    CaptionLabel(const QString &caption, const QRect &designGeometry, Qt::Alignment horizontalAlignment,
                 Sizing sizing, QWidget *parent = nullptr);

    QString caption() const override;
    void setCaption(const QString &text) override;

    Sizing sizing() const { return m_sizing; }
    QRect designGeometry() const { return m_designGeometry; }

private:
    QSize captionSize() const;
    QRect anchoredGeometry(QSize size) const;

    QRect m_designGeometry;
    Sizing m_sizing;
};

} // namespace vantelo::ui
