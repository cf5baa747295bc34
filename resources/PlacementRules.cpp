#include "PlacementRules.h"

#include <algorithm>

namespace {

// The window system's coordinates are 16-bit; absurd stored numbers are brought into that range.
constexpr int64_t CoordinateLimit = 32767;
constexpr int64_t Gap = 8;
// A scope window over the main window leaves this much of the board's corner and border free.
constexpr int64_t CornerInset = 24;

int32_t Clamp(int64_t v, int64_t low, int64_t high) { return static_cast<int32_t>(std::clamp(v, low, high)); }

// Edges in 64 bits, so that no stored number can overflow the sums.
struct TEdges {
    int64_t Left, Top, Right, Bottom;
};

TEdges EdgesOf(const TScreenRect& r) { return {r.Left, r.Top, r.Right, r.Bottom}; }
int64_t WidthOf(const TScreenRect& r) { return int64_t{r.Right} - r.Left; }
int64_t HeightOf(const TScreenRect& r) { return int64_t{r.Bottom} - r.Top; }

TEdges FrameEdges(const TFormPlacement& p)
{
    return {p.Left, p.Top, int64_t{p.Left} + p.Width + FrameAllowanceX, int64_t{p.Top} + p.Height + FrameAllowanceY};
}

bool Overlap(const TEdges& a, const TEdges& b)
{
    return a.Left < b.Right && b.Left < a.Right && a.Top < b.Bottom && b.Top < a.Bottom;
}

// The client size cut so that the window with its frame fits the work area.
TFormPlacement FitSize(int64_t width, int64_t height, const TScreenRect& area)
{
    TFormPlacement p;
    p.Width = Clamp(std::min<int64_t>(width, WidthOf(area) - FrameAllowanceX), 1, CoordinateLimit);
    p.Height = Clamp(std::min<int64_t>(height, HeightOf(area) - FrameAllowanceY), 1, CoordinateLimit);
    return p;
}

// Moves the frame's corner so that the whole frame lies in the area, or starts at its top-left
// corner when it is the larger.
TFormPlacement Inside(TFormPlacement p, int64_t left, int64_t top, const TScreenRect& area)
{
    const TEdges a = EdgesOf(area);
    const int64_t frameWidth = int64_t{p.Width} + FrameAllowanceX;
    const int64_t frameHeight = int64_t{p.Height} + FrameAllowanceY;
    p.Left = Clamp(std::max(a.Left, std::min(left, a.Right - frameWidth)), -CoordinateLimit, CoordinateLimit);
    p.Top = Clamp(std::max(a.Top, std::min(top, a.Bottom - frameHeight)), -CoordinateLimit, CoordinateLimit);
    return p;
}

TFormPlacement Centred(TFormPlacement p, const TScreenRect& area)
{
    const int64_t left = area.Left + (WidthOf(area) - p.Width - FrameAllowanceX) / 2;
    const int64_t top = area.Top + (HeightOf(area) - p.Height - FrameAllowanceY) / 2;
    return Inside(p, left, top, area);
}

}  // namespace

TFormPlacement KeepOnScreen(TFormPlacement p, int screenWidth, int screenHeight)
{
    int64_t top = p.Top, left = p.Left;
    if (top > screenHeight) top = int64_t{screenHeight} - p.Height;
    if (left > screenWidth) left = int64_t{screenWidth} - p.Width;
    return {Clamp(top, -CoordinateLimit, CoordinateLimit), Clamp(left, -CoordinateLimit, CoordinateLimit),
            Clamp(p.Width, 0, CoordinateLimit), Clamp(p.Height, 0, CoordinateLimit)};
}

TFormPlacement BringBackLost(TFormPlacement p, const std::vector<TScreenRect>& screens, TScreenRect workArea)
{
    const TEdges frame = FrameEdges(p);
    if (std::any_of(screens.begin(), screens.end(), [&](const TScreenRect& s) { return Overlap(frame, EdgesOf(s)); }))
        return p;
    const TFormPlacement fitted = FitSize(p.Width, p.Height, workArea);
    return Centred(fitted, workArea);
}

TFormPlacement KeepFrameInside(TFormPlacement p, TScreenRect workArea)
{
    const TFormPlacement fitted = FitSize(p.Width, p.Height, workArea);
    return Inside(fitted, p.Left, p.Top, workArea);
}

TFormPlacement FirstMainPlacement(TScreenRect workArea)
{
    const int64_t width = std::min<int64_t>(PreferredMainWidth, WidthOf(workArea) * 4 / 5);
    const int64_t height = std::min<int64_t>(PreferredMainHeight, HeightOf(workArea) * 4 / 5);
    return Centred(FitSize(width, height, workArea), workArea);
}

TFormPlacement FirstScopePlacement(TScreenRect workArea, const TScreenRect* mainFrame, int32_t width, int32_t height)
{
    const TFormPlacement size = FitSize(width, height, workArea);
    if (!mainFrame) return Centred(size, workArea);
    const TEdges area = EdgesOf(workArea);
    const TEdges main = EdgesOf(*mainFrame);
    const int64_t frameWidth = int64_t{size.Width} + FrameAllowanceX;
    const int64_t frameHeight = int64_t{size.Height} + FrameAllowanceY;
    // Beside the main window, bottoms aligned: the traces sit next to the board they come from.
    if (main.Right + Gap + frameWidth <= area.Right)
        return Inside(size, main.Right + Gap, main.Bottom - frameHeight, workArea);
    if (main.Bottom + Gap + frameHeight <= area.Bottom)
        return Inside(size, main.Right - frameWidth, main.Bottom + Gap, workArea);
    return Inside(size, main.Right - frameWidth - CornerInset, main.Bottom - frameHeight - CornerInset, workArea);
}
