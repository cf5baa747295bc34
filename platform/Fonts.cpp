#include "Fonts.h"

#include "Canvas.h"

#include <algorithm>
#include <cstdint>
#include <mutex>

void InstallFontSubstitutions()
{
    static std::once_flag once;
    std::call_once(once, [] {
        QFont::insertSubstitution(QString::fromUtf8(BoardFontFace), QStringLiteral("IPAGothic"));
        QFont::insertSubstitution(QStringLiteral("MS UI Gothic"), QStringLiteral("IPAPGothic"));
    });
}

QFont PointSizedFont(const std::string& face, int size)
{
    InstallFontSubstitutions();
    // Sizes from files may be absurd; the font stays between one and a few hundred pixels.
    const int64_t pixels = std::clamp<int64_t>((int64_t{size} * 96 / 72 + 1) / 2 * 2, 2, 400);
    QFont font(QString::fromStdString(face));
    font.setPixelSize(static_cast<int>(pixels));
    font.setStyleHint(QFont::TypeWriter);
    return font;
}
