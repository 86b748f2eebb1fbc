#include "AppIcon.h"

#include <QPainter>
#include <QPixmap>

namespace app {

QImage ApplicationIconImage(int size)
{
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 32.0, size / 32.0);
    p.setPen(QPen(QColor(20, 50, 110), 2));
    p.setBrush(QColor(235, 242, 255));
    p.drawRoundedRect(QRectF(3, 2, 26, 28), 4, 4);
    p.setPen(QPen(QColor(20, 140, 60), 4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPolyline(QPolygonF({{9, 17}, {14, 23}, {24, 9}}));
    return image;
}

QIcon ApplicationIcon()
{
    QIcon icon;
    icon.addPixmap(QPixmap::fromImage(ApplicationIconImage(16)));
    icon.addPixmap(QPixmap::fromImage(ApplicationIconImage(32)));
    return icon;
}

} // namespace app
