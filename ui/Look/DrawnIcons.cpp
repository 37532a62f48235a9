// SPDX-License-Identifier: MIT
#include "ui/Look/DrawnIcons.h"

#include <QPainter>
#include <QPixmap>

namespace zoot {

namespace {

// A transparent square of size pixels, drawn by paint on a 32-unit grid; an
// image, so that it can be drawn without a display.
template <typename Paint>
QImage drawn(int size, Paint paint)
{
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 32.0, size / 32.0);
    paint(p);
    return image;
}

void paintHandheld(QPainter &p)
{
    p.setPen(QPen(QColor(60, 60, 70), 1));
    p.setBrush(QColor(200, 200, 190));
    p.drawRoundedRect(QRectF(6.5, 1.5, 19, 29), 2, 2);
    p.setBrush(QColor(40, 80, 40));
    p.drawRect(QRectF(9.5, 4.5, 13, 11));
    p.setBrush(QColor(150, 190, 40));
    p.drawRect(QRectF(10.5, 5.5, 11, 9));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(40, 40, 50));
    p.drawRect(QRectF(9, 21, 6, 2));
    p.drawRect(QRectF(11, 19, 2, 6));
    p.setBrush(QColor(160, 30, 80));
    p.drawEllipse(QPointF(20, 23), 1.6, 1.6);
    p.drawEllipse(QPointF(23, 20.5), 1.6, 1.6);
}

void paintGlobe(QPainter &p)
{
    p.setPen(QPen(QColor(20, 60, 120), 1.2));
    p.setBrush(QColor(90, 160, 220));
    p.drawEllipse(QRectF(3, 3, 26, 26));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QRectF(10, 3, 12, 26));
    p.drawLine(QPointF(16, 3), QPointF(16, 29));
    p.drawLine(QPointF(3, 16), QPointF(29, 16));
    p.drawLine(QPointF(5.5, 9.5), QPointF(26.5, 9.5));
    p.drawLine(QPointF(5.5, 22.5), QPointF(26.5, 22.5));
}

} // namespace

QImage handheldPicture(int size)
{
    return drawn(size, paintHandheld);
}

QIcon handheldIcon()
{
    return QIcon(QPixmap::fromImage(handheldPicture(32)));
}

QIcon homepageIcon()
{
    QIcon icon;
    icon.addPixmap(QPixmap::fromImage(drawn(32, paintGlobe)));
    icon.addPixmap(QPixmap::fromImage(drawn(48, paintGlobe)));
    return icon;
}

} // namespace zoot
