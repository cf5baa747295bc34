#include "GestureFixture.h"
#include "PartMenus.h"

namespace {

struct PartMenus : GestureTest {
    // A right click on the part, as the window does before it opens the menu.
    template <class T>
    T* Popup(T* part)
    {
        Click(part->Left + 5, part->Top + 5, TMouseButton::Right);
        EXPECT_EQ(st.PopupPart, part);
        return part;
    }
    int Steps() { return t.Circuit.UndoQue().UndoCount; }
};

TEST_F(PartMenus, PolarityAndInputCountOfAThreeInputGate)
{
    auto* gate = Popup(t.Place<TGate>(100, 100, 10));
    const TPopupLook look = PopupLookOf(*gate, false);
    EXPECT_EQ(look.PolarityCaption, "負論理");
    EXPECT_EQ(look.InputCountChecked, 1);

    SwitchPopupPolarity(s);
    EXPECT_EQ(gate->PartNo, 11);
    EXPECT_THAT(Labels(), ::testing::ElementsAre("正論理・負論理切り替え"));
    EXPECT_EQ(PopupLookOf(*gate, false).PolarityCaption, "正論理");
    SwitchPopupPolarity(s);
    EXPECT_EQ(gate->PartNo, 10);

    SetPopupInputCount(s, 24);
    EXPECT_EQ(gate->PartNo, 26);
    EXPECT_EQ(gate->Tanshis.Count(), 6);
    EXPECT_THAT(Labels(), ::testing::ElementsAre("入力数変更"));
    SetPopupInputCount(s, 0);
    EXPECT_EQ(gate->PartNo, 2);
    EXPECT_EQ(gate->Tanshis.Count(), 3);
    EXPECT_TRUE(st.Modified);

    UndoEdit(s);
    EXPECT_EQ(gate->PartNo, 26);
    EXPECT_EQ(gate->Tanshis.Count(), 6);
    RedoEdit(s);
    EXPECT_EQ(gate->Tanshis.Count(), 3);
}

TEST_F(PartMenus, ValuesWithoutPartnerHideThePolarityItemAndRecordNothing)
{
    auto* gate = Popup(t.Place<TGate>(100, 100, 13));
    EXPECT_FALSE(PopupLookOf(*gate, false).GatePolarityVisible);
    const int steps = Steps();
    SwitchPopupPolarity(s);
    EXPECT_EQ(gate->PartNo, 13);
    EXPECT_EQ(Steps(), steps);
    // The switch still marks the document, as choosing it always did.
    EXPECT_TRUE(st.Modified);

    st.Modified = false;
    SetPopupInputCount(s, 8);
    EXPECT_EQ(Steps(), steps);
    EXPECT_FALSE(st.Modified);
    EXPECT_EQ(PopupLookOf(*t.Place<TGate>(200, 100, 40), false).InputCountChecked, -1);
}

TEST_F(PartMenus, SettingsThatLeaveTheDocumentUnmarkedOrUnchanged)
{
    auto* led = Popup(t.Place<TLED>(100, 100, 1));
    EXPECT_EQ(PopupLookOf(*led, false).LedColorChecked, 1);
    const int steps = Steps();
    SetPopupLedColor(s, 1);
    EXPECT_EQ(Steps(), steps);
    EXPECT_FALSE(st.Modified);
    SetPopupLedColor(s, 2);
    EXPECT_EQ(led->PartNo, 2);
    EXPECT_THAT(Labels(), ::testing::ElementsAre("LED Color"));
    EXPECT_TRUE(st.Modified);

    st.Modified = false;
    auto* seg = Popup(t.Place<TLED7SEG>(300, 100));
    SetPopupLed7SegType(s, 1);
    EXPECT_EQ(seg->PartNo, 1);
    EXPECT_EQ(PopupLookOf(*seg, false).Led7SegTypeChecked, 1);
    EXPECT_THAT(Labels(), ::testing::ElementsAre("７セグメントLEDタイプ変更"));
    auto* shot = Popup(t.Place<TOneShot>(100, 300));
    SetPopupTriggerEdge(s, 1);
    EXPECT_EQ(shot->PartNo, 1);
    EXPECT_THAT(Labels(), ::testing::ElementsAre("パルスタイミング：立ち下がり時"));
    EXPECT_FALSE(st.Modified);
}

TEST_F(PartMenus, CountDialogStartsInItsRangeAndACancelRecordsNothing)
{
    auto* pulser = Popup(t.Place<TPulser>(100, 100));
    pulser->Count = 500;
    int shown = 0;
    std::string caption;
    auto answer = [&](std::optional<int> value) {
        return [&, value](const std::string& c, int v) {
            caption = c;
            shown = v;
            return value;
        };
    };
    const int steps = Steps();
    ChangePopupCount(s, TCountSetting::PulseInterval, answer(std::nullopt));
    EXPECT_EQ(caption, "パルス発生間隔");
    EXPECT_EQ(shown, 100);
    EXPECT_EQ(Steps(), steps);
    ChangePopupCount(s, TCountSetting::PulseInterval, answer(100));
    EXPECT_EQ(pulser->Count, 100);
    EXPECT_THAT(Labels(), ::testing::ElementsAre("パルス発生間隔"));
    EXPECT_TRUE(st.Modified);

    // The item of another class does nothing to the part under the menu.
    ChangePopupCount(s, TCountSetting::PulseWidth, answer(7));
    EXPECT_EQ(caption, "パルス発生間隔");
    auto* led = Popup(t.Place<TLED>(300, 100));
    ChangePopupCount(s, TCountSetting::Afterglow, answer(3));
    EXPECT_EQ(led->ZanzoTime, 3);
    EXPECT_THAT(Labels(), ::testing::ElementsAre("残像時間"));
}

TEST_F(PartMenus, FontSizeAndADeletedPopupPart)
{
    auto* box = Popup(t.Place<TTextBox>(100, 100));
    SetPopupFontSize(s, 48);
    EXPECT_EQ(box->FontSize(), 48);
    EXPECT_EQ(PopupLookOf(*box, false).FontSizeChecked, 13);
    EXPECT_THAT(Labels(), ::testing::ElementsAre("Font Size"));

    auto* gate = Popup(t.Place<TGate>(300, 300, 0));
    st.SelectOnly(gate);
    DeleteSelection(s);
    const int steps = Steps();
    SwitchPopupPolarity(s);
    SetPopupInputCount(s, 8);
    EXPECT_EQ(Steps(), steps);
}

TEST_F(PartMenus, APulserWhileSimulatingCannotTurn)
{
    auto* pulser = t.Place<TPulser>(100, 100);
    EXPECT_FALSE(PopupLookOf(*pulser, true).RotateEnabled);
    EXPECT_TRUE(PopupLookOf(*pulser, false).RotateEnabled);
}

}  // namespace
