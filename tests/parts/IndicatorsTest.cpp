#include "PartU.h"
#include "RecordingWindows.h"
#include "TestCircuit.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

// A simulating circuit whose board and window surfaces and display images record their drawing.
struct DisplayRig {
    RecordingCanvas Board, Window;
    RecordingWindows Windows;
    TCircuit Circuit{&Board};

    DisplayRig()
    {
        Circuit.Context.Windows = &Windows;
        Circuit.Context.Simulating = true;
    }

    template <class T>
    T* Place(int x, int y, int partNo = 0)
    {
        T* part = Circuit.Bord.Create<T>(&Window);
        part->PartNo = partNo;
        part->SetTanshi();
        part->MoveTo(x, y, false);
        return part;
    }

    void Pass()
    {
        Circuit.Bord.CalcAll();
        Circuit.Bord.TickAll();
    }

    size_t BoardCalls(const std::string& call) const
    {
        return static_cast<size_t>(std::count(Board.Calls.begin(), Board.Calls.end(), call));
    }
};

// One character per pass: the LED's input level fed ('0' or '5') in, whether it shows lit ('#') out.
std::string RunLed(TLED* led, DisplayRig& rig, const std::string& input)
{
    std::string shown;
    for (char level : input) {
        led->Tanshis.Items(0)->Level = level - '0';
        rig.Pass();
        shown += led->ShowsLit ? '#' : '.';
    }
    return shown;
}

TEST(LED, LightsInTheTickOfTheNineteenthPassAfterTheRise)
{
    DisplayRig rig;
    auto* led = rig.Place<TLED>(0, 0);
    // pass:                  1234567890123456789012345
    EXPECT_EQ(RunLed(led, rig, "0055555555555555555555555"),
                               ".....................####");
}

TEST(LED, AnInputHighForFewerThanTwentyPassesNeverLights)
{
    DisplayRig rig;
    auto* led = rig.Place<TLED>(0, 0);
    EXPECT_EQ(RunLed(led, rig, "0555555555555555555500000000000000"),
                               "..................................");
    EXPECT_TRUE(rig.Board.Calls.empty());
}

TEST(LED, GoesDarkZanzoTimeTimesTenPassesAfterTheFall)
{
    DisplayRig rig;
    auto* led = rig.Place<TLED>(0, 0);
    led->ZanzoTime = 1;
    EXPECT_EQ(RunLed(led, rig, "555555555555555555555"),
                               "...................##");
    EXPECT_EQ(RunLed(led, rig, "000000000000"),
                               "#########...");
    // A low phase shorter than the afterglow leaves it lit.
    EXPECT_EQ(RunLed(led, rig, "5555555555555555555555000005555"),
                               "...................############");
}

TEST(LED, AfterglowTimesFromAFileOfAnySizeBehave)
{
    for (int zanzo : {0, -5}) {  // the lamp still goes dark, one pass after the fall
        DisplayRig rig;
        auto* led = rig.Place<TLED>(0, 0);
        led->ZanzoTime = zanzo;
        EXPECT_EQ(RunLed(led, rig, "555555555555555555555000"),
                                   "...................##...")
            << "ZanzoTime " << zanzo;
    }
    DisplayRig rig;
    auto* led = rig.Place<TLED>(0, 0);
    led->ZanzoTime = INT32_MAX;
    EXPECT_EQ(RunLed(led, rig, "5555555555555555555550000"),
                               "...................######");
    EXPECT_EQ(led->Countdown, int64_t{INT32_MAX} * 10 - 4);
}

TEST(LED, FedByTheDefaultPulserItLightsOnceAndNeverGoesDark)
{
    DisplayRig rig;
    // Listed first, the lamp's Tick sees the input its Calc saw in the same pass.
    auto* led = rig.Place<TLED>(40, 10);
    rig.Place<TPulser>(0, 0);  // its output on the lamp's input
    rig.Circuit.Bord.SetConnectTanshi();
    rig.Circuit.Bord.ResolveNets();
    int firstLit = 0, litPasses = 0;
    for (int pass = 1; pass <= 5000; ++pass) {
        rig.Pass();
        if (!firstLit && led->ShowsLit) firstLit = pass;
        litPasses += led->ShowsLit;
    }
    EXPECT_EQ(firstLit, 121);
    EXPECT_EQ(litPasses, 5000 - 120);
    EXPECT_EQ(rig.BoardCalls("Sprite 10 0 40 10"), 0u);
    EXPECT_GE(rig.BoardCalls("Sprite 10 1 40 10"), 1u);
}

