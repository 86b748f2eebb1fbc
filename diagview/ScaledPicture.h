#pragma once
// A picture drawn at a scale: fitted to the widget, proportions kept, or at
// a fixed zoom with the widget sized to match (inside a scroll area).

#include <QImage>
#include <QWidget>

namespace diagview {

class ScaledPicture : public QWidget {
public:
    explicit ScaledPicture(QImage image, QWidget* parent = nullptr);

    // Zoom 0 fits the picture to the widget, larger or smaller.
    void SetZoom(double zoom);
    double Zoom() const { return m_zoom; }
    // The scale the picture is drawn at now, and where.
    double Scale() const;
    QRect PictureRect() const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QImage m_image;
    double m_zoom = 0;
    // The last scaling, in device pixels: repainting a scrolled or exposed
    // part must not smooth-scale the whole picture again.
    QImage m_scaled;
};

} // namespace diagview
