#include "SpriteRim.h"

#include <algorithm>
#include <cmath>

namespace {

// Ink dark enough to vanish on a dark board, whatever its hue: black outlines and text, the dark
// greys of antialiased edges, a navy outline. Lit colours and light fills are left alone.
bool DarkInk(QRgb straight)
{
    const auto linear = [](int channel) {
        const double c = channel / 255.0;
        return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    };
    const double luminance =
        0.2126 * linear(qRed(straight)) + 0.7152 * linear(qGreen(straight)) + 0.0722 * linear(qBlue(straight));
    return luminance < 0.16;
}

// Scales beyond this many sprites of one rim are rare; the cache starts afresh rather than grow.
constexpr size_t KeptSprites = 4096;

}  // namespace

QImage RimmedSprite(const QImage& sprite, TColor rim)
{
    const QImage straight = sprite.convertToFormat(QImage::Format_ARGB32);
    QImage out = straight;
    const int w = straight.width(), h = straight.height();
    const auto clear = [&](int x, int y) {
        return x < 0 || y < 0 || x >= w || y >= h || qAlpha(straight.pixel(x, y)) == 0;
    };
    for (int y = 0; y < h; ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(straight.constScanLine(y));
        auto* target = reinterpret_cast<QRgb*>(out.scanLine(y));
        for (int x = 0; x < w; ++x) {
            const QRgb pixel = line[x];
            if (qAlpha(pixel) == 0 || !DarkInk(pixel)) continue;
            bool edge = false;
            for (int dy = -1; dy <= 1 && !edge; ++dy)
                for (int dx = -1; dx <= 1 && !edge; ++dx) edge = (dx != 0 || dy != 0) && clear(x + dx, y + dy);
            if (edge) target[x] = qRgba(rim.R, rim.G, rim.B, qAlpha(pixel));
        }
    }
    return out.convertToFormat(sprite.format());
}

const QImage& TRimmedSprites::Of(const QImage& sprite)
{
    if (!rim_) return sprite;
    if (made_.size() >= KeptSprites) made_.clear();
    auto [kept, added] = made_.try_emplace(sprite.cacheKey());
    if (added) kept->second = RimmedSprite(sprite, *rim_);
    return kept->second;
}

void TRimmedSprites::SetRim(std::optional<TColor> rim)
{
    if (rim == rim_) return;
    rim_ = rim;
    made_.clear();
}
