#include "AppIcon.h"

#include <QPainter>
#include <QPixmap>

namespace app {
namespace {

QPixmap Draw(int size)
{
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 32.0, size / 32.0);
    p.setPen(QPen(QColor(20, 50, 110), 2));
    p.setBrush(QColor(235, 242, 255));
    p.drawRoundedRect(QRectF(3, 2, 26, 28), 4, 4);
    p.setPen(QPen(QColor(20, 140, 60), 4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPolyline(QPolygonF({{9, 17}, {14, 23}, {24, 9}}));
    return pixmap;
}

} // namespace

QIcon ApplicationIcon()
{
    QIcon icon;
    icon.addPixmap(Draw(16));
    icon.addPixmap(Draw(32));
    return icon;
}

} // namespace app
