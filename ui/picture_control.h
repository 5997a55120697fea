#pragma once

#include <QSize>
#include <QString>
#include <QWidget>

namespace vantelo::ui {

// An image control showing one of the flange drawings (an SVG resource drawn
// at its stored pixel size). Stretched: scaled to fill the control in x and y
// independently. Natural: shown unscaled at the stored size. Being vector art
// it is drawn crisp at any device pixel ratio.
class PictureControl final : public QWidget
{
    Q_OBJECT

public:
    enum class Fit { Stretched, Natural };

    PictureControl(const QString &resourcePath, QSize storedSize, Fit fit, QWidget *parent = nullptr);

    QSize storedSize() const { return m_storedSize; }
    Fit fit() const { return m_fit; }
    QString resourcePath() const { return m_resourcePath; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QString m_resourcePath;
    QSize m_storedSize;
    Fit m_fit;
    class QSvgRenderer *m_renderer;
};

} // namespace vantelo::ui
