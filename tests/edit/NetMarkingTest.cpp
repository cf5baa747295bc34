#include "GestureFixture.h"
#include "NetLevels.h"
#include "NetMarking.h"
#include "NetTexts.h"
#include "PassEngine.h"

namespace {

// Two toggle switches tied to one wire, the second joining it below, and an inverter fed from it.
struct TiedSwitches : GestureDriver {
    TPartsBase* upper = t.Place<TTglSW>(100, 100);  // output (120,110)
    TPartsBase* lower = t.Place<TTglSW>(100, 140);  // output (120,150)
    TPartsBase* inverter = t.Place<TNot>(200, 90);  // input (200,110)
    TCode* joining = AddWire(t, 120, 110, 120, 150);
    TCode* feeding = AddWire(t, 120, 110, 200, 110);
    TCode* apart = AddWire(t, 300, 300, 340, 300);
};

// Marks while editing: where the second output joins, and the net a click with the select tool
// picks, through both wires, until the next click or an edit.
TEST(NetMarking, TheSecondOutputIsMarkedAndAClickPicksTheWholeNet)
{
    TiedSwitches d;
    TNetMarks& marks = d.t.Context.Marks;
    RefreshNetMarks(d.t.Bord);
    EXPECT_EQ(marks.SecondDrivers, (std::vector<TPoint>{{120, 150}}));

    d.Click(160, 110);
    EXPECT_EQ(marks.Picked, (std::unordered_set<const TPartsBase*>{d.joining, d.feeding}));
    EXPECT_TRUE(marks.PickedTerminals.contains(d.inverter->Tanshis.Items(0)));
    EXPECT_TRUE(marks.PickedTerminals.contains(d.lower->Tanshis.Items(0)));
    d.Click(500, 500);
    EXPECT_TRUE(marks.Picked.empty());
    d.Click(320, 300);
    EXPECT_EQ(marks.Picked, (std::unordered_set<const TPartsBase*>{d.apart}));
    d.host.Tool = TTool::Delete;
    d.Click(100, 500);
    EXPECT_TRUE(marks.Picked.empty());

    // Taking the lower switch away leaves one output on the net: no mark, nothing picked.
    d.host.Tool = TTool::Select;
    d.Click(160, 110);
    d.t.Bord.Destroy(d.lower);
    RefreshNetMarks(d.t.Bord);
    EXPECT_TRUE(marks.SecondDrivers.empty());
    EXPECT_TRUE(marks.Picked.empty());
}

// What the run says of the tied switches: the status bar names both while they differ, the tool
// tip names the level and the output.
TEST(NetMarking, TheRunNamesTheDriversOfAWireInConflict)
{
    TiedSwitches d;
    d.t.Prepare();
    TPassEngine engine(d.t.Bord, TEngineMode::Auto);
    engine.Pass();
    TNetLevels levels(d.t.Bord);
    const uint32_t net = levels.Map().NetOf(*d.feeding);
    EXPECT_EQ(ConflictText(d.t.Bord, levels), "");
    EXPECT_EQ(NetTip(d.t.Bord, levels, net), "0（TTglSW1 の出力から）");
    EXPECT_EQ(NetTip(d.t.Bord, levels, levels.Map().NetOf(*d.apart)), "0（駆動する出力はありません）");

    d.upper->Tanshis.Items(0)->Level = LevelHigh;
    levels.Update();
    EXPECT_EQ(ConflictText(d.t.Bord, levels), "TTglSW0とTTglSW1 が1本の配線を異なるレベルで駆動しています");
    EXPECT_EQ(NetTip(d.t.Bord, levels, net), "衝突: TTglSW0とTTglSW1 が異なるレベルで駆動しています");
    EXPECT_EQ(NetTip(d.t.Bord, levels, levels.Map().NetOf(*d.inverter->Tanshis.Items(1))), "1（TNot2 の出力から）");
}

}  // namespace
