#include "Viewport.h"

#include "PartsU.h"

#include <algorithm>
#include <cmath>
#include <iterator>

namespace {

constexpr double ZoomSteps[] = {0.25, 1.0 / 3, 0.5, 2.0 / 3, 0.75, 1.0, 1.25, 1.5, 2.0, 3.0, 4.0};
// Fitting leaves this many view pixels free around the area, clear of the scroll bars that overlay
// the view's right and bottom edges.
constexpr double FitBorder = 24;

int32_t Saturated(double v)
{
    return static_cast<int32_t>(std::clamp(v, double{INT32_MIN / 2}, double{INT32_MAX / 2}));
}

}  // namespace

void TViewport::SetDevicePixelRatio(double density)
{
    density_ = std::clamp(density, 0.5, 8.0);
    UpdateExtent();
}

void TViewport::SetViewSize(int width, int height)
{
    viewWidth_ = std::max(width, 0);
    viewHeight_ = std::max(height, 0);
    UpdateExtent();
}

int TViewport::DeviceWidth() const { return static_cast<int>(std::ceil(viewWidth_ * density_)); }

int TViewport::DeviceHeight() const { return static_cast<int>(std::ceil(viewHeight_ * density_)); }

void TViewport::SetContent(const TRect& objects)
{
    hasContent_ = objects.Right > objects.Left && objects.Bottom > objects.Top;
    content_ = objects;
    UpdateExtent();
}

void TViewport::UpdateExtent()
{
    // A screen of board in view units at this zoom.
    const int32_t screenWidth = Saturated(viewWidth_ / zoom_), screenHeight = Saturated(viewHeight_ / zoom_);
    extent_ = {0, 0, screenWidth, screenHeight};
    if (hasContent_) {
        const auto before = [](int32_t edge, int32_t margin) { return edge < 0 ? Saturated(static_cast<double>(edge) - margin) : 0; };
        extent_.Left = std::min(extent_.Left, before(content_.Left, screenWidth));
        extent_.Top = std::min(extent_.Top, before(content_.Top, screenHeight));
        extent_.Right = std::max(extent_.Right, Saturated(static_cast<double>(content_.Right) + screenWidth));
        extent_.Bottom = std::max(extent_.Bottom, Saturated(static_cast<double>(content_.Bottom) + screenHeight));
    }
    Clamp();
}

int64_t TViewport::Device(int32_t board) const { return static_cast<int64_t>(std::floor(board * Scale())); }

TRect TViewport::ScrollRange() const
{
    const int64_t left = Device(extent_.Left), top = Device(extent_.Top);
    const int64_t right = std::max(left, Device(extent_.Right) - DeviceWidth());
    const int64_t bottom = std::max(top, Device(extent_.Bottom) - DeviceHeight());
    return {Saturated(static_cast<double>(left)), Saturated(static_cast<double>(top)),
            Saturated(static_cast<double>(right)), Saturated(static_cast<double>(bottom))};
}

void TViewport::Clamp()
{
    const TRect range = ScrollRange();
    offset_.x = std::clamp(offset_.x, range.Left, range.Right);
    offset_.y = std::clamp(offset_.y, range.Top, range.Bottom);
}

bool TViewport::ScrollTo(TPoint offset)
{
    const TPoint before = offset_;
    offset_ = offset;
    Clamp();
    return offset_ != before;
}

void TViewport::ZoomAt(double zoom, double viewX, double viewY)
{
    zoom = std::clamp(zoom, MinZoom, MaxZoom);
    // The board point under the view point, in fractions of a unit, stays where it is.
    const double boardX = (viewX * density_ + offset_.x) / Scale(), boardY = (viewY * density_ + offset_.y) / Scale();
    zoom_ = zoom;
    offset_ = {Saturated(std::floor(boardX * Scale() - viewX * density_)),
               Saturated(std::floor(boardY * Scale() - viewY * density_))};
    UpdateExtent();
}

double TViewport::StepUp() const
{
    for (const double step : ZoomSteps)
        if (step > zoom_ + 1e-9) return step;
    return MaxZoom;
}

double TViewport::StepDown() const
{
    for (auto step = std::rbegin(ZoomSteps); step != std::rend(ZoomSteps); ++step)
        if (*step < zoom_ - 1e-9) return *step;
    return MinZoom;
}

void TViewport::Fit(const TRect& area)
{
    const double width = std::max(area.Right - area.Left, 1), height = std::max(area.Bottom - area.Top, 1);
    const double freeWidth = std::max(viewWidth_ - 2 * FitBorder, 1.0);
    const double freeHeight = std::max(viewHeight_ - 2 * FitBorder, 1.0);
    zoom_ = std::clamp(std::min(freeWidth / width, freeHeight / height), MinZoom, MaxZoom);
    const double centreX = (area.Left + width / 2) * Scale(), centreY = (area.Top + height / 2) * Scale();
    offset_ = {Saturated(std::floor(centreX - DeviceWidth() / 2.0)), Saturated(std::floor(centreY - DeviceHeight() / 2.0))};
    UpdateExtent();
}

TPoint TViewport::ToBoard(double viewX, double viewY) const
{
    // The unit whose device block [floor(x * scale), floor((x + 1) * scale)) holds the device pixel
    // under the point: what is drawn there is what a press there hits.
    const auto unit = [this](double view, int32_t offset) {
        const int64_t device = static_cast<int64_t>(std::floor(view * density_)) + offset;
        auto x = static_cast<int64_t>(std::floor(static_cast<double>(device) / Scale()));
        // The same rounding as the blocks themselves, whatever the division's last bit said.
        const auto start = [this](int64_t u) { return static_cast<int64_t>(std::floor(static_cast<double>(u) * Scale())); };
        while (start(x + 1) <= device) ++x;
        while (start(x) > device) --x;
        return Saturated(static_cast<double>(x));
    };
    return {unit(viewX, offset_.x), unit(viewY, offset_.y)};
}

TRect TViewport::ToView(const TRect& board) const
{
    const auto view = [this](int32_t b, int32_t offset, bool end) {
        const double device = static_cast<double>(Device(b) - offset) / density_;
        return Saturated(end ? std::ceil(device) : std::floor(device));
    };
    return {view(board.Left, offset_.x, false), view(board.Top, offset_.y, false), view(board.Right, offset_.x, true),
            view(board.Bottom, offset_.y, true)};
}

TRect TViewport::VisibleBoard() const
{
    const TPoint topLeft = ToBoard(0, 0);
    const TPoint bottomRight = ToBoard(viewWidth_, viewHeight_);
    return {topLeft.x, topLeft.y, bottomRight.x + 1, bottomRight.y + 1};
}

TRect ObjectBounds(const TPartsList& objects)
{
    int64_t left = INT64_MAX, top = INT64_MAX, right = INT64_MIN, bottom = INT64_MIN;
    for (const TPartsBase* o : objects) {
        left = std::min<int64_t>(left, o->Left);
        top = std::min<int64_t>(top, o->Top);
        right = std::max(right, int64_t{o->Left} + std::max(o->Width, 1));
        bottom = std::max(bottom, int64_t{o->Top} + std::max(o->Height, 1));
    }
    if (left > right) return {};
    const auto held = [](int64_t v) { return Saturated(static_cast<double>(v)); };
    return {held(left), held(top), held(right), held(bottom)};
}

TRect ObjectBounds(const TBord& board)
{
    TPartsList all;
    board.CopyParts(all);
    return ObjectBounds(all);
}
