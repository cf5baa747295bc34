// Pictures in the clean look: white with black lines, no olive grid dot and no red open-terminal
// circle where the editing look has them, and painting changes nothing a run reads.
#include "BoardImage.h"
#include "BoardVector.h"
#include "CircuitFile.h"
#include "CircuitText.h"
#include "LED.h"
#include "PartU.h"
#include "SvgRendering.h"
#include "TestCircuit.h"

#include <QImage>

#include <gtest/gtest.h>

#include <sstream>

namespace {

const TPictureLook Screen{TPictureStyle::Screen, false};
const TPictureLook Clean{TPictureStyle::Clean, false};
const TPictureLook CleanWithLevels{TPictureStyle::Clean, true};

// The half adder with a gate of its own beside it, whose open terminals the editing look circles.
void LoadHalfAdder(TestCircuit& t)
{
    TPartsList loaded;
    LoadParts(ReadCircuitFile(VOLTRANE_TEST_DATA "/half_adder.lgc"), loaded, t.Bord, nullptr, nullptr);
    t.Place<TGate>(220, 180);
    t.Bord.CheckAllLinks();
}

struct TPixels {
    int Olive = 0, Red = 0, Coloured = 0, Dark = 0, Total = 0;
};

TPixels Count(const QImage& picture)
{
    const QImage image = picture.convertToFormat(QImage::Format_RGB32);
    TPixels n;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QRgb p = image.pixel(x, y);
            ++n.Total;
            n.Olive += p == qRgb(clOlive.R, clOlive.G, clOlive.B);
            n.Red += p == qRgb(255, 0, 0);
            n.Coloured += qRed(p) != qGreen(p) || qGreen(p) != qBlue(p);
            n.Dark += qGray(p) < 128;
        }
    return n;
}

QImage Png(const std::string& bytes) { return QImage::fromData(QByteArray::fromStdString(bytes), "PNG"); }

// Everything a run or a file reads of the board: its circuit text, every terminal's level and what
// every lamp holds and last showed.
std::string StateOf(const TBord& board)
{
    std::ostringstream state;
    TPartsList all;
    board.CopyParts(all);
    TStrings lines;
    SaveParts(all, lines);
    for (const std::string& line : lines) state << line << '\n';
    for (int i = 0; i < board.Count(); ++i) {
        const TPartsBase* o = board.Items(i);
        state << o->ClassName();
        for (int k = 0; k < o->Tanshis.Count(); ++k) state << ' ' << int32_t{o->Tanshis.Items(k)->Level};
        if (const auto* lamp = dynamic_cast<const TLED*>(o))
            state << " lamp " << lamp->ShownLevel << lamp->ShowsLit << lamp->DrawnLit << lamp->AskedLevel
                  << lamp->Countdown;
        state << '\n';
    }
    return state.str();
}

TEST(PictureLook, ACleanPictureIsBlackOnWhiteWithoutGridDotsOrOpenTerminalCircles)
{
    TestCircuit t;
    LoadHalfAdder(t);
    const TRect area = BoardPictureRect(t.Bord);
    for (const double scale : {1.0, 2.0}) {
        SCOPED_TRACE(scale);
        const TPixels editing = Count(Png(BoardPng(t.Bord, area, scale, Screen)));
        EXPECT_GT(editing.Olive, 100);
        EXPECT_GT(editing.Red, 10);

        const QImage cleanImage = Png(BoardPng(t.Bord, area, scale, Clean));
        ASSERT_FALSE(cleanImage.isNull());
        EXPECT_EQ(cleanImage.size(), Png(BoardPng(t.Bord, area, scale, Screen)).size());
        const TPixels clean = Count(cleanImage);
        EXPECT_EQ(clean.Olive, 0);
        EXPECT_EQ(clean.Red, 0);
        EXPECT_EQ(clean.Coloured, 0);
        // The wires, gates, switches and lamps are all there, in black.
        EXPECT_GT(clean.Dark, scale * scale * 600);
        EXPECT_LT(clean.Dark, clean.Total / 10);
    }
    const QImage svg = Rendered(BoardSvg(t.Bord, area, Clean), {area.Right, area.Bottom});
    const TPixels vector = Count(svg);
    EXPECT_EQ(vector.Olive + vector.Red + vector.Coloured, 0);
    EXPECT_GT(vector.Dark, 600);
}

TEST(PictureLook, PaintingAPictureLeavesTheLookAndEveryPartAsTheyWere)
{
    TestCircuit t;
    LoadHalfAdder(t);
    t.Prepare();
    t.Context.Simulating = true;
    auto* first = dynamic_cast<TTglSW*>(t.Bord.Items(0));
    ASSERT_NE(first, nullptr);
    first->MouseDown(TMouseButton::Left, ssLeft, 0, 0);
    first->MouseUp(TMouseButton::Left, ssLeft, 0, 0);
    for (int pass = 0; pass < 5; ++pass) t.Pass();
    t.Context.Look = {TColourSchemeId::ColourBlind, true, true, true, true};

    const std::string before = StateOf(t.Bord);
    const TRect area = BoardPictureRect(t.Bord);
    for (const TPictureLook& look : {Screen, Clean, CleanWithLevels}) {
        SCOPED_TRACE(look.Clean() + 2 * look.Levels);
        EXPECT_FALSE(BoardPng(t.Bord, area, 2, look).empty());
        EXPECT_FALSE(BoardSvg(t.Bord, area, look).empty());
        EXPECT_TRUE(BoardPdf(t.Bord, area, "half_adder.lgc", look).starts_with("%PDF-"));
        EXPECT_EQ(StateOf(t.Bord), before);
        EXPECT_EQ(t.Context.Look.Scheme, TColourSchemeId::ColourBlind);
        EXPECT_TRUE(t.Context.Look.GridDots && t.Context.Look.OpenTerminals && t.Context.Look.LevelTags);
        EXPECT_TRUE(t.Context.Simulating);
        EXPECT_EQ(t.Bord.GetCanvas(), &t.Surface);
    }
}

}  // namespace
