#include "GateShapes.h"
#include "SpriteKit.h"
#include "Sprites.h"

#include <QPainterPath>

#include <cmath>
#include <functional>

namespace {

const QColor Navy{0, 0, 128};
const QColor Wire{0, 0, 255};
const QColor Red{220, 0, 0};
const QColor Green{0, 160, 0};
const QColor Folder{240, 200, 80};

using TIconPainter = std::function<void(SpritePainter&)>;

QImage Icon(const TIconPainter& paint)
{
    QImage image = NewSprite(16, 16);
    SpritePainter p(&image);
    paint(p);
    return image;
}

QPolygonF Polygon(std::initializer_list<QPointF> points) { return QPolygonF(QList<QPointF>(points)); }

void Page(SpritePainter& p, double x, double y, double w, double h)
{
    p.Outline(Ink, Paper);
    p.drawPolygon(Polygon({{x, y}, {x + w - 3, y}, {x + w, y + 3}, {x + w, y + h}, {x, y + h}}));
    p.drawPolyline(Polygon({{x + w - 3, y}, {x + w - 3, y + 3}, {x + w, y + 3}}));
}

// A small gate facing right with two inputs; the kinds are those of the gate sprites.
void GateIcon(SpritePainter& p, int kind)
{
    const TGateFrame f{4, 3, 13, 11, 2};
    const bool exclusive = kind >= 6;
    const bool orShape = kind == 1 || kind == 2 || kind == 5 || exclusive;
    const bool inputBubbles = kind == 1 || kind == 3;
    const bool outputBubble = kind == 0 || kind == 2 || kind == 7;
    for (const int y : {5, 11}) {
        const double back = orShape ? OrBackX(exclusive ? 2 : 4, f.Top, f.Bottom, f.Bulge, y) : 4;
        p.Pin({0, y}, {static_cast<int>(back), y});
        if (inputBubbles) p.PixelCircle(1, y - 2, 5, y + 2);
    }
    p.Outline(Ink, Paper);
    p.drawPath(orShape ? OrBody(f) : AndBody(f));
    if (exclusive) {
        p.Outline(Ink);
        p.drawPath(OrBackCurve(2, f.Top, f.Bottom, f.Bulge));
    }
    if (outputBubble) {
        p.PixelCircle(12, 6, 16, 10);
    } else {
        p.Pin({12, 8}, {15, 8});
    }
}

void InverterIcon(SpritePainter& p)
{
    p.Pin({0, 8}, {3, 8});
    p.Outline(Ink, Paper);
    p.drawPath(Triangle({3, 3, 13, 11, 0}));
    p.PixelCircle(11, 6, 15, 10);
}

void LedIcon(SpritePainter& p, const QColor& colour)
{
    p.Outline(colour.darker(200), colour);
    p.drawEllipse(QPointF(7.5, 7.5), 6, 6);
    p.Outline(Qt::transparent, QColor(255, 255, 255, 180));
    p.drawEllipse(QPointF(5.5, 5.5), 2, 2);
}

// A boxed part with a short name and pins left and right.
void BoxIcon(SpritePainter& p, const QString& name, const QColor& colour = Ink)
{
    for (const int y : {4, 11}) {
        p.Pin({0, y}, {1, y});
        p.Pin({14, y}, {15, y});
    }
    p.Outline(Ink, Paper);
    p.drawRect(QRectF(2, 0, 11, 15));
    p.save();
    p.setFont(LabelFont(name.size() > 1 ? 7 : 10, true));
    p.setPen(colour);
    p.drawText(QRectF(2, 0, 12, 15), Qt::AlignCenter, name);
    p.restore();
}

void SquareWave(SpritePainter& p, const QColor& colour)
{
    p.Outline(colour);
    p.drawPolyline(Polygon({{1, 11}, {4, 11}, {4, 4}, {8, 4}, {8, 11}, {12, 11}, {12, 4}, {14, 4}}));
}

void TerminalIcon(SpritePainter& p, const QColor& fill)
{
    p.Outline(Ink, fill);
    p.drawPolygon(Polygon({{1, 4}, {10, 4}, {14, 8}, {10, 12}, {1, 12}}));
}

// A bent arrow over the top, pointing left (undo) or right (redo).
void TurnArrow(SpritePainter& p, bool right)
{
    const auto x = [right](double v) { return right ? 15 - v : v; };
    QPainterPath path;
    path.moveTo(x(12), 13);
    path.cubicTo(x(15), 7, x(11), 3, x(5), 5);
    p.setPen(QPen(Navy, 1.6));
    p.setBrush(Qt::NoBrush);
    p.drawPath(path);
    p.Outline(Navy, Navy);
    p.drawPolygon(Polygon({{x(2), 6}, {x(7), 1.5}, {x(7), 9}}));
}

void MoveArrows(SpritePainter& p)
{
    p.Outline(Ink, Ink);
    p.Pin({2, 7}, {13, 7});
    p.Pin({7, 2}, {7, 13});
    p.drawPolygon(Polygon({{7, 0}, {4.5, 3}, {9.5, 3}}));
    p.drawPolygon(Polygon({{7, 15}, {4.5, 12}, {9.5, 12}}));
    p.drawPolygon(Polygon({{0, 7}, {3, 4.5}, {3, 9.5}}));
    p.drawPolygon(Polygon({{15, 7}, {12, 4.5}, {12, 9.5}}));
}

const std::vector<TIconPainter>& Painters()
{
    static const std::vector<TIconPainter> painters{
        /* 0 new */ [](SpritePainter& p) { Page(p, 3, 1, 10, 13); },
        /* 1 open */
        [](SpritePainter& p) {
            p.Outline(Ink, Folder.darker(115));
            p.drawPolygon(Polygon({{1, 3}, {5, 3}, {6, 5}, {13, 5}, {13, 13}, {1, 13}}));
            p.Outline(Ink, Folder);
            p.drawPolygon(Polygon({{1, 13}, {3.5, 7}, {15, 7}, {13, 13}}));
        },
        /* 2 save */
        [](SpritePainter& p) {
            p.Outline(Ink, Navy);
            p.drawRect(QRectF(1, 1, 13, 13));
            p.Outline(Ink, Paper);
            p.drawRect(QRectF(4, 1, 7, 5));
            p.Outline(Ink, QColor(190, 190, 190));
            p.drawRect(QRectF(4, 9, 7, 5));
        },
        /* 3 copy */
        [](SpritePainter& p) {
            Page(p, 1, 1, 8, 10);
            Page(p, 6, 4, 8, 11);
        },
        /* 4 cut */
        [](SpritePainter& p) {
            p.Outline(Ink);
            p.drawLine(QPointF(5, 1), QPointF(10, 10));
            p.drawLine(QPointF(10, 1), QPointF(5, 10));
            p.Outline(Red, Paper);
            p.drawEllipse(QPointF(4, 12), 2.5, 2.5);
            p.drawEllipse(QPointF(11, 12), 2.5, 2.5);
        },
        /* 5 paste */
        [](SpritePainter& p) {
            p.Outline(Ink, QColor(180, 120, 60));
            p.drawRect(QRectF(1, 2, 10, 13));
            p.Outline(Ink, QColor(200, 200, 200));
            p.drawRect(QRectF(4, 1, 4, 2));
            Page(p, 6, 6, 8, 9);
        },
        /* 6 select */
        [](SpritePainter& p) {
            p.Outline(Ink, Paper);
            p.drawPolygon(Polygon({{4, 1}, {4, 13}, {7, 10}, {9.5, 15}, {11, 14}, {8.5, 9.5}, {12, 9.5}}));
        },
        /* 7 NAND */ [](SpritePainter& p) { GateIcon(p, 0); },
        /* 8 NOR */ [](SpritePainter& p) { GateIcon(p, 2); },
        /* 9 NOT */ [](SpritePainter& p) { InverterIcon(p); },
        /* 10 AND */ [](SpritePainter& p) { GateIcon(p, 4); },
        /* 11 OR */ [](SpritePainter& p) { GateIcon(p, 5); },
        /* 12 EOR */ [](SpritePainter& p) { GateIcon(p, 6); },
        /* 13 blue LED */ [](SpritePainter& p) { LedIcon(p, QColor(40, 90, 255)); },
        /* 14 green LED */ [](SpritePainter& p) { LedIcon(p, QColor(0, 200, 0)); },
        /* 15 2→10 */ [](SpritePainter& p) { BoxIcon(p, QStringLiteral("10"), Navy); },
        /* 16 10→2 */ [](SpritePainter& p) { BoxIcon(p, QStringLiteral("2"), Navy); },
        /* 17 7SEG */ [](SpritePainter& p) { BoxIcon(p, QStringLiteral("8"), Red); },
        /* 18 red LED */ [](SpritePainter& p) { LedIcon(p, QColor(255, 0, 0)); },
        /* 19 toggle switch */ [](SpritePainter& p) { SlideToggle(p, QRectF(0.5, 3.5, 14, 8), 1.0, true); },
        /* 20 push switch */
        [](SpritePainter& p) {
            p.Outline(Ink, QColor(212, 208, 200));
            p.drawRect(QRectF(1, 1, 13, 13));
            p.Outline(Ink, QColor(220, 30, 30));
            p.drawEllipse(QPointF(7.5, 7.5), 4.5, 4.5);
        },
        /* 21 JK */ [](SpritePainter& p) { BoxIcon(p, QStringLiteral("JK")); },
        /* 22 ENOR */ [](SpritePainter& p) { GateIcon(p, 7); },
        /* 23 pulser */
        [](SpritePainter& p) {
            p.Outline(Ink, Paper);
            p.drawRect(QRectF(0, 1, 15, 13));
            SquareWave(p, Wire);
        },
        /* 24 text */
        [](SpritePainter& p) {
            QFont font = LabelFont(14, true);
            font.setFamily(QStringLiteral("DejaVu Serif"));
            p.setFont(font);
            p.setPen(Ink);
            p.drawText(QRectF(-0.5, -0.5, 16, 16), Qt::AlignCenter, QStringLiteral("A"));
        },
        /* 25 D */ [](SpritePainter& p) { BoxIcon(p, QStringLiteral("D")); },
        /* 26 T */ [](SpritePainter& p) { BoxIcon(p, QStringLiteral("T")); },
        /* 27 full adder */
        [](SpritePainter& p) {
            p.Outline(Navy, QColor(255, 248, 200));
            p.drawRect(QRectF(1, 1, 13, 13));
            p.Label({7.5, 7.5}, QStringLiteral("FA"), 7, false, QColor(192, 0, 0));
        },
        /* 28 scope */
        [](SpritePainter& p) {
            p.Outline(Ink, QColor(200, 200, 205));
            p.drawRect(QRectF(0, 1, 15, 13));
            p.Outline(Ink, QColor(0, 40, 0));
            p.drawRect(QRectF(2, 3, 11, 8));
            p.Outline(QColor(60, 255, 60));
            p.drawPolyline(Polygon({{3, 9}, {5, 9}, {5, 5}, {8, 5}, {8, 9}, {10, 9}, {10, 5}, {12, 5}}));
        },
        /* 29 seven-segment display */
        [](SpritePainter& p) {
            p.fillRect(QRectF(1.5, -0.5, 13, 16), Ink);
            const QColor lit(255, 0, 0);
            for (const int y : {1, 7, 13}) p.Pin({5, y}, {9, y}, lit);
            for (const int x : {4, 10}) {
                p.Pin({x, 2}, {x, 6}, lit);
                p.Pin({x, 8}, {x, 12}, lit);
            }
            p.Pin({12, 13}, {12, 13}, lit);
        },
        /* 30 sub-board box */
        [](SpritePainter& p) {
            p.fillRect(QRectF(-0.5, -0.5, 16, 16), ButtonFace);
            p.Pin({0, 0}, {15, 0}, Paper);
            p.Pin({0, 0}, {0, 15}, Paper);
            p.Pin({1, 15}, {15, 15}, Ink);
            p.Pin({15, 1}, {15, 15}, Ink);
            p.fillRect(QRectF(1.5, 1.5, 5, 5), Navy);
        },
        /* 31 input terminal */ [](SpritePainter& p) { TerminalIcon(p, QColor(140, 225, 140)); },
        /* 32 output terminal */ [](SpritePainter& p) { TerminalIcon(p, QColor(255, 190, 110)); },
        /* 33 one-shot */
        [](SpritePainter& p) {
            p.Outline(Wire);
            p.drawPolyline(Polygon({{0, 13}, {3, 13}, {3, 4}}));
            p.Outline(Wire, Wire);
            p.drawPolygon(Polygon({{3, 2}, {1, 6}, {5, 6}}));
            p.Outline(Red);
            p.drawPolyline(Polygon({{6, 13}, {8, 13}, {8, 4}, {13, 4}, {13, 13}, {15, 13}}));
        },
        /* 34 undo */ [](SpritePainter& p) { TurnArrow(p, false); },
        /* 35 redo */ [](SpritePainter& p) { TurnArrow(p, true); },
        /* 36 matrix */
        [](SpritePainter& p) {
            p.fillRect(QRectF(-0.5, -0.5, 16, 16), Ink);
            for (int row = 0; row < 4; ++row)
                for (int column = 0; column < 4; ++column) {
                    const QColor dot = row == column ? QColor(255, 0, 0) : QColor(90, 0, 0);
                    p.fillRect(QRectF(1.5 + 4 * column, 1.5 + 4 * row, 2, 2), dot);
                }
        },
        /* 37 move */ [](SpritePainter& p) { MoveArrows(p); },
        /* 38 wire */
        [](SpritePainter& p) {
            p.Pin({2, 3}, {2, 12}, Wire);
            p.Pin({2, 12}, {13, 12}, Wire);
            p.Outline(Wire, Wire);
            p.drawEllipse(QPointF(2, 3), 1.5, 1.5);
            p.drawEllipse(QPointF(13, 12), 1.5, 1.5);
        },
        /* 39 delete */
        [](SpritePainter& p) {
            p.setPen(QPen(Red, 2.5, Qt::SolidLine, Qt::RoundCap));
            p.drawLine(QPointF(3, 3), QPointF(12, 12));
            p.drawLine(QPointF(12, 3), QPointF(3, 12));
        },
        /* 40 stop */
        [](SpritePainter& p) {
            p.Outline(Red.darker(150), Red);
            p.drawRect(QRectF(2, 2, 11, 11));
        },
        /* 41 start */
        [](SpritePainter& p) {
            p.Outline(Green.darker(150), Green);
            p.drawPolygon(Polygon({{3, 1}, {14, 7.5}, {3, 14}}));
        },
        /* 42 pause */
        [](SpritePainter& p) {
            p.Outline(Navy, Wire);
            p.drawRect(QRectF(3, 2, 3, 11));
            p.drawRect(QRectF(9, 2, 3, 11));
        },
        /* 43 one pass */
        [](SpritePainter& p) {
            p.Outline(Green.darker(150), Green);
            p.drawPolygon(Polygon({{2, 2}, {10, 7.5}, {2, 13}}));
            p.Outline(Navy, Wire);
            p.drawRect(QRectF(11, 2, 2, 11));
        },
        /* 44 a number of passes */
        [](SpritePainter& p) {
            p.Outline(Green.darker(150), Green);
            p.drawPolygon(Polygon({{0, 2}, {6, 7.5}, {0, 13}}));
            p.drawPolygon(Polygon({{6, 2}, {12, 7.5}, {6, 13}}));
            p.Outline(Navy, Wire);
            p.drawRect(QRectF(13, 2, 2, 11));
        },
        /* 45 speed */
        [](SpritePainter& p) {
            p.Outline(Ink, Paper);
            p.drawPie(QRectF(0, 2, 15, 15), 0, 180 * 16);
            p.Outline(Ink);
            for (const double angle : {30.0, 90.0, 150.0}) {
                const double r = angle * 3.14159265 / 180;
                p.drawLine(QPointF(7.5 + 5 * std::cos(r), 9.5 - 5 * std::sin(r)),
                           QPointF(7.5 + 7 * std::cos(r), 9.5 - 7 * std::sin(r)));
            }
            p.setPen(QPen(Red, 1.5, Qt::SolidLine, Qt::RoundCap));
            p.drawLine(QPointF(7.5, 9.5), QPointF(12, 4.5));
        },
    };
    return painters;
}

}  // namespace

std::vector<QImage> ActionIcons()
{
    std::vector<QImage> icons;
    for (const TIconPainter& paint : Painters()) icons.push_back(Icon(paint));
    return icons;
}
