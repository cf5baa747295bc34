#include "DisplayImages.h"

#include "QImageCanvas.h"

#include <algorithm>
#include <cmath>

void TDisplayImages::SetScale(double scale)
{
    const double kept = std::isfinite(scale) ? std::clamp(scale, 1.0, 32.0) : 1.0;
    if (kept == scale_) return;
    scale_ = kept;
    ++generation_;
}

std::unique_ptr<Canvas> TDisplayImages::Create(int width, int height) const
{
    auto image = std::make_unique<QImageCanvas>(0, 0, sprites_);
    image->SetView(scale_, {});
    const QRect device = image->DeviceRect({0, 0, width, height});
    image->Resize(device.width(), device.height());
    return image;
}
