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

namespace {

std::string SaveText(const TBord& board)
{
    TPartsList all;
    board.CopyParts(all);
    TStrings lines;
    SaveParts(all, lines);
    std::string text;
    for (const std::string& line : lines) text += line + "\n";
    return text;
}

// A short wire leaving the terminal straight away from the part's middle.
void WireAt(TestCircuit& t, const TPartsBase& part, int i)
{
    const TPoint p = Pin(&part, i);
    const int cx = part.Left + part.Width / 2, cy = part.Top + part.Height / 2;
    const bool sideways = std::abs(p.x - cx) * part.Height >= std::abs(p.y - cy) * part.Width;
    const int dx = sideways ? (p.x < cx ? -30 : 30) : 0, dy = sideways ? 0 : (p.y < cy ? -30 : 30);
    AddWire(t, p.x, p.y, p.x + dx, p.y + dy);
}

// The links as they stand, and as a full link pass of the board finds them.
void ExpectLinksCurrent(GestureDriver& d, const char* when)
{
    const std::vector<std::string> kept = Wiring(d.t.Bord);
    d.t.Bord.CheckAllLinks();
    EXPECT_EQ(kept, Wiring(d.t.Bord)) << when;
}

struct TChangeCase {
    const char* Name;
    std::function<TPartsBase*(TestCircuit&)> Place;
    std::function<void(TEditSession&)> Change;
};

TEST(PartMenuChanges, EveryChangeUndoneAndRedoneKeepsTerminalsAndWiresLinked)
{
    const auto fixed = [](int v) { return [v](const std::string&, int) { return std::optional<int>(v); }; };
    const std::vector<TChangeCase> cases = {
        {"input count", [](TestCircuit& t) { return t.Place<TGate>(100, 100, 1); },
         [](TEditSession& s) { SetPopupInputCount(s, 24); }},
        {"polarity", [](TestCircuit& t) { return t.Place<TGate>(100, 100, 8); }, SwitchPopupPolarity},
        {"inverter polarity", [](TestCircuit& t) { return t.Place<TNot>(100, 100, 0); }, SwitchPopupPolarity},
        {"display type", [](TestCircuit& t) { return t.Place<TLED7SEG>(100, 100, 0); },
         [](TEditSession& s) { SetPopupLed7SegType(s, 1); }},
        {"colour", [](TestCircuit& t) { return t.Place<TLED>(100, 100, 0); },
         [](TEditSession& s) { SetPopupLedColor(s, 2); }},
        {"afterglow", [](TestCircuit& t) { return t.Place<TMatrix8X8>(100, 100); },
         [fixed](TEditSession& s) { ChangePopupCount(s, TCountSetting::Afterglow, fixed(5)); }},
        {"interval", [](TestCircuit& t) { return t.Place<TPulser>(100, 100); },
         [fixed](TEditSession& s) { ChangePopupCount(s, TCountSetting::PulseInterval, fixed(50)); }},
        {"trigger edge", [](TestCircuit& t) { return t.Place<TOneShot>(100, 100); },
         [](TEditSession& s) { SetPopupTriggerEdge(s, 1); }},
        {"pulse width", [](TestCircuit& t) { return t.Place<TOneShot>(100, 100); },
         [fixed](TEditSession& s) { ChangePopupCount(s, TCountSetting::PulseWidth, fixed(1)); }},
        {"font size",
         [](TestCircuit& t) {
             auto* box = t.Place<TTextBox>(100, 100);
             box->SetCommaText("AB");
             // Measured at its size, as a box read from a file is.
             box->SetFontSize(10);
             box->SetFontSize(12);
             return box;
         },
         [](TEditSession& s) { SetPopupFontSize(s, 36); }},
        {"rotate", [](TestCircuit& t) { return t.Place<TGate>(100, 100, 0, 3); }, RotatePopupPart},
    };
    for (const TChangeCase& c : cases) {
        SCOPED_TRACE(c.Name);
        GestureDriver d;
        TPartsBase* part = c.Place(d.t);
        // A wire ends at every terminal.
        for (int i = 0; i < part->Tanshis.Count(); ++i) WireAt(d.t, *part, i);
        d.t.Bord.CheckAllLinks();
        const std::string before = SaveText(d.t.Bord);
        d.st.PopupPart = part;
        c.Change(d.s);
        const std::string after = SaveText(d.t.Bord);
        EXPECT_NE(after, before);
        ExpectLinksCurrent(d, "changed");
        UndoEdit(d.s);
        EXPECT_EQ(SaveText(d.t.Bord), before);
        ExpectLinksCurrent(d, "undone");
        RedoEdit(d.s);
        EXPECT_EQ(SaveText(d.t.Bord), after);
        ExpectLinksCurrent(d, "redone");
    }
}

}  // namespace
