#pragma once

#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

#include <string>

// An SVG picture rendered on white at the given size, as a viewer shows it.
inline QImage Rendered(const std::string& svg, QSize size)
{
    QSvgRenderer renderer(QByteArray::fromStdString(svg));
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    renderer.render(&painter);
    return image;
}