TEST(LED, DrawsItsColourDarkWhileEditingAndOnBothSurfacesWhileSimulating)
{
    DisplayRig rig;
    auto* led = rig.Place<TLED>(5, 6, 2);
    led->ShownLevel = 5;
    led->ShowHeld();
    led->Draw();
    EXPECT_EQ(rig.Board.Calls, (std::vector<std::string>{"Sprite 10 5 5 6"}));
    EXPECT_EQ(rig.Window.Calls, (std::vector<std::string>{"Sprite 10 5 5 6"}));
    rig.Circuit.Context.Simulating = false;
    led->Draw();
    EXPECT_EQ(rig.Board.Calls.back(), "Sprite 10 4 5 6");
    EXPECT_EQ(rig.Window.Calls.size(), 1u);
    EXPECT_TRUE(led->ShowsLit);  // what the run showed last

    rig.Board.Calls.clear();
    for (int partNo : {3, -1, INT32_MAX}) {
        led->PartNo = partNo;
        led->Draw();
    }
    EXPECT_TRUE(rig.Board.Calls.empty());
}

// While the indicators show their inputs, the lamp is drawn in every pass as its input asks in
// that pass; the afterglow goes on underneath exactly as without, unseen.
TEST(LED, ShowingItsInputItIsDrawnFromTheInputAndTheAfterglowGoesOnUnseen)
{
    const std::string input = "0055500000555555555555555555555550000000000000000000";
    DisplayRig plain, watched;
    watched.Circuit.Context.IndicatorsShowInputs = true;
    auto* reference = plain.Place<TLED>(0, 0);
    auto* led = watched.Place<TLED>(0, 0);
    reference->ZanzoTime = led->ZanzoTime = 1;
    std::string drawn;
    const auto lastDrawnLit = [&] {
        for (auto c = watched.Board.Calls.rbegin(); c != watched.Board.Calls.rend(); ++c)
            if (c->starts_with("Sprite 10 ")) return *c == "Sprite 10 1 0 0";
        return false;
    };
    std::string shown;
    for (char level : input) {
        led->Tanshis.Items(0)->Level = level - '0';
        watched.Pass();
        drawn += lastDrawnLit() ? '#' : '.';
        shown += led->ShowsLit ? '#' : '.';
    }
    EXPECT_EQ(drawn, "..###.....#######################...................");
    EXPECT_EQ(shown, RunLed(reference, plain, input));
    EXPECT_EQ(led->ShownLevel, reference->ShownLevel);
    EXPECT_EQ(led->Countdown, reference->Countdown);
    EXPECT_EQ(watched.Window.Calls.back(), "Sprite 10 0 0 0");  // on both surfaces

    // A redraw draws what the indicators are set to show: here the afterglow has taken a rise
    // over that the input no longer asks for.
    led->Tanshis.Items(0)->Level = 5;
    watched.Pass();
    led->Tanshis.Items(0)->Level = 0;
    watched.Pass();
    watched.Circuit.Context.IndicatorsShowInputs = false;
    watched.Circuit.Bord.ShowAll();
    led->Draw();
    EXPECT_EQ(watched.Board.Calls.back(), "Sprite 10 1 0 0");
    EXPECT_TRUE(led->DrawnLit);
    watched.Circuit.Context.IndicatorsShowInputs = true;
    led->Draw();
    EXPECT_EQ(watched.Board.Calls.back(), "Sprite 10 0 0 0");
    EXPECT_FALSE(led->DrawnLit);
    EXPECT_TRUE(led->ShowsLit);
    // While editing it is dark whatever the setting.
    led->Tanshis.Items(0)->Level = 5;
    watched.Pass();
    watched.Circuit.Context.Simulating = false;
    led->Draw();
    EXPECT_EQ(watched.Board.Calls.back(), "Sprite 10 0 0 0");
}

