#pragma once

#include "Geometry.h"

#include <cstdint>
#include <optional>
#include <string>

struct TColor {
    uint8_t R = 0;
    uint8_t G = 0;
    uint8_t B = 0;
    friend bool operator==(const TColor&, const TColor&) = default;
};

inline constexpr TColor clBlack{0, 0, 0};
inline constexpr TColor clWhite{255, 255, 255};
inline constexpr TColor clRed{255, 0, 0};
inline constexpr TColor clLime{0, 255, 0};
inline constexpr TColor clBlue{0, 0, 255};
inline constexpr TColor clNavy{0, 0, 128};
inline constexpr TColor clOlive{128, 128, 0};
inline constexpr TColor clGray{128, 128, 128};
// The button-face colour of the board background and the sub-board boxes.
inline constexpr TColor clBtnFace{240, 240, 240};

enum class TPenMode { Copy, Xor };
enum class TBrushStyle { Solid, Clear };

// The sprite lists of the data module, drawn with their top-left corner at the given point.
enum class TSpriteList {
    Gate2In,
    Gate3In,
    Gate4In,
    Gate5In,
    Not,
    FF,
    PushSW,
    TglSW,
    I4141,
    OneShot,
    LED,
    LED7SEG,
    Matrix8X8,
    MSI1,
    Scope,
    Dot,
    Terminal,
};
inline constexpr int SpriteListCount = 17;

// How many images each sprite list holds; an index outside 0 .. count - 1 names no image.
constexpr int SpriteImageCount(TSpriteList list)
{
    switch (list) {
    case TSpriteList::Gate2In:
    case TSpriteList::Gate3In:
    case TSpriteList::Gate4In:
    case TSpriteList::Gate5In: return 32;
    case TSpriteList::Not:
    case TSpriteList::I4141:
    case TSpriteList::Terminal: return 8;
    case TSpriteList::FF:
    case TSpriteList::LED: return 6;
    case TSpriteList::PushSW:
    case TSpriteList::OneShot: return 2;
    case TSpriteList::TglSW: return 3;
    case TSpriteList::MSI1: return 16;
    case TSpriteList::LED7SEG:
    case TSpriteList::Matrix8X8:
    case TSpriteList::Scope:
    case TSpriteList::Dot: return 1;
    }
    return 0;
}

// The font every board text uses; the platform maps it to a fixed-pitch Japanese face.
inline constexpr const char* BoardFontFace = "ＭＳ ゴシック";

// A drawing surface with the operations of a classic 2-D device context. Shapes exclude their
// right and bottom bounds, LineTo leaves out its end point, Rectangle and Ellipse outline with
// the pen and fill with the brush (nothing when the brush is clear). Every line is one pixel wide.
class Canvas {
public:
    virtual ~Canvas() = default;

    virtual int Width() const = 0;
    virtual int Height() const = 0;

    virtual void SetPenColor(TColor color) = 0;
    virtual void SetPenMode(TPenMode mode) = 0;
    virtual void SetBrushColor(TColor color) = 0;
    virtual void SetBrushStyle(TBrushStyle style) = 0;
    virtual void SetFont(const std::string& face, int size) = 0;
    virtual void SetFontColor(TColor color) = 0;

    virtual void FillRect(const TRect& r) = 0;
    virtual void SetPixel(int x, int y, TColor color) = 0;
    virtual void MoveTo(int x, int y) = 0;
    virtual void LineTo(int x, int y) = 0;
    virtual void Rectangle(int x1, int y1, int x2, int y2) = 0;
    virtual void Ellipse(int x1, int y1, int x2, int y2) = 0;
    // Fills with the brush colour from (x, y) outwards up to pixels of the border colour.
    virtual void FloodFill(int x, int y, TColor border) = 0;
    // UTF-8 text with its top-left corner at (x, y), on the brush colour unless the brush is clear.
    virtual void TextOut(int x, int y, const std::string& text) = 0;
    virtual int TextWidth(const std::string& text) = 0;
    virtual int TextHeight(const std::string& text) = 0;

    virtual void ClipTo(const TRect& r) = 0;
    virtual void Unclip() = 0;

    virtual void DrawSprite(TSpriteList list, int index, int x, int y) = 0;
    // Sprites are drawn as they are until a rim colour is set: from then on a sprite's dark ink along
    // its transparent surround is drawn in that colour, so that pins and outlines stay visible on a
    // dark board. Surfaces that only record or draw nothing may ignore it.
    virtual void SetSpriteRim(std::optional<TColor>) {}
    virtual void CopyRect(const TRect& dest, const Canvas& source, const TRect& sourceRect) = 0;
};

// A surface that draws nothing, for headless boards.
class NullCanvas : public Canvas {
public:
    NullCanvas(int width = 0, int height = 0) : width_(width), height_(height) {}
    int Width() const override { return width_; }
    int Height() const override { return height_; }
    void SetPenColor(TColor) override {}
    void SetPenMode(TPenMode) override {}
    void SetBrushColor(TColor) override {}
    void SetBrushStyle(TBrushStyle) override {}
    void SetFont(const std::string&, int) override {}
    void SetFontColor(TColor) override {}
    void FillRect(const TRect&) override {}
    void SetPixel(int, int, TColor) override {}
    void MoveTo(int, int) override {}
    void LineTo(int, int) override {}
    void Rectangle(int, int, int, int) override {}
    void Ellipse(int, int, int, int) override {}
    void FloodFill(int, int, TColor) override {}
    void TextOut(int, int, const std::string&) override {}
    int TextWidth(const std::string&) override { return 0; }
    int TextHeight(const std::string&) override { return 0; }
    void ClipTo(const TRect&) override {}
    void Unclip() override {}
    void DrawSprite(TSpriteList, int, int, int) override {}
    void CopyRect(const TRect&, const Canvas&, const TRect&) override {}

private:
    int width_;
    int height_;
};
