#pragma once

#include <QSize>
#include <QString>
#include <QWidget>

#include <memory>

class QPainter;
class QSvgRenderer;

namespace vantelo::ui {

// An image control showing one of the flange drawings, an SVG resource drawn
// at its stored pixel size, the size the SVG states. Stretched: scaled to fill the control, in x and y
// independently. Natural: the control takes the stored size and shows the
// picture unscaled. Being vector art it stays crisp at any device pixel ratio.
// The drawing is read when it is first shown: of the seven pages only the
// current one is, at start.
class PictureControl final : public QWidget
{
    Q_OBJECT

public:
    enum class Fit { Stretched, Natural };

    PictureControl(const QString &resourcePath, Fit fit, QWidget *parent = nullptr);
    ~PictureControl() override;

    QSize storedSize() const { return m_storedSize; }
    Fit fit() const { return m_fit; }
    QString resourcePath() const { return m_resourcePath; }
    bool hasPicture() const;

    QSize sizeHint() const override { return m_storedSize; }
    // Draws the picture as vector art in the control's own coordinates.
    void paintPicture(QPainter &painter) const;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QRectF pictureRect() const;
    QSvgRenderer &renderer() const;

    QString m_resourcePath;
    QSize m_storedSize;
    Fit m_fit;
    mutable std::unique_ptr<QSvgRenderer> m_renderer;
};

} // namespace vantelo::ui
