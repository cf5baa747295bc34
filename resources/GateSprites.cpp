#include "GateShapes.h"
#include "SpriteKit.h"
#include "Sprites.h"

#include <array>
#include <cmath>

namespace {

constexpr int Size = 41;
// The body of every gate and inverter; bubbles sit between the pin ends and the body.
constexpr TGateFrame Frame{11, 7, 33, 31, 4};
constexpr double InverterTop = 9, InverterBottom = 31;
constexpr int OutputY = 20;

enum class TShape { And, Or, ExclusiveOr };

struct TGateLook {
    TShape Shape;
    bool InputBubbles;
    bool OutputBubble;
};

// Kinds 0..7: NAND, negative-logic NAND, NOR, negative-logic NOR, AND, OR, EOR, ENOR.
constexpr std::array<TGateLook, 8> Looks{{
    {TShape::And, false, true},
    {TShape::Or, true, false},
    {TShape::Or, false, true},
    {TShape::And, true, false},
    {TShape::And, false, false},
    {TShape::Or, false, false},
    {TShape::ExclusiveOr, false, false},
    {TShape::ExclusiveOr, false, true},
}};

// The input rows of a gate facing right, in the order the part lists its terminals.
std::vector<int> InputRows(int inputs)
{
    switch (inputs) {
    case 2: return {10, 30};
    case 3: return {10, 20, 30};
    case 4: return {0, 40, 10, 30};
    default: return {0, 40, 10, 20, 30};
    }
}

// A hollow bubble centred seven pixels in from the pin end, the same circle the part draws on corner
// inputs.
void InputBubble(SpritePainter& p, int y) { p.PixelCircle(4, y - 3, 11, y + 4, Ink, Qt::transparent); }

void Output(SpritePainter& p, bool bubble, int tip)
{
    if (bubble) {
        p.PixelCircle(tip + 1, OutputY - 3, tip + 8, OutputY + 4, Ink, Qt::transparent);
        p.Pin({tip + 8, OutputY}, {40, OutputY});
    } else {
        p.Pin({tip + 1, OutputY}, {40, OutputY});
    }
}

QImage GateFacingRight(int inputs, const TGateLook& look, double scale)
{
    QImage image = NewSprite(Size, Size, scale);
    SpritePainter p(&image, scale);
    const bool exclusive = look.Shape == TShape::ExclusiveOr;
    TGateFrame body = Frame;
    if (exclusive) body.Back += 1;
    // Where a pin meets the input side: the flat back, the curved back, or the extra curve of EOR.
    const double outerBack = exclusive ? body.Back - 4 : body.Back;
    const auto backAt = [&](int y) {
        if (look.Shape == TShape::And) return static_cast<int>(body.Back);
        return static_cast<int>(std::lround(OrBackX(outerBack, body.Top, body.Bottom, body.Bulge, y)));
    };
    for (const int y : InputRows(inputs)) {
        const bool corner = y < body.Top || y > body.Bottom;
        const int end = corner ? static_cast<int>(outerBack) : backAt(y);
        if (look.InputBubbles) {
            // The part itself draws the bubbles of the corner inputs over the gap left here.
            if (!corner) InputBubble(p, y);
            p.Pin({0, y}, {3, y});
            if (end >= 11) p.Pin({11, y}, {end, y});
        } else {
            p.Pin({0, y}, {end, y});
        }
    }
    if (inputs >= 4) {
        // More inputs than the body is high: the input side runs on to the corners.
        const int x = static_cast<int>(outerBack);
        p.Pin({x, 0}, {x, static_cast<int>(body.Top)});
        p.Pin({x, static_cast<int>(body.Bottom)}, {x, 40});
    }
    p.Outline(Ink, Paper);
    p.drawPath(look.Shape == TShape::And ? AndBody(body) : OrBody(body));
    if (exclusive) {
        p.Outline(Ink);
        p.drawPath(OrBackCurve(outerBack, body.Top, body.Bottom, body.Bulge));
    }
    Output(p, look.OutputBubble, static_cast<int>(body.Tip));
    return image;
}

QImage InverterFacingRight(bool negativeLogic, double scale)
{
    QImage image = NewSprite(Size, Size, scale);
    SpritePainter p(&image, scale);
    const TGateFrame body{Frame.Back, InverterTop, InverterBottom, Frame.Tip, 0};
    if (negativeLogic) {
        InputBubble(p, OutputY);
        p.Pin({0, OutputY}, {3, OutputY});
    } else {
        p.Pin({0, OutputY}, {static_cast<int>(body.Back), OutputY});
    }
    p.Outline(Ink, Paper);
    p.drawPath(Triangle(body));
    Output(p, !negativeLogic, static_cast<int>(body.Tip));
    return image;
}

void AddFourWays(std::vector<QImage>& list, const QImage& facingRight)
{
    for (int way = 0; way < 4; ++way) list.push_back(Turned(facingRight, way));
}

}  // namespace

std::vector<QImage> GateSprites(int inputs, double scale)
{
    std::vector<QImage> list;
    for (const TGateLook& look : Looks) AddFourWays(list, GateFacingRight(inputs, look, scale));
    return list;
}

std::vector<QImage> NotSprites(double scale)
{
    std::vector<QImage> list;
    for (const bool negative : {false, true}) AddFourWays(list, InverterFacingRight(negative, scale));
    return list;
}
