#include "SpriteKit.h"
#include "Sprites.h"

#include <array>

namespace {

const QColor Wire{0, 0, 255};
const QColor Shadow{96, 96, 96};
const QColor Face{212, 208, 200};
const QColor Light{255, 255, 255};

// The output pin of a 41 × 41 symbol for Way 0..3, from the body's edge to the terminal point.
void TurnedOutputPin(SpritePainter& p, int way, QRect body)
{
    switch (way) {
    case 0: p.Pin({body.right() + 1, 20}, {40, 20}); break;
    case 1: p.Pin({20, body.bottom() + 1}, {20, 40}); break;
    case 2: p.Pin({0, 20}, {body.left() - 1, 20}); break;
    default: p.Pin({20, 0}, {20, body.top() - 1}); break;
    }
}

// A raised or sunken square panel over the whole 21 × 21 image, touching every edge midpoint,
// so that the output pin of a switch meets it whichever way the switch is turned.
void Panel(SpritePainter& p, bool sunken)
{
    p.FillCells(0, 0, 20, 20, Face);
    p.Pin({0, 0}, {20, 0}, sunken ? Shadow : Light);
    p.Pin({0, 0}, {0, 20}, sunken ? Shadow : Light);
    p.Pin({1, 20}, {20, 20}, sunken ? Light : Shadow);
    p.Pin({20, 1}, {20, 20}, sunken ? Light : Shadow);
    p.Outline(Ink);
    p.drawRect(QRectF(1, 1, 18, 18));
}

QImage PushSwitch(bool pressed, double scale)
{
    QImage image = NewSprite(21, 21, scale);
    SpritePainter p(&image, scale);
    Panel(p, pressed);
    const double shift = pressed ? 1 : 0;
    p.Outline(Ink, pressed ? QColor(150, 0, 0) : QColor(220, 30, 30));
    p.drawEllipse(QPointF(10 + shift, 10 + shift), 5.5, 5.5);
    if (!pressed) {
        p.Outline(Qt::transparent, QColor(255, 150, 150));
        p.drawEllipse(QPointF(8.5, 8.5), 1.8, 1.8);
    }
    return image;
}

// A slide toggle as on a phone: off with the knob left on a grey track, on with the knob right on a
// green track, being pressed with the knob half way and the panel sunken.
QImage ToggleSwitch(int state, double scale)
{
    QImage image = NewSprite(21, 21, scale);
    SpritePainter p(&image, scale);
    Panel(p, state == 2);
    SlideToggle(p, QRectF(2.5, 5.5, 15, 9), state == 1 ? 1.0 : state == 2 ? 0.5 : 0.0, state == 1);
    return image;
}

QImage Pulser(int way, double scale)
{
    QImage image = NewSprite(41, 41, scale);
    SpritePainter p(&image, scale);
    const QRect body(8, 10, 25, 21);
    TurnedOutputPin(p, way, body);
    p.Outline(Ink, Paper);
    p.drawRect(QRectF(body.left(), body.top(), body.width() - 1, body.height() - 1));
    p.Outline(Wire);
    p.drawPolyline(QPolygonF({QPointF(11, 25), QPointF(14, 25), QPointF(14, 15), QPointF(20, 15), QPointF(20, 25),
                              QPointF(26, 25), QPointF(26, 15), QPointF(29, 15)}));
    return image;
}

QImage FullAdder(double scale)
{
    QImage image = NewSprite(41, 41, scale);
    SpritePainter p(&image, scale);
    const QColor navy(0, 0, 128);
    p.Pin({0, 10}, {3, 10}, navy);
    p.Pin({0, 30}, {3, 30}, navy);
    p.Pin({20, 0}, {20, 3}, navy);
    p.Pin({37, 20}, {40, 20}, navy);
    p.Pin({20, 37}, {20, 40}, navy);
    p.Outline(navy, QColor(255, 248, 200));
    p.drawRect(QRectF(4, 4, 32, 32));
    p.Label({9, 10}, QStringLiteral("A"), 8, false, navy);
    p.Label({9, 30}, QStringLiteral("B"), 8, false, navy);
    p.Label({21, 9}, QStringLiteral("Ci"), 8, false, navy);
    p.Label({32, 20}, QStringLiteral("S"), 8, false, navy);
    p.Label({21, 31}, QStringLiteral("Co"), 8, false, navy);
    p.Label({18, 20}, QStringLiteral("FA"), 8, false, QColor(192, 0, 0));
    return image;
}

QImage OneShot(bool falling, double scale)
{
    QImage image = NewSprite(41, 41, scale);
    SpritePainter p(&image, scale);
    p.Pin({0, 20}, {5, 20});
    p.Pin({35, 20}, {40, 20});
    p.Outline(Ink, Paper);
    p.drawRect(QRectF(6, 8, 28, 24));
    // The trigger edge with an arrow on it, then the pulse it answers with.
    const double low = 26, high = 14;
    const double from = falling ? high : low, to = falling ? low : high;
    p.Outline(Wire);
    p.drawPolyline(QPolygonF({QPointF(9, from), QPointF(13, from), QPointF(13, to), QPointF(17, to)}));
    const double tip = falling ? 23 : 17, back = falling ? -3 : 3;
    p.Outline(Wire, Wire);
    p.drawPolygon(QPolygonF({QPointF(13, tip), QPointF(11, tip + back), QPointF(15, tip + back)}));
    p.Outline(QColor(192, 0, 0));
    p.drawPolyline(QPolygonF({QPointF(19, low), QPointF(22, low), QPointF(22, high), QPointF(28, high),
                              QPointF(28, low), QPointF(31, low)}));
    return image;
}

QImage Scope(double scale)
{
    QImage image = NewSprite(41, 51, scale);
    SpritePainter p(&image, scale);
    for (int y = 10; y <= 40; y += 10) p.Pin({0, y}, {6, y});
    p.Outline(Ink, QColor(200, 200, 205));
    p.drawRoundedRect(QRectF(7, 3, 31, 44), 2, 2);
    p.Outline(Ink, QColor(0, 40, 0));
    p.drawRect(QRectF(15, 7, 20, 18));
    p.Outline(QColor(60, 255, 60));
    p.drawPolyline(QPolygonF({QPointF(17, 20), QPointF(20, 20), QPointF(20, 11), QPointF(25, 11), QPointF(25, 20),
                              QPointF(30, 20), QPointF(30, 11), QPointF(33, 11)}));
    for (int channel = 0; channel < 4; ++channel)
        p.Label({10.5, 10.0 + 10 * channel}, QString::number(channel), 7);
    p.Outline(Ink, QColor(90, 90, 90));
    p.drawEllipse(QPointF(21, 36), 2.5, 2.5);
    p.drawEllipse(QPointF(30, 36), 2.5, 2.5);
    return image;
}

// Facing right both carry the signal from left to right: an input terminal (part number 0) from
// the level outside the box to the inside, an output terminal from the inside out. Input
// terminals are green with a flat tail, output terminals orange with a notched one.
QImage Terminal(bool output, double scale)
{
    QImage image = NewSprite(21, 21, scale);
    SpritePainter p(&image, scale);
    p.Pin({0, 10}, {output ? 6 : 1, 10});
    p.Pin({18, 10}, {20, 10});
    p.Outline(Ink, output ? QColor(255, 190, 110) : QColor(140, 225, 140));
    QPolygonF arrow({QPointF(1, 4), QPointF(13, 4), QPointF(19, 10), QPointF(13, 16), QPointF(1, 16)});
    if (output) arrow.append(QPointF(6, 10));
    p.drawPolygon(arrow);
    return image;
}

}  // namespace