// Painting shows what the lamp holds and records nothing: only a redraw of the board (ShowAll)
// makes the lamp show a level it has taken over before its countdown ends.
TEST(LED, PaintingRecordsNothingAndARedrawShowsWhatTheLampHolds)
{
    DisplayRig rig;
    auto* led = rig.Place<TLED>(0, 0);
    led->Tanshis.Items(0)->Level = 5;
    rig.Pass();
    ASSERT_EQ(led->ShownLevel, 5);
    led->Draw();
    EXPECT_FALSE(led->ShowsLit);
    EXPECT_EQ(rig.Board.Calls.back(), "Sprite 10 0 0 0");
    rig.Circuit.Bord.ShowAll();
    EXPECT_TRUE(led->ShowsLit);
    led->Draw();
    EXPECT_EQ(rig.Board.Calls.back(), "Sprite 10 1 0 0");
}

// Pass by pass, the level Calc reads and then the level Tick reads, as a lamp or dot placed before
// the part that drives it sees them: its Tick reads the level of the pass before.
struct TLateInput {
    std::string Calc, Tick;
};

// The input rises and stays high, but the Tick that ends the countdown reads the pass before,
// when it dipped: nothing is shown then, and one countdown later the lamp shows its input instead
// of resting dark for ever.
const TLateInput DipAtTheEnd{std::string(60, '5'), std::string(19, '5') + "0" + std::string(40, '5')};
const std::string ShownAfterDip = std::string(39, '.') + std::string(21, '#');

TEST(LED, ACountdownEndingOnAOnePassDipComesRoundToTheInputInsteadOfRestingDark)
{
    DisplayRig rig;
    auto* led = rig.Place<TLED>(0, 0);
    TTanshi& in = *led->Tanshis.Items(0);
    std::string shown;
    for (size_t p = 0; p < DipAtTheEnd.Calc.size(); ++p) {
        in.Level = DipAtTheEnd.Calc[p] - '0';
        led->Calc();
        in.Level = DipAtTheEnd.Tick[p] - '0';
        led->Tick();
        shown += led->ShowsLit ? '#' : '.';
        EXPECT_EQ(led->AtRest(), led->ShowsLit) << "pass " << p + 1;
    }
    EXPECT_EQ(shown, ShownAfterDip);
    EXPECT_EQ(led->ShownLevel, 5);
}

TEST(Matrix8X8, ADotWhoseCountdownEndsOnAOnePassDipComesRoundToItsLines)
{
    DisplayRig rig;
    auto* matrix = rig.Place<TMatrix8X8>(0, 0);
    for (TTanshi* t : matrix->Tanshis) {
        t->Linked = true;
        t->Level = 5;
    }
    // Row 2 is held low; column 5 falls, so dot (2, 5) wants to be lit.
    matrix->Tanshis.Items(2)->Level = 0;
    TTanshi& column = *matrix->Tanshis.Items(8 + 5);
    std::string shown;
    for (size_t p = 0; p < DipAtTheEnd.Calc.size(); ++p) {
        column.Level = DipAtTheEnd.Calc[p] == '5' ? 0 : 5;
        matrix->Calc();
        column.Level = DipAtTheEnd.Tick[p] == '5' ? 0 : 5;
        matrix->Tick();
        shown += matrix->LitDots == uint64_t{1} << (8 * 2 + 5) ? '#' : '.';
    }
    EXPECT_EQ(shown, ShownAfterDip);
    EXPECT_TRUE(matrix->AtRest());
}

TEST(LED, InputMovesWithWayAndZanzoTimeIsStoredWithDefaultHundred)
{
    TestCircuit t;
    auto* led = t.Place<TLED>(0, 0, 0, 2);
    EXPECT_EQ(led->GetTanshiPos(0), (TPoint{20, 10}));
    led->SetWay(9);
    EXPECT_EQ(led->Tanshis.Count(), 0);
    led->Calc();
    led->Tick();

    led->ZanzoTime = 7;
    TStrings lines;
    led->SaveToStrings(lines);
    EXPECT_EQ(lines.back(), "ZanzoTime=7");
    lines.erase(lines.begin());
    lines.back() = "ZanzoTime=";
    auto* copy = t.Bord.Create<TLED>(nullptr);
    copy->LoadFromStrings(lines);
    EXPECT_EQ(copy->ZanzoTime, 100);
    SetPropText(*copy, "zanzotime", "12");
    EXPECT_EQ(GetPropText(*copy, "ZanzoTime"), "12");
}

