#include "SpriteKit.h"
#include "Sprites.h"

#include <QString>

#include <vector>

namespace {

// A pin of a boxed symbol as drawn facing right: its row, its label and whether the label carries
// an overbar. Inputs sit on the left, outputs on the right; mirrored symbols swap the two sides.
struct TBoxPin {
    int Y;
    const char* Name;
    bool ActiveLow = false;
};

// The box of a flip-flop or an MSI symbol between x = 10 and x = width − 11, with labelled pins.
class TBoxSymbol {
public:
    TBoxSymbol(int width, int height, bool mirrored, int labelSize, double scale)
        : image_(NewSprite(width, height, scale)), painter_(&image_, scale), right_(width - 1), mirrored_(mirrored),
          labelSize_(labelSize)
    {
    }

    void Body(int top, int bottom)
    {
        painter_.Outline(Ink, Paper);
        painter_.drawRect(QRectF(10, top, right_ - 20, bottom - top));
    }
    void Inputs(const std::vector<TBoxPin>& pins, int labelInset = 6) { Side(pins, false, labelInset); }
    void Outputs(const std::vector<TBoxPin>& pins, int labelInset = 6) { Side(pins, true, labelInset); }
    // The dynamic-input triangle of an edge-triggered clock on the input side.
    void ClockMark(int y)
    {
        const double edge = X(10), inner = X(16);
        painter_.Outline(Ink);
        painter_.drawPolyline(QPolygonF({QPointF(edge, y - 4), QPointF(inner, y), QPointF(edge, y + 4)}));
    }
    // A pin on the top (bottom = false) or bottom edge at x, labelled inside the box.
    void EdgePin(int x, int boxEdge, int imageEdge, const TBoxPin& pin, int labelY)
    {
        painter_.Pin({x, imageEdge}, {x, boxEdge + (imageEdge < boxEdge ? -1 : 1)});
        painter_.Label(QPointF(x, labelY), QString::fromUtf8(pin.Name), labelSize_, pin.ActiveLow);
    }
    void Title(int y, const QString& text, int size)
    {
        painter_.Label(QPointF(right_ / 2.0, y), text, size, false);
    }
    QImage Take()
    {
        painter_.end();
        return image_;
    }

private:
    double X(double x) const { return mirrored_ ? right_ - x : x; }
    void Side(const std::vector<TBoxPin>& pins, bool outputs, int labelInset)
    {
        // Facing right the inputs reach from x = 0 to the box, the outputs from the box to the edge.
        const bool left = outputs == mirrored_;
        for (const TBoxPin& pin : pins) {
            const int outer = left ? 0 : right_;
            const int inner = left ? 9 : right_ - 9;
            painter_.Pin({outer, pin.Y}, {inner, pin.Y});
            const double labelX = left ? 10 + labelInset : right_ - 10 - labelInset;
            painter_.Label(QPointF(labelX, pin.Y), QString::fromUtf8(pin.Name), labelSize_, pin.ActiveLow);
        }
    }

    QImage image_;
    SpritePainter painter_;
    int right_;
    bool mirrored_;
    int labelSize_;
};

constexpr int FFWidth = 61, FFHeight = 81;
constexpr int FFTop = 8, FFBottom = 72;

QImage FlipFlop(int kind, bool mirrored, double scale)
{
    TBoxSymbol s(FFWidth, FFHeight, mirrored, 10, scale);
    s.Body(FFTop, FFBottom);
    const std::vector<TBoxPin> outputs{{20, "Q"}, {60, "Q", true}};
    const TBoxPin set{0, "S", true}, reset{0, "R", true};
    switch (kind) {
    case 0:  // JK
        s.Inputs({{20, "J"}, {60, "K"}});
        s.Inputs({{40, "T", true}}, 11);
        s.ClockMark(40);
        break;
    case 1:  // D latch: transparent while T is high, so no edge mark
        s.Inputs({{20, "D"}, {60, "T"}});
        break;
    default:  // T
        s.Inputs({{40, "T", true}}, 11);
        s.ClockMark(40);
        break;
    }
    if (kind != 1) {
        s.EdgePin(30, FFTop, 0, set, FFTop + 8);
        s.EdgePin(30, FFBottom, FFHeight - 1, reset, FFBottom - 7);
    }
    s.Outputs(outputs);
    return s.Take();
}

constexpr int MsiWidth = 61, MsiHeight = 121;

QImage Msi(int kind, bool mirrored, double scale)
{
    TBoxSymbol s(MsiWidth, MsiHeight, mirrored, 8, scale);
    s.Body(3, 117);
    const std::vector<TBoxPin> binary{{30, "A"}, {50, "B"}, {70, "C"}, {90, "D"}};
    static const char* const digits[] = {"0", "1", "2", "3", "4", "5", "6", "7", "8", "9"};
    static const char* const segments[] = {"a", "b", "c", "d", "e", "f", "g", "h"};
    std::vector<TBoxPin> decimal, segmentPins;
    for (int i = 0; i < 10; ++i) decimal.push_back({10 + 10 * i, digits[i], true});
    for (int i = 0; i < 8; ++i) segmentPins.push_back({20 + 10 * i, segments[i], true});
    switch (kind) {
    case 0:
        s.Inputs(binary);
        s.Outputs(decimal);
        s.Title(110, QStringLiteral("2→10"), 9);
        break;
    case 1:
        s.Inputs(decimal);
        s.Outputs(binary);
        s.Title(110, QStringLiteral("10→2"), 9);
        break;
    default:
        s.Inputs(binary);
        s.Outputs(segmentPins);
        s.Title(106, QStringLiteral("7SEG"), 9);
        break;
    }
    return s.Take();
}

}  // namespace

std::vector<QImage> FlipFlopSprites(double scale)
{
    std::vector<QImage> list;
    for (int kind = 0; kind < 3; ++kind)
        for (const bool mirrored : {false, true}) list.push_back(FlipFlop(kind, mirrored, scale));
    return list;
}

std::vector<QImage> MsiSprites(double scale)
{
    std::vector<QImage> list;
    for (int kind = 0; kind < 3; ++kind)
        for (const bool mirrored : {false, true}) list.push_back(Msi(kind, mirrored, scale));
    // The list has room for further functions; the remaining images are empty.
    const QImage empty = NewSprite(MsiWidth, MsiHeight, scale);
    while (list.size() < 16) list.push_back(empty);
    return list;
}