std::vector<QImage> PushSwitchSprites(double scale) { return {PushSwitch(false, scale), PushSwitch(true, scale)}; }

std::vector<QImage> ToggleSwitchSprites(double scale)
{
    return {ToggleSwitch(0, scale), ToggleSwitch(1, scale), ToggleSwitch(2, scale)};
}

std::vector<QImage> PulserAdderSprites(double scale)
{
    std::vector<QImage> list;
    for (int way = 0; way < 4; ++way) list.push_back(Pulser(way, scale));
    const QImage adder = FullAdder(scale);
    list.push_back(adder);
    for (int i = 0; i < 3; ++i) list.push_back(Greyed(adder));
    return list;
}

std::vector<QImage> OneShotSprites(double scale) { return {OneShot(false, scale), OneShot(true, scale)}; }

std::vector<QImage> ScopeSprites(double scale) { return {Scope(scale)}; }

std::vector<QImage> DotSprites(double scale)
{
    QImage image = NewSprite(20, 20, scale);
    SpritePainter p(&image, scale);
    p.PixelCircle(7, 7, 14, 14, Wire, Wire);
    return {image};
}

std::vector<QImage> TerminalSprites(double scale)
{
    std::vector<QImage> list;
    for (const bool output : {false, true})
        for (int way = 0; way < 4; ++way) list.push_back(Turned(Terminal(output, scale), way));
    return list;
}
