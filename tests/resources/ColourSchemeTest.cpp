// The colour schemes as a user sees them: the colours are read back from pictures drawn by the real
// painting code, then judged as people with each common colour-vision deficiency would see them.
#include "BoardImage.h"
#include "CircuitFile.h"
#include "CircuitText.h"
#include "Context.h"
#include "DMU.h"
#include "Gates.h"
#include "QImageCanvas.h"
#include "Simulation.h"
#include "SpriteRim.h"
#include "TestCircuit.h"
#include "Wiring.h"

#include <QImage>

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <string>

namespace {

using TMatrix = std::array<std::array<double, 3>, 3>;

// Machado, Oliveira and Fernandes (2009), severity 1, on linear RGB.
constexpr TMatrix Protanopia{
    {{0.152286, 1.052583, -0.204868}, {0.114503, 0.786281, 0.099216}, {-0.003882, -0.048116, 1.051998}}};
constexpr TMatrix Deuteranopia{
    {{0.367322, 0.860646, -0.227968}, {0.280085, 0.672501, 0.047413}, {-0.011820, 0.042940, 0.968881}}};
constexpr TMatrix Tritanopia{
    {{1.255528, -0.076749, -0.178779}, {-0.078411, 0.930809, 0.147602}, {0.004733, 0.691367, 0.303900}}};
constexpr TMatrix FullVision{{{1, 0, 0}, {0, 1, 0}, {0, 0, 1}}};

struct TVision {
    const char* Name;
    TMatrix Matrix;
};
const TVision Visions[] = {
    {"full colour vision", FullVision},
    {"protanopia", Protanopia},
    {"deuteranopia", Deuteranopia},
    {"tritanopia", Tritanopia},
};

using TLinear = std::array<double, 3>;

double Linear(int channel)
{
    const double c = channel / 255.0;
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

TLinear LinearOf(QRgb pixel) { return {Linear(qRed(pixel)), Linear(qGreen(pixel)), Linear(qBlue(pixel))}; }

double Luminance(const TLinear& c) { return 0.2126 * c[0] + 0.7152 * c[1] + 0.0722 * c[2]; }

// The WCAG contrast ratio of two colours.
double Contrast(QRgb a, QRgb b)
{
    const double la = Luminance(LinearOf(a)), lb = Luminance(LinearOf(b));
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

TLinear Seen(QRgb pixel, const TMatrix& m)
{
    const TLinear c = LinearOf(pixel);
    TLinear out{};
    for (size_t i = 0; i < 3; ++i) out[i] = std::clamp(m[i][0] * c[0] + m[i][1] * c[1] + m[i][2] * c[2], 0.0, 1.0);
    return out;
}

// CIELAB under D65 of a linear sRGB colour.
TLinear Lab(const TLinear& c)
{
    const double x = (0.4124 * c[0] + 0.3576 * c[1] + 0.1805 * c[2]) / 0.95047;
    const double y = 0.2126 * c[0] + 0.7152 * c[1] + 0.0722 * c[2];
    const double z = (0.0193 * c[0] + 0.1192 * c[1] + 0.9505 * c[2]) / 1.08883;
    const auto f = [](double t) { return t > 216.0 / 24389 ? std::cbrt(t) : (24389.0 / 27 * t + 16) / 116; };
    return {116 * f(y) - 16, 500 * (f(x) - f(y)), 200 * (f(y) - f(z))};
}

// CIE76 colour difference of two pixels as the vision sees them.
double DeltaE(QRgb a, QRgb b, const TMatrix& vision)
{
    const TLinear la = Lab(Seen(a, vision)), lb = Lab(Seen(b, vision));
    return std::hypot(la[0] - lb[0], la[1] - lb[1], la[2] - lb[2]);
}

QRgb Rgb(TColor c) { return qRgb(c.R, c.G, c.B); }

const TDM& Sprites()
{
    static const TDM dm;
    return dm;
}

TColourSchemeId Scheme(int i) { return static_cast<TColourSchemeId>(i); }

// The board of the circuit in the scheme, drawn the way the window redraws it, through PNG and back.
QImage Picture(TestCircuit& t, TColourSchemeId scheme, double scale = 1)
{
    t.Context.Look.Scheme = scheme;
    return QImage::fromData(QByteArray::fromStdString(BoardPng(t.Bord, {0, 0, 320, 280}, scale)))
        .convertToFormat(QImage::Format_RGB32);
}

void Load(TestCircuit& t, const std::string& path)
{
    TPartsList loaded;
    LoadParts(ReadCircuitFile(path), loaded, t.Bord, nullptr, nullptr);
    t.Bord.CheckAllLinks();
}

// A picture's pixel composited over the board, as an image sprite lands on it.
QRgb Over(QRgb pixel, QRgb board)
{
    const int a = qAlpha(pixel);
    const auto mix = [&](int s, int d) { return (s * a + d * (255 - a)) / 255; };
    return qRgb(mix(qRed(pixel), qRed(board)), mix(qGreen(pixel), qGreen(board)), mix(qBlue(pixel), qBlue(board)));
}

}  // namespace

// Lines in the low, high and conflict colours drawn with the canvas's pen over the board's
// background, read back from the picture: each keeps 3:1 against the board, and every pair stays
// at least 20 CIE76 units apart for full colour vision and for each dichromacy. Only the printer
// scheme draws low and high alike, in black; its high line is told by its thickness, and its
// conflict by its grey.
TEST(ColourSchemes, LevelsKeepTheirContrastAndStayApartForEveryColourVision)
{
    constexpr double MinContrast = 3, MinDifference = 20;
    for (int s = 0; s < ColourSchemeCount; ++s) {
        SCOPED_TRACE(SchemeName(Scheme(s)));
        const TColourScheme& colours = SchemeColours(Scheme(s));
        TCircuit circuit;
        circuit.Context.Look.Scheme = Scheme(s);
        QImageCanvas canvas(120, 60, &Sprites());
        RedrawBoard(circuit.Bord, canvas, {0, 0, 120, 60});
        const TColor levels[] = {colours.Low, colours.High, colours.Conflict};
        for (size_t i = 0; i < std::size(levels); ++i) {
            canvas.SetPenColor(levels[i]);
            canvas.MoveTo(5, 15 + 10 * static_cast<int>(i));
            canvas.LineTo(115, 15 + 10 * static_cast<int>(i));
        }
        const QImage picture = QImage::fromData(QByteArray::fromStdString(EncodeCanvasPng(canvas)));
        ASSERT_FALSE(picture.isNull());
        const QRgb board = picture.pixel(3, 3);
        EXPECT_EQ(board, Rgb(colours.Board));
        const std::array<QRgb, 3> drawn{picture.pixel(55, 15), picture.pixel(55, 25), picture.pixel(55, 35)};
        const char* names[] = {"low", "high", "conflict"};
        for (size_t i = 0; i < drawn.size(); ++i) EXPECT_GE(Contrast(drawn[i], board), MinContrast) << names[i];
        for (const TVision& vision : Visions)
            for (size_t a = 0; a < drawn.size(); ++a)
                for (size_t b = a + 1; b < drawn.size(); ++b) {
                    if (Scheme(s) == TColourSchemeId::Printer && a == 0 && b == 1) continue;
                    EXPECT_GE(DeltaE(drawn[a], drawn[b], vision.Matrix), MinDifference)
                        << names[a] << " and " << names[b] << " for " << vision.Name;
                }
        if (Scheme(s) == TColourSchemeId::Printer) {
            EXPECT_EQ(drawn[0], qRgb(0, 0, 0));
            EXPECT_EQ(drawn[1], qRgb(0, 0, 0));
            EXPECT_TRUE(qRed(drawn[2]) == qGreen(drawn[2]) && qGreen(drawn[2]) == qBlue(drawn[2]));  // a grey
        } else {
            EXPECT_NE(drawn[0], drawn[1]);
        }
    }
}

// The board, its grid dots, the open terminals, a sub-board and a text box in each scheme's
// colours; the normal scheme is the classic look pixel for pixel.
TEST(ColourSchemes, TheBoardAndWhatLiesOnItTakeTheSchemesColours)
{
    TestCircuit t;
    AddBox(t, 120, 20, 100, 80);
    t.Place<TGate>(30, 30);
    for (int s = 0; s < ColourSchemeCount; ++s) {
        SCOPED_TRACE(SchemeName(Scheme(s)));
        const TColourScheme& c = SchemeColours(Scheme(s));
        const QImage picture = Picture(t, Scheme(s));
        EXPECT_EQ(picture.pixel(5, 5), Rgb(c.Board));
        EXPECT_EQ(picture.pixel(10, 10), Rgb(c.GridDot));
        EXPECT_EQ(picture.pixel(25, 40), Rgb(c.OpenTerminal));  // the circle round the input at (30, 40)
        EXPECT_EQ(picture.pixel(130, 50), Rgb(c.Box));
        EXPECT_EQ(picture.pixel(150, 20), Rgb(c.BoxLight));
        EXPECT_EQ(picture.pixel(150, 99), Rgb(c.BoxShadow));
        EXPECT_EQ(picture.pixel(125, 25), Rgb(c.BoxGrip));
    }
    const TColourScheme& normal = SchemeColours(TColourSchemeId::Normal);
    EXPECT_EQ(normal.Board, clBtnFace);
    EXPECT_EQ(normal.GridDot, clOlive);
    EXPECT_EQ(normal.OpenTerminal, clRed);
    EXPECT_EQ(normal.Box, clBtnFace);
    EXPECT_EQ(normal.BoxGrip, clNavy);
    EXPECT_EQ(normal.Text, clBlack);
    EXPECT_FALSE(normal.SpriteRim.has_value());
    // The default look is the normal scheme: nothing in a picture changes unless a user asks.
    TestCircuit plain;
    plain.Place<TGate>(30, 30);
    TestCircuit named;
    named.Place<TGate>(30, 30);
    const QImage classic = QImage::fromData(QByteArray::fromStdString(BoardPng(plain.Bord, {0, 0, 100, 100}, 2)));
    EXPECT_EQ(classic,
              Picture(named, TColourSchemeId::Normal, 2).copy(0, 0, 200, 200).convertToFormat(classic.format()));
}

TEST(ColourSchemes, ThePictureLeavesOutGridDotsAndOpenTerminalsWhenTheLookSays)
{
    for (int s = 0; s < ColourSchemeCount; ++s) {
        SCOPED_TRACE(SchemeName(Scheme(s)));
        const TColourScheme& c = SchemeColours(Scheme(s));
        TestCircuit t;
        t.Place<TGate>(30, 30);
        t.Context.Look.GridDots = false;
        t.Context.Look.OpenTerminals = false;
        const QImage picture = Picture(t, Scheme(s));
        int dots = 0, circles = 0;
        for (int y = 0; y < picture.height(); ++y)
            for (int x = 0; x < picture.width(); ++x) {
                dots += picture.pixel(x, y) == Rgb(c.GridDot);
                circles += picture.pixel(x, y) == Rgb(c.OpenTerminal) && c.OpenTerminal != clBlack;
            }
        EXPECT_EQ(dots, 0);
        EXPECT_EQ(circles, 0);
        EXPECT_EQ(picture.pixel(10, 10), Rgb(c.Board));
        EXPECT_EQ(picture.pixel(25, 40), Rgb(c.Board));
    }
}

// Every sprite of every list, at 100 % and 200 %, drawn on the dark boards: the outer edge of its
// shape keeps 3:1 against the board wherever it is dark ink, so that no pin or outline is lost.
TEST(ColourSchemes, EverySpritesEdgeReadsOnTheDarkBoards)
{
    for (const TColourSchemeId scheme : {TColourSchemeId::Dark, TColourSchemeId::ColourBlind}) {
        const TColourScheme& c = SchemeColours(scheme);
        ASSERT_TRUE(c.SpriteRim.has_value());
        const QRgb board = Rgb(c.Board);
        for (const double scale : {1.0, 2.0})
            for (const TSpriteListName& list : SpriteListNames) {
                // Junction dots are drawn as discs in the wire's colour on every board but the normal one.
                if (list.List == TSpriteList::Dot) continue;
                const TImageList& images = Sprites().List(list.List, scale);
                for (int i = 0; i < images.Count(); ++i) {
                    const QImage sprite = RimmedSprite(images.Images[static_cast<size_t>(i)], *c.SpriteRim)
                                              .convertToFormat(QImage::Format_ARGB32);
                    const auto clear = [&](int x, int y) {
                        return !sprite.valid(x, y) || qAlpha(sprite.pixel(x, y)) == 0;
                    };
                    int edge = 0, faint = 0;
                    for (int y = 0; y < sprite.height(); ++y)
                        for (int x = 0; x < sprite.width(); ++x) {
                            const QRgb pixel = sprite.pixel(x, y);
                            if (qAlpha(pixel) < 255 ||
                                !(clear(x - 1, y) || clear(x + 1, y) || clear(x, y - 1) || clear(x, y + 1)))
                                continue;
                            ++edge;
                            faint += Contrast(Over(pixel, board), board) < 3;
                        }
                    EXPECT_EQ(faint, 0) << SchemeName(scheme) << " " << list.Name << "[" << i << "] at " << scale
                                        << ": " << faint << " of " << edge << " edge pixels";
                }
            }
    }
}

TEST(ColourSchemes, TheRimLightsDarkInkAlongTheSurroundOnly)
{
    // A white body with a two-pixel black outline and a black mark inside, a black pin leading out of
    // it to the image's edge, a red and a navy pixel on the surround and a half-covered grey one.
    QImage sprite(12, 10, QImage::Format_ARGB32_Premultiplied);
    sprite.fill(Qt::transparent);
    for (int y = 1; y <= 8; ++y)
        for (int x = 1; x <= 8; ++x) sprite.setPixel(x, y, qRgb(0, 0, 0));
    for (int y = 3; y <= 6; ++y)
        for (int x = 3; x <= 6; ++x) sprite.setPixel(x, y, qRgb(255, 255, 255));
    sprite.setPixel(4, 4, qRgb(0, 0, 0));
    for (int x = 9; x < 12; ++x) sprite.setPixel(x, 5, qRgb(0, 0, 0));
    sprite.setPixel(10, 1, qRgb(255, 0, 0));
    sprite.setPixel(11, 1, qRgb(0, 0, 128));
    sprite.setPixel(10, 8, qPremultiply(qRgba(40, 40, 40, 128)));
    constexpr TColor Rim{200, 200, 205};
    const QImage rimmed = RimmedSprite(sprite, Rim).convertToFormat(QImage::Format_ARGB32);
    ASSERT_EQ(rimmed.size(), sprite.size());
    EXPECT_EQ(rimmed.pixel(1, 1), qRgb(200, 200, 205));  // the outline's outer ring
    EXPECT_EQ(rimmed.pixel(8, 4), qRgb(200, 200, 205));
    EXPECT_EQ(rimmed.pixel(2, 2), qRgb(0, 0, 0));  // its inner ring borders only ink
    EXPECT_EQ(rimmed.pixel(4, 4), qRgb(0, 0, 0));  // the mark inside the body
    EXPECT_EQ(rimmed.pixel(5, 5), qRgb(255, 255, 255));
    EXPECT_EQ(rimmed.pixel(11, 5), qRgb(200, 200, 205));  // the pin, to the image's edge
    EXPECT_EQ(rimmed.pixel(10, 1), qRgb(255, 0, 0));
    EXPECT_EQ(rimmed.pixel(11, 1), qRgb(200, 200, 205));  // a navy outline is as lost as a black one
    EXPECT_EQ(qAlpha(rimmed.pixel(10, 8)), 128);
    EXPECT_NEAR(qRed(rimmed.pixel(10, 8)), 200, 2);
    EXPECT_EQ(qAlpha(rimmed.pixel(0, 0)), 0);
}

// The half adder on each board: the sprites drawn through the canvas take the rim on the dark
// boards only.
TEST(ColourSchemes, TheHalfAdderReadsOnEveryBoard)
{
    TestCircuit t;
    Load(t, VOLTRANE_TEST_DATA "/../../docs/examples/half-adder.lgc");
    for (int s = 0; s < ColourSchemeCount; ++s) {
        SCOPED_TRACE(SchemeName(Scheme(s)));
        const TColourScheme& c = SchemeColours(Scheme(s));
        const QImage picture = Picture(t, Scheme(s));
        // The AND gate's lower input pin, left of its body at (200, 200).
        const QRgb pin = picture.pixel(203, 230);
        EXPECT_GE(Contrast(pin, Rgb(c.Board)), 3);
        EXPECT_EQ(pin, c.SpriteRim ? Rgb(*c.SpriteRim) : qRgb(0, 0, 0));
    }
}