uint8_t Segments(const std::string& digits)
{
    uint8_t mask = 0;
    for (char d : digits) mask = static_cast<uint8_t>(mask | 1u << (d - '0'));
    return mask;
}

TEST(LED7SEG, NormalTypeFillsASegmentWhenItsInputChanges)
{
    DisplayRig rig;
    auto* display = rig.Place<TLED7SEG>(100, 50);
    RecordingCanvas& image = *rig.Windows.Images.at(0);
    EXPECT_EQ(image.Calls, (std::vector<std::string>{"Sprite 11 0 0 0", "BrushStyle Solid"}));
    image.Calls.clear();

    display->Tanshis.Items(3)->Level = 5;  // middle segment driven high: darkened
    display->Calc();
    EXPECT_EQ(display->LitSegments, 0);
    display->Tanshis.Items(3)->Level = 0;  // and low: lit
    display->Calc();
    EXPECT_EQ(display->LitSegments, Segments("3"));
    EXPECT_EQ(image.Calls, (std::vector<std::string>{"BrushColor 64,0,0", "FloodFill 16 24 0,0,0",
                                                     "BrushColor 255,0,0", "FloodFill 16 24 0,0,0"}));
    EXPECT_EQ(rig.Board.Calls, (std::vector<std::string>{"CopyRect 100 50 140 100 0 0 40 50",
                                                         "CopyRect 100 50 140 100 0 0 40 50"}));
    EXPECT_EQ(rig.Window.Calls.size(), 2u);
    display->Calc();  // nothing changed: nothing filled, nothing drawn
    EXPECT_EQ(rig.Board.Calls.size(), 2u);
}

TEST(LED7SEG, AfterTheSettleEverySegmentMatchesItsInput)
{
    DisplayRig rig;
    auto* display = rig.Place<TLED7SEG>(0, 0);
    TPassEngine(rig.Circuit.Bord, TEngineMode::Sparse).Settle();
    rig.Pass();
    EXPECT_EQ(display->LitSegments, 0xFF);  // undriven inputs read low and light their segments
}

TEST(LED7SEG, EncoderTypeShowsTheHexDigitOfItsCode)
{
    struct Row {
        int code;
        const char* lit;
    };
    DisplayRig rig;
    auto* display = rig.Place<TLED7SEG>(0, 0, TLED7SEG::dtEncoder);
    // clang-format off
    const Row rows[] = {
        {10, "012345"},  // A
        {11, "13456"},   // b
        {0,  "012456"},
        {8,  "0123456"},
        {15, "0134"},    // F
    };
    // clang-format on
    for (const Row& row : rows) {
        for (int bit = 0; bit < 4; ++bit) display->Tanshis.Items(bit)->Level = (row.code >> bit & 1) ? 5 : 0;
        display->Calc();
        EXPECT_EQ(display->LitSegments, Segments(row.lit)) << "code " << row.code;
        EXPECT_EQ(display->Code, row.code);
    }
}

TEST(LED7SEG, ChangingTheTypeKeepsWhatTheDisplayShows)
{
    DisplayRig rig;
    auto* display = rig.Place<TLED7SEG>(0, 0, TLED7SEG::dtEncoder);
    display->Tanshis.Items(0)->Level = 5;
    display->Calc();
    display->PartNo = TLED7SEG::dtNormal;
    display->SetTanshi();
    EXPECT_EQ(display->Tanshis.Count(), 8);
    EXPECT_EQ(display->LitSegments, Segments("25"));
    EXPECT_EQ(display->Code, 1);
}

TEST(LED7SEG, TerminalsPerTypeAndWayAndNoneForValuesFromAFileOutsideThem)
{
    TestCircuit t;
    auto* display = t.Place<TLED7SEG>(0, 0, TLED7SEG::dtEncoder, 1);
    using P = std::vector<std::pair<int, int>>;
    auto positions = [&] {
        P p;
        for (const TTanshi* k : display->Tanshis) p.emplace_back(k->X, k->Y);
        return p;
    };
    EXPECT_EQ(positions(), (P{{30, 0}, {20, 0}, {10, 0}, {0, 0}}));
    display->SetWay(3);
    EXPECT_EQ(positions(), (P{{30, 50}, {20, 50}, {10, 50}, {0, 50}}));
    display->SetWay(5);
    EXPECT_TRUE(positions().empty());
    display->Calc();
    display->PartNo = 0;
    display->SetTanshi();
    EXPECT_EQ(positions(), (P{{20, 0}, {10, 0}, {0, 10}, {0, 20}, {0, 30}, {0, 40}, {10, 50}, {20, 50}}));
    display->PartNo = 7;
    display->SetTanshi();
    EXPECT_TRUE(positions().empty());
    display->Calc();
    EXPECT_EQ(display->LitSegments, 0);
}

