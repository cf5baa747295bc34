#pragma once

#include "Canvas.h"

#include <string>
#include <vector>

// A surface that writes down every call as one line of text ("Ellipse 95 95 105 105"), so that
// drawing code can be checked headless against the exact calls it must make.
class RecordingCanvas : public Canvas {
public:
    std::vector<std::string> Calls;

    int Width() const override { return 1000; }
    int Height() const override { return 1000; }
    void SetPenColor(TColor c) override { Add("PenColor " + Rgb(c)); }
    void SetPenMode(TPenMode m) override { Add(m == TPenMode::Xor ? "PenMode Xor" : "PenMode Copy"); }
    void SetBrushColor(TColor c) override { Add("BrushColor " + Rgb(c)); }
    void SetBrushStyle(TBrushStyle s) override
    {
        Add(s == TBrushStyle::Clear ? "BrushStyle Clear" : "BrushStyle Solid");
    }
    void SetFont(const std::string& face, int size) override { Add("Font " + face + " " + N(size)); }
    void SetFontColor(TColor c) override { Add("FontColor " + Rgb(c)); }
    void FillRect(const TRect& r) override { Add("FillRect " + Box(r.Left, r.Top, r.Right, r.Bottom)); }
    void SetPixel(int x, int y, TColor c) override { Add("Pixel " + N(x) + " " + N(y) + " " + Rgb(c)); }
    void MoveTo(int x, int y) override { Add("MoveTo " + N(x) + " " + N(y)); }
    void LineTo(int x, int y) override { Add("LineTo " + N(x) + " " + N(y)); }
    void Rectangle(int x1, int y1, int x2, int y2) override { Add("Rectangle " + Box(x1, y1, x2, y2)); }
    void Ellipse(int x1, int y1, int x2, int y2) override { Add("Ellipse " + Box(x1, y1, x2, y2)); }
    void FloodFill(int x, int y, TColor border) override
    {
        Add("FloodFill " + N(x) + " " + N(y) + " " + Rgb(border));
    }
    void TextOut(int x, int y, const std::string& text) override
    {
        Add("TextOut " + N(x) + " " + N(y) + " " + text);
    }
    int TextWidth(const std::string& text) override { return static_cast<int>(text.size()) * 6; }
    int TextHeight(const std::string&) override { return 12; }
    void ClipTo(const TRect& r) override { Add("ClipTo " + Box(r.Left, r.Top, r.Right, r.Bottom)); }
    void Unclip() override { Add("Unclip"); }
    void DrawSprite(TSpriteList list, int index, int x, int y) override
    {
        Add("Sprite " + N(static_cast<int>(list)) + " " + N(index) + " " + N(x) + " " + N(y));
    }
    void CopyRect(const TRect& d, const Canvas&, const TRect& s) override
    {
        Add("CopyRect " + Box(d.Left, d.Top, d.Right, d.Bottom) + " " + Box(s.Left, s.Top, s.Right, s.Bottom));
    }

    bool Has(const std::string& call) const
    {
        for (const auto& c : Calls)
            if (c == call) return true;
        return false;
    }

private:
    void Add(std::string call) { Calls.push_back(std::move(call)); }
    static std::string N(int v) { return std::to_string(v); }
    static std::string Rgb(TColor c) { return N(c.R) + "," + N(c.G) + "," + N(c.B); }
    static std::string Box(int a, int b, int c, int d) { return N(a) + " " + N(b) + " " + N(c) + " " + N(d); }
};
