#include "PartU.h"
#include "RecordingCanvas.h"
#include "TestCircuit.h"

#include <gtest/gtest.h>

namespace {

// The lines LoadFromStrings gets: a saved block without its class line.
TStrings Block(const TPartsBase& part)
{
    TStrings lines;
    part.SaveToStrings(lines);
    lines.erase(lines.begin());
    return lines;
}

TStrings Without(TStrings lines, const std::string& key)
{
    std::erase_if(lines, [&](const std::string& l) { return l.rfind(key + "=", 0) == 0; });
    return lines;
}

// Presses and releases reach every part under the pointer, as the editor routes them while simulating.
void PressAt(TBord& board, int x, int y)
{
    TPartsList hit;
    board.PartsAt(nullptr, x, y, hit);
    for (TPartsBase* p : hit) p->MouseDown(TMouseButton::Left, ssLeft, x, y);
}

void ReleaseAt(TBord& board, int x, int y)
{
    TPartsList hit;
    board.PartsAt(nullptr, x, y, hit);
    for (TPartsBase* p : hit) p->MouseUp(TMouseButton::Left, 0, x, y);
}

TEST(PushSW, HighWhileHeldAndReleasedOnlyOverIt)
{
    TestCircuit t;
    auto* sw = t.Place<TPushSW>(100, 100);
    PressAt(t.Bord, 110, 110);
    EXPECT_EQ(sw->OutputLevel(), 5);
    ReleaseAt(t.Bord, 300, 300);  // released away from it: the release never reaches it
    t.Pass();
    EXPECT_EQ(sw->OutputLevel(), 5);
    ReleaseAt(t.Bord, 105, 105);
    EXPECT_EQ(sw->OutputLevel(), 0);
}

TEST(Switches, DrawTheirStateOnBothSurfacesOnlyWhileSimulating)
{
    RecordingCanvas board, window;
    TCircuit circuit(&board);
    auto* push = circuit.Bord.Create<TPushSW>(&window);
    push->MoveTo(10, 20, false);
    auto* toggle = circuit.Bord.Create<TTglSW>(&window);
    toggle->MoveTo(40, 20, false);
    const std::vector<std::string> none;

    push->MouseDown(TMouseButton::Left, ssLeft, 0, 0);  // not simulating: the editing image
    EXPECT_EQ(board.Calls, (std::vector<std::string>{"Sprite 6 0 10 20"}));
    EXPECT_EQ(window.Calls, none);

    circuit.Context.Simulating = true;
    board.Calls.clear();
    push->Draw();
    EXPECT_EQ(board.Calls, (std::vector<std::string>{"Sprite 6 1 10 20"}));
    EXPECT_EQ(window.Calls, (std::vector<std::string>{"Sprite 6 1 10 20"}));

    board.Calls.clear();
    window.Calls.clear();
    toggle->MouseDown(TMouseButton::Left, ssLeft, 0, 0);
    EXPECT_EQ(toggle->OutputLevel(), 0);  // pressed: image 2, level unchanged
    EXPECT_EQ(window.Calls, (std::vector<std::string>{"Sprite 7 2 40 20"}));
    toggle->MouseUp(TMouseButton::Left, 0, 0, 0);
    EXPECT_EQ(toggle->OutputLevel(), 5);
    EXPECT_EQ(window.Calls.back(), "Sprite 7 1 40 20");
    toggle->MouseUp(TMouseButton::Left, 0, 0, 0);
    EXPECT_EQ(toggle->OutputLevel(), 0);
    EXPECT_EQ(board.Calls.back(), "Sprite 7 0 40 20");
}

TEST(Switches, OutputMovesWithWayAndAWayFromAFileOutsideTheFourGivesNone)
{
    TestCircuit t;
    auto* sw = t.Place<TTglSW>(0, 0, 0, 1);
    EXPECT_EQ(sw->GetTanshiPos(0), (TPoint{10, 20}));
    sw->SetWay(4);
    EXPECT_EQ(sw->Tanshis.Count(), 0);
    sw->MouseDown(TMouseButton::Left, ssLeft, 0, 0);
    sw->MouseUp(TMouseButton::Left, 0, 0, 0);
    EXPECT_EQ(sw->OutputLevel(), 0);
}

// The passes (counted from 1) in which the pulser's output changed.
std::vector<int> TogglePasses(int count, int passes)
{
    TestCircuit t;
    auto* pulser = t.Place<TPulser>(0, 0);
    pulser->Count = count;
    std::vector<int> toggles;
    int last = 0;
    for (int pass = 1; pass <= passes; ++pass) {
        t.Pass();
        const int level = pulser->Tanshis.Items(0)->Level;
        if (level != last) toggles.push_back(pass);
        last = level;
    }
    return toggles;
}

TEST(Pulser, TogglesEveryCountTimesTenPlusOnePasses)
{
    EXPECT_EQ(TogglePasses(1, 50), (std::vector<int>{11, 22, 33, 44}));
    EXPECT_EQ(TogglePasses(100, 3100), (std::vector<int>{1001, 2002, 3003}));
    EXPECT_EQ(TogglePasses(10, 210), (std::vector<int>{101, 202}));
}

TEST(Pulser, CountsFromAFileOfAnySizeBehave)
{
    EXPECT_EQ(TogglePasses(0, 4), (std::vector<int>{1, 2, 3, 4}));
    EXPECT_EQ(TogglePasses(-7, 3), (std::vector<int>{1, 2, 3}));
    EXPECT_TRUE(TogglePasses(INT32_MAX, 100).empty());
}

TEST(Pulser, StoresCountWithDefaultTen)
{
    TestCircuit t;
    auto* pulser = t.Place<TPulser>(0, 0, 0, 2);
    pulser->Count = 37;
    TStrings lines;
    pulser->SaveToStrings(lines);
    EXPECT_EQ(lines.front(), "ClassName=TPulser");
    EXPECT_EQ(lines.back(), "Count=37");

    auto* copy = t.Bord.Create<TPulser>(nullptr);
    copy->LoadFromStrings(Block(*pulser));
    EXPECT_EQ(copy->Count, 37);
    EXPECT_EQ(copy->GetTanshiPos(0), (TPoint{0, 20}));
    copy->LoadFromStrings(Without(Block(*pulser), "Count"));
    EXPECT_EQ(copy->Count, 10);
    TStrings letters = Without(Block(*pulser), "Count");
    letters.push_back("count=ten");
    copy->LoadFromStrings(letters);
    EXPECT_EQ(copy->Count, 10);

    EXPECT_EQ(GetPropText(*copy, "Count"), "10");
    SetPropText(*copy, "count", "55");
    EXPECT_EQ(copy->Count, 55);
    EXPECT_TRUE(t.Messages.Shown.empty());
}

// A one-shot driving an inverter's input, fed pass by pass with the input levels given.
struct OneShotRig {
    TestCircuit t;
    TOneShot* shot = t.Place<TOneShot>(0, 0);
    TNot* load = t.Place<TNot>(40, 0);