TEST(Matrix8X8, WithNothingConnectedNoDotLights)
{
    DisplayRig rig;
    auto* matrix = rig.Place<TMatrix8X8>(0, 0);
    rig.Circuit.Bord.SetConnectTanshi();
    rig.Circuit.Bord.ResolveNets();
    TPassEngine(rig.Circuit.Bord, TEngineMode::Sparse).Settle();
    for (int pass = 0; pass < 100; ++pass) rig.Pass();
    EXPECT_EQ(matrix->LitDots, 0u);
}

TEST(Matrix8X8, RowZeroAndColumnSevenLowLightTheTopRightDotAfterTwentyPasses)
{
    DisplayRig rig;
    auto* matrix = rig.Place<TMatrix8X8>(100, 100);
    auto* rowDriver = rig.Place<TGate>(60, 90, 4);  // AND gates with open inputs drive 0
    auto* columnDriver = rig.Place<TGate>(160, 190, 4);
    columnDriver->SetWay(3);
    rig.Circuit.Bord.CheckAllLinks();
    rig.Circuit.Bord.SetConnectTanshi();
    rig.Circuit.Bord.ResolveNets();
    ASSERT_TRUE(matrix->Tanshis.Items(0)->Linked);
    ASSERT_TRUE(matrix->Tanshis.Items(15)->Linked);
    (void)rowDriver;

    std::string shown;
    for (int pass = 1; pass <= 21; ++pass) {
        rig.Pass();
        shown += matrix->LitDots == (uint64_t{1} << 7) ? '#' : '.';
    }
    EXPECT_EQ(shown, "...................##");
    EXPECT_EQ(rig.Windows.Images.at(0)->Calls.back(), "FloodFill 80 10 0,0,0");
    EXPECT_EQ(rig.Board.Calls.back(), "CopyRect 100 100 190 190 0 0 90 90");
}

TEST(Matrix8X8, ADotGoesDarkZanzoTimeTimesTenPassesAfterItsLinesRise)
{
    DisplayRig rig;
    auto* matrix = rig.Place<TMatrix8X8>(0, 0);
    matrix->ZanzoTime = 2;
    for (TTanshi* t : matrix->Tanshis) t->Linked = true;  // every line driven, all low: every dot lit
    for (int pass = 0; pass < 20; ++pass) rig.Pass();
    ASSERT_EQ(matrix->LitDots, ~uint64_t{0});
    matrix->Tanshis.Items(2)->Level = 5;  // row 2 off
    for (int pass = 0; pass < 19; ++pass) rig.Pass();
    EXPECT_EQ(matrix->LitDots, ~uint64_t{0});
    rig.Pass();
    EXPECT_EQ(matrix->LitDots, ~(uint64_t{0xFF} << 16));
}

