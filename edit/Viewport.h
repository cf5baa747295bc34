#pragma once

#include "Geometry.h"
#include "Lists.h"

#include <cstdint>

class TBord;

// The board seen through the window: the zoom, the screen's pixel density and the scroll position.
// Board units map to device pixels as X(x) = floor(x * Scale()) - Offset().x, so that a scroll by
// whole device pixels is an exact shift of the picture; the view's own (logical) pixels are device
// pixels divided by the density. The board reaches over all its objects plus a margin of a screen,
// and at least over the window from the board's origin.
class TViewport {
public:
    static constexpr double MinZoom = 0.25;
    static constexpr double MaxZoom = 4.0;

    double Zoom() const { return zoom_; }
    double DevicePixelRatio() const { return density_; }
    // Device pixels per board unit.
    double Scale() const { return zoom_ * density_; }
    TPoint Offset() const { return offset_; }

    void SetDevicePixelRatio(double density);
    // The size of the view in its own pixels.
    void SetViewSize(int width, int height);
    int ViewWidth() const { return viewWidth_; }
    int ViewHeight() const { return viewHeight_; }
    // The device pixels of the picture that fills the view.
    int DeviceWidth() const;
    int DeviceHeight() const;

    // The bounds of the board's objects (empty when there are none); the scroll range follows.
    void SetContent(const TRect& objects);
    // The board rectangle the scroll bars reach over.
    const TRect& Extent() const { return extent_; }
    // The scroll range of the offset, in device pixels: Left..Right and Top..Bottom inclusive.
    TRect ScrollRange() const;

    // Scrolls to that offset, held within the scroll range; false when nothing moved.
    bool ScrollTo(TPoint offset);
    bool ScrollBy(int dx, int dy) { return ScrollTo({offset_.x + dx, offset_.y + dy}); }
    // Sets the zoom (held to 25 %..400 %) keeping the board point under the view point fixed.
    void ZoomAt(double zoom, double viewX, double viewY);
    // The next zoom step above or below the current zoom.
    double StepUp() const;
    double StepDown() const;
    // Zooms and scrolls so that the board rectangle fills the view with a small border, centred.
    void Fit(const TRect& area);

    // The board point under a point of the view.
    TPoint ToBoard(double viewX, double viewY) const;
    // The view's pixels of the board rectangle (left/top of its first unit to the end of its last).
    TRect ToView(const TRect& board) const;
    // The board rectangle the view shows, rounded outwards.
    TRect VisibleBoard() const;

private:
    int64_t Device(int32_t board) const;
    void Clamp();

    double zoom_ = 1.0;
    double density_ = 1.0;
    TPoint offset_{};
    int viewWidth_ = 0;
    int viewHeight_ = 0;
    TRect content_{};
    bool hasContent_ = false;
    TRect extent_{};
    void UpdateExtent();
};

// The smallest rectangle around the objects; empty when there are none.
TRect ObjectBounds(const TBord& board);
TRect ObjectBounds(const TPartsList& objects);
