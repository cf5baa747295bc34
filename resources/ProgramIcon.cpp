#include "ProgramIcon.h"

#include <QBuffer>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace {

QPixmap DrawIcon(int size)
{
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 32.0, size / 32.0);
    p.setPen(QPen(QColor(0, 0, 128), 1.5));
    p.setBrush(QColor(240, 240, 240));
    p.drawRoundedRect(QRectF(1, 1, 30, 30), 5, 5);
    // Two inputs, the gate body with its bubble, the output to the lamp.
    p.setPen(QPen(QColor(0, 0, 255), 1.5));
    p.drawLine(QPointF(4, 11), QPointF(9, 11));
    p.drawLine(QPointF(4, 19), QPointF(9, 19));
    p.drawLine(QPointF(21, 15), QPointF(25, 15));
    QPainterPath gate;
    gate.moveTo(9, 8);
    gate.lineTo(14, 8);
    gate.arcTo(QRectF(7, 8, 14, 14), 90, -180);
    gate.lineTo(9, 22);
    gate.closeSubpath();
    p.setPen(QPen(Qt::black, 1.5));
    p.setBrush(Qt::white);
    p.drawPath(gate);
    p.drawEllipse(QPointF(20.5, 15), 1.6, 1.6);
    p.setBrush(QColor(255, 0, 0));
    p.drawEllipse(QPointF(27, 15), 3, 3);
    return pixmap;
}

}  // namespace

QIcon ProgramIcon()
{
    QIcon icon;
    for (int size : {16, 32, 48, 64}) icon.addPixmap(DrawIcon(size));
    return icon;
}

std::string ProgramIconPng(int size)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    DrawIcon(size).save(&buffer, "PNG");
    return bytes.toStdString();
}