TEST(Matrix8X8, ShowingItsInputsTheDotsAreDrawnFromTheLinesAndTheAfterglowGoesOnUnseen)
{
    DisplayRig rig;
    rig.Circuit.Context.IndicatorsShowInputs = true;
    auto* matrix = rig.Place<TMatrix8X8>(0, 0);
    for (TTanshi* t : matrix->Tanshis) {
        t->Linked = true;
        t->Level = 5;  // every line high: every dot dark
    }
    rig.Pass();
    EXPECT_TRUE(rig.Board.Calls.empty());
    EXPECT_EQ(rig.Windows.Images.size(), 1u);  // no second picture until one is needed

    matrix->Tanshis.Items(2)->Level = 0;      // row 2
    matrix->Tanshis.Items(8 + 3)->Level = 0;  // column 3
    rig.Pass();
    const uint64_t dot = uint64_t{1} << (8 * 2 + 3);
    EXPECT_EQ(matrix->DrawnDots, dot);
    EXPECT_EQ(matrix->LitDots, 0u);
    ASSERT_EQ(rig.Windows.Images.size(), 2u);
    const auto& picture = rig.Windows.Images.at(1)->Calls;
    ASSERT_GE(picture.size(), 2u);
    EXPECT_EQ(picture[picture.size() - 2], "BrushColor 255,0,0");
    EXPECT_EQ(picture.back(), "FloodFill 40 30 0,0,0");
    EXPECT_EQ(rig.Board.Calls, (std::vector<std::string>{"CopyRect 0 0 90 90 0 0 90 90"}));
    EXPECT_EQ(rig.Window.Calls, rig.Board.Calls);

    for (int pass = 0; pass < 25; ++pass) rig.Pass();
    EXPECT_EQ(matrix->LitDots, dot);  // the afterglow, underneath
    EXPECT_EQ(rig.Board.Calls.size(), 2u);  // drawn once more, as its own countdown ended
    matrix->Tanshis.Items(2)->Level = 5;
    rig.Pass();
    EXPECT_EQ(matrix->DrawnDots, 0u);
    EXPECT_EQ(matrix->LitDots, dot);
    rig.Circuit.Context.IndicatorsShowInputs = false;
    matrix->Draw();
    EXPECT_EQ(matrix->DrawnDots, dot);
}

TEST(Matrix8X8, CreatedDarkWithItsInputsAndZanzoTimeKey)
{
    DisplayRig rig;
    auto* matrix = rig.Place<TMatrix8X8>(0, 0);
    const auto& calls = rig.Windows.Images.at(0)->Calls;
    EXPECT_EQ(calls.at(0), "Sprite 12 0 0 0");
    EXPECT_EQ(std::count(calls.begin(), calls.end(), "BrushColor 64,0,0"), 64);
    EXPECT_EQ(calls.back(), "FloodFill 80 80 0,0,0");
    matrix->SetWay(2);  // the lines stay where they are
    EXPECT_EQ(matrix->GetTanshiPos(15), (TPoint{80, 90}));

    TStrings lines;
    matrix->SaveToStrings(lines);
    EXPECT_EQ(lines.back(), "ZanzoTime=100");
    lines.erase(lines.begin());
    lines.pop_back();
    matrix->ZanzoTime = 3;
    matrix->LoadFromStrings(lines);
    EXPECT_EQ(matrix->ZanzoTime, 100);

    rig.Circuit.Context.Simulating = false;
    matrix->Draw();
    EXPECT_EQ(rig.Board.Calls.back(), "Sprite 12 0 0 0");
    EXPECT_TRUE(rig.Window.Calls.empty());
}

}  // namespace

// Pins ten pixels apart on a display's edge: open marks small enough that neighbours stay apart;
// a gate alone keeps the board's usual circle.
TEST(OpenMarks, DisplaysAndLampsDrawSmallCirclesThatDoNotTouchTheirNeighbours)
{
    DisplayRig rig;
    auto* display = rig.Place<TLED7SEG>(100, 100);
    auto* matrix = rig.Place<TMatrix8X8>(300, 100);
    auto* lamp = rig.Place<TLED>(100, 300);
    auto* gate = rig.Place<TGate>(300, 300);
    for (TPartsBase* part : std::initializer_list<TPartsBase*>{display, matrix, lamp}) {
        SCOPED_TRACE(part->ClassName());
        rig.Board.Calls.clear();
        part->DrawOpenTanshi();
        std::vector<std::string> expected{"PenColor 255,0,0", "BrushStyle Clear"};
        for (int i = 0; i < part->Tanshis.Count(); ++i) {
            const TPoint p = part->LocalToBoard(part->GetTanshiPos(i));
            expected.push_back("Ellipse " + std::to_string(p.x - 3) + " " + std::to_string(p.y - 3) + " " +
                               std::to_string(p.x + 3) + " " + std::to_string(p.y + 3));
        }
        EXPECT_EQ(rig.Board.Calls, expected);
    }
    rig.Board.Calls.clear();
    gate->DrawOpenTanshi();
    const TPoint in = gate->LocalToBoard(gate->GetTanshiPos(0));
    EXPECT_TRUE(rig.Board.Has("Ellipse " + std::to_string(in.x - 5) + " " + std::to_string(in.y - 5) + " " +
                              std::to_string(in.x + 5) + " " + std::to_string(in.y + 5)));
}
