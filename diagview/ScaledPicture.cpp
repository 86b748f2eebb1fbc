#include "ScaledPicture.h"

#include <QPainter>

#include <algorithm>
#include <cmath>

namespace diagview {

ScaledPicture::ScaledPicture(QImage image, QWidget* parent) : QWidget(parent), m_image(std::move(image))
{
    setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Ignored);
}

void ScaledPicture::SetZoom(double zoom)
{
    m_zoom = zoom;
    if (m_zoom > 0)
        resize(sizeHint());
    updateGeometry();
    update();
}

double ScaledPicture::Scale() const
{
    if (m_zoom > 0 || m_image.isNull())
        return m_zoom > 0 ? m_zoom : 1.0;
    return std::min(double(width()) / m_image.width(), double(height()) / m_image.height());
}

QRect ScaledPicture::PictureRect() const
{
    const double scale = Scale();
    const QSize drawn(std::max(1, int(std::lround(m_image.width() * scale))),
                      std::max(1, int(std::lround(m_image.height() * scale))));
    return QRect(QPoint((width() - drawn.width()) / 2, (height() - drawn.height()) / 2), drawn);
}

QSize ScaledPicture::sizeHint() const
{
    const double scale = m_zoom > 0 ? m_zoom : 1.0;
    return QSize(int(std::ceil(m_image.width() * scale)), int(std::ceil(m_image.height() * scale)));
}

QSize ScaledPicture::minimumSizeHint() const
{
    return m_zoom > 0 ? sizeHint() : QSize(1, 1);
}

// Scaled in device pixels, so that the lines stay sharp on a screen of
// twice the density. A picture zoomed past the screen is drawn a part at a
// time, as it is scrolled into view, rather than held whole.
void ScaledPicture::paintEvent(QPaintEvent* /*event*/)
{
    if (m_image.isNull())
        return;
    const QRect target = PictureRect();
    const qreal ratio = devicePixelRatioF();
    const QSize device(int(std::lround(target.width() * ratio)), int(std::lround(target.height() * ratio)));
    QPainter painter(this);
    constexpr qint64 kLargestHeld = 4096 * 4096;
    if (qint64(device.width()) * device.height() > kLargestHeld) {
        m_scaled = QImage();
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawImage(QRectF(target), m_image);
        return;
    }
    if (m_scaled.size() != device)
        m_scaled = m_image.scaled(device, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    m_scaled.setDevicePixelRatio(ratio);
    painter.drawImage(target.topLeft(), m_scaled);
}

} // namespace diagview