    explicit OneShotRig(int partNo, int pulseWidth)
    {
        shot->PartNo = partNo;
        shot->PulseWidth = pulseWidth;
        t.Bord.SetConnectTanshi();
        t.Bord.ResolveNets();
    }

    // One character per pass: the input level fed ('0' or '5') in, the level the load sees out.
    std::string Run(const std::string& input)
    {
        std::string seen;
        for (char level : input) {
            shot->Tanshis.Items(0)->Level = level - '0';
            t.Pass();
            seen += static_cast<char>('0' + load->Tanshis.Items(0)->Level);
        }
        return seen;
    }
};

TEST(OneShot, PulseOfPulseWidthTimesTenPassesAfterARise)
{
    OneShotRig rig(0, 1);
    // pass:        12345678901234567890
    EXPECT_EQ(rig.Run("00555555555555555555"),
                      "00055555555550000000");
    // A second pulse needs the input to fall first.
    EXPECT_EQ(rig.Run("55500555"),
                      "00000055");
}

TEST(OneShot, AnInputHighForOnePassGivesNoPulse)
{
    OneShotRig rig(0, 1);
    EXPECT_EQ(rig.Run("005000000"),
                      "000000000");
    EXPECT_EQ(rig.Run("0550000000000000"),  // two passes are enough, and the pulse runs its length
                      "0055555555550000");
}

TEST(OneShot, FallingEdgeModeIsTheMirrorImage)
{
    OneShotRig rig(1, 1);
    EXPECT_EQ(rig.Run("55500000000000000"),
                      "00005555555555000");
}

TEST(OneShot, OtherPartNoDoesNothingAndWidthsFromAFileStayDefined)
{
    OneShotRig idle(2, 1);
    EXPECT_EQ(idle.Run("00555"), "00000");

    OneShotRig zero(0, 0);  // a width of 0 still ends: the pulse lasts one pass
    EXPECT_EQ(zero.Run("0555500555"),
                       "0050000050");
    OneShotRig negative(0, -3);
    EXPECT_EQ(negative.Run("0555500555"),
                           "0050000050");
    OneShotRig huge(0, INT32_MAX);
    EXPECT_EQ(huge.Run("055555"), "005555");
    EXPECT_EQ(huge.shot->Countdown, int64_t{INT32_MAX} * 10 - 3);
}

TEST(OneShot, StoresPulseWidthWithDefaultTenAndKeepsItsPinsForEveryWay)
{
    TestCircuit t;
    auto* shot = t.Place<TOneShot>(0, 0, 1);
    EXPECT_EQ(shot->WayCount, 0);
    shot->PulseWidth = 4;
    TStrings lines;
    shot->SaveToStrings(lines);
    EXPECT_EQ(lines.back(), "PulseWidth=4");
    auto* copy = t.Bord.Create<TOneShot>(nullptr);
    TStrings block = Without(Block(*shot), "PulseWidth");
    std::replace(block.begin(), block.end(), std::string("Way=0"), std::string("Way=3"));
    copy->LoadFromStrings(block);
    EXPECT_EQ(copy->PulseWidth, 10);
    EXPECT_EQ(copy->PartNo, 1);
    EXPECT_EQ(copy->GetTanshiPos(0), (TPoint{0, 20}));
    EXPECT_EQ(copy->GetTanshiPos(1), (TPoint{40, 20}));
    SetPropText(*copy, "PulseWidth", "x");
    EXPECT_EQ(GetPropText(*copy, "PULSEWIDTH"), "0");
}

TEST(InputDevices, DrawTheirSpritesWithinTheLists)
{
    RecordingCanvas surface;
    TCircuit circuit(&surface);
    auto* pulser = circuit.Bord.Create<TPulser>(nullptr);
    pulser->SetWay(3);
    pulser->Draw();
    auto* shot = circuit.Bord.Create<TOneShot>(nullptr);
    shot->PartNo = 1;
    shot->Draw();
    EXPECT_EQ(surface.Calls, (std::vector<std::string>{"Sprite 8 3 0 0", "Sprite 9 1 0 0"}));
    surface.Calls.clear();
    pulser->SetWay(4);  // images 4..7 belong to the full adder
    pulser->Draw();
    shot->PartNo = 2;
    shot->Draw();
    EXPECT_TRUE(surface.Calls.empty());
}

}  // namespace
