#include "LiveImage.h"

#include <QPaintEvent>
#include <QPainter>
#include <QRegion>

#include <algorithm>
#include <utility>
#include <vector>

namespace {

// Every live image of the process; all of them belong to the one GUI thread.
std::vector<TLiveImage*>& LiveImages()
{
    static std::vector<TLiveImage*> images;
    return images;
}

bool repaintsDeferred = false;

}  // namespace

TLiveImage::TLiveImage(QWidget* parent) : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    LiveImages().push_back(this);
}

TLiveImage::~TLiveImage()
{
    auto& images = LiveImages();
    images.erase(std::remove(images.begin(), images.end(), this), images.end());
}

void TLiveImage::MarkDirty()
{
    if (repaintsDeferred) {
        dirty_ = true;
        dirtyArea_ = {};
    } else {
        update();
    }
}

void TLiveImage::MarkDirty(const QRect& pixels)
{
    // Rounded outwards, and a pixel more for the smoothing of a scaled image.
    const QRect area = QRectF(QPointF(pixels.topLeft()) / ratio_, QSizeF(pixels.size()) / ratio_)
                           .toAlignedRect()
                           .adjusted(-1, -1, 1, 1) &
                       rect();
    if (area.isEmpty()) return;
    if (!repaintsDeferred) {
        update(area);
    } else if (!dirty_) {
        dirty_ = true;
        dirtyArea_ = area;
    } else if (!dirtyArea_.isEmpty()) {
        dirtyArea_ |= area;
    }
}

void TLiveImage::DeferRepaints(bool defer)
{
    repaintsDeferred = defer;
    if (!defer) FlushAll();
}

void TLiveImage::FlushAll()
{
    for (TLiveImage* image : LiveImages()) {
        if (!image->dirty_) continue;
        image->dirty_ = false;
        if (image->dirtyArea_.isEmpty())
            image->update();
        else
            image->update(std::exchange(image->dirtyArea_, {}));
    }
}

void TLiveImage::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    const QRectF area = event->rect();
    if (source_) {
        const QRectF pixels(area.topLeft() * ratio_, area.size() * ratio_);
        painter.drawImage(area, *source_, pixels);
    }
    const QRect shown = source_ ? QRectF(QPointF(), QSizeF(source_->size()) / ratio_).toAlignedRect() : QRect();
    // Whatever the image does not cover shows the window's background.
    for (const QRect& r : QRegion(event->rect()).subtracted(shown)) painter.fillRect(r, palette().window());
}
