#include "GateShapes.h"

QPainterPath AndBody(const TGateFrame& f)
{
    const double r = (f.Bottom - f.Top) / 2;
    QPainterPath path;
    path.moveTo(f.Back, f.Top);
    path.lineTo(f.Tip - r, f.Top);
    path.arcTo(f.Tip - 2 * r, f.Top, 2 * r, 2 * r, 90, -180);
    path.lineTo(f.Back, f.Bottom);
    path.closeSubpath();
    return path;
}

QPainterPath OrBackCurve(double back, double top, double bottom, double bulge)
{
    QPainterPath path;
    path.moveTo(back, top);
    // A quadratic whose control point lies twice the bulge inside reaches the bulge at mid-height.
    path.quadTo(back + 2 * bulge, (top + bottom) / 2, back, bottom);
    return path;
}

double OrBackX(double back, double top, double bottom, double bulge, double y)
{
    const double t = (y - top) / (bottom - top);  // the curve's y runs linearly with t
    return back + 4 * bulge * t * (1 - t);
}

QPainterPath OrBody(const TGateFrame& f)
{
    const double mid = (f.Top + f.Bottom) / 2;
    const double length = f.Tip - f.Back;
    QPainterPath path;
    path.moveTo(f.Back, f.Top);
    path.lineTo(f.Back + length * 0.2, f.Top);
    path.cubicTo(f.Back + length * 0.65, f.Top, f.Back + length * 0.9, mid - (mid - f.Top) * 0.45, f.Tip, mid);
    path.cubicTo(f.Back + length * 0.9, mid + (f.Bottom - mid) * 0.45, f.Back + length * 0.65, f.Bottom,
                 f.Back + length * 0.2, f.Bottom);
    path.lineTo(f.Back, f.Bottom);
    path.quadTo(f.Back + 2 * f.Bulge, mid, f.Back, f.Top);
    path.closeSubpath();
    return path;
}

QPainterPath Triangle(const TGateFrame& f)
{
    QPainterPath path;
    path.moveTo(f.Back, f.Top);
    path.lineTo(f.Tip, (f.Top + f.Bottom) / 2);
    path.lineTo(f.Back, f.Bottom);
    path.closeSubpath();
    return path;
}
