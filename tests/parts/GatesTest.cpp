#include "PartU.h"
#include "TestCircuit.h"

#include <gtest/gtest.h>

namespace {

struct GateCase {
    int partNo;
    std::vector<int> inputs;
    int output;
};

int GateOutput(const GateCase& c)
{
    TestCircuit t;
    auto* gate = t.Place<TGate>(0, 0, c.partNo);
    for (size_t i = 0; i < c.inputs.size(); ++i) gate->Tanshis.Items(static_cast<int>(i))->Level = c.inputs[i];
    gate->Calc();
    return gate->Tanshis.Items(static_cast<int>(c.inputs.size()))->Level;
}

TEST(Gate, TruthTables)
{
    // clang-format off
    const std::vector<GateCase> cases = {
        // partNo  inputs            output
        {0,  {0, 0},              5}, {0,  {5, 0}, 5}, {0, {5, 5}, 0},          // NAND
        {1,  {5, 5},              0}, {1,  {0, 5}, 5},                          // NAND, negative form
        {2,  {0, 0},              5}, {2,  {0, 5}, 0}, {3, {5, 5}, 0},          // NOR
        {4,  {5, 5},              5}, {4,  {5, 0}, 0}, {4, {0, 0}, 0},          // AND
        {5,  {0, 0},              0}, {5,  {0, 5}, 5},                          // OR
        {6,  {0, 0},              0}, {6,  {5, 0}, 5}, {6, {5, 5}, 0},          // EOR
        {7,  {0, 0},              5}, {7,  {0, 5}, 0}, {7, {5, 5}, 5},          // ENOR
        {8,  {5, 5, 5},           0}, {8,  {5, 5, 0}, 5},                       // 3-input NAND
        {14, {5, 5, 0},           5}, {14, {5, 5, 5}, 0}, {14, {0, 0, 0}, 0},   // 3-input EOR: not parity
        {15, {5, 0, 5},           0}, {15, {5, 5, 5}, 5},                       // 3-input ENOR
        {20, {0, 0, 0, 5},        0}, {20, {5, 5, 5, 5}, 5},                    // 4-input AND
        {21, {0, 0, 0, 5},        5}, {21, {0, 0, 0, 0}, 0},                    // 4-input OR
        {30, {5, 5, 5, 5, 5},     0}, {30, {0, 5, 5, 5, 5}, 5},                 // 5-input EOR
        {31, {0, 0, 0, 0, 0},     5}, {31, {0, 0, 5, 0, 0}, 0},                 // 5-input ENOR
        {18, {0, 0, 0, 0},        5}, {27, {0, 0, 0, 0, 5}, 0},                 // 4- and 5-input NOR
        {16, {5, 5, 5, 5},        0}, {25, {5, 5, 5, 5, 0}, 5},                 // 4- and 5-input NAND
    };
    // clang-format on
    for (const auto& c : cases) EXPECT_EQ(GateOutput(c), c.output) << "PartNo " << c.partNo;
}

TEST(Gate, LevelsOtherThanLowAndHighFollowTheComparisons)
{
    EXPECT_EQ(GateOutput({4, {3, 5}, 0}), 0);  // AND wants every input exactly 5
    EXPECT_EQ(GateOutput({6, {3, 3}, 0}), 5);  // EOR: some input is not 0 and some is not 5
}

TEST(Gate, TerminalsFollowInputCountAndWay)
{
    TestCircuit t;
    auto* gate = t.Place<TGate>(0, 0, 0);
    auto positions = [&] {
        std::vector<std::pair<int, int>> p;
        for (const TTanshi* k : gate->Tanshis) p.emplace_back(k->X, k->Y);
        return p;
    };
    using P = std::vector<std::pair<int, int>>;
    EXPECT_EQ(positions(), (P{{0, 10}, {0, 30}, {40, 20}}));
    gate->SetWay(1);
    EXPECT_EQ(positions(), (P{{30, 0}, {10, 0}, {20, 40}}));
    gate->SetWay(2);
    EXPECT_EQ(positions(), (P{{40, 30}, {40, 10}, {0, 20}}));
    gate->SetWay(3);
    EXPECT_EQ(positions(), (P{{10, 40}, {30, 40}, {20, 0}}));

    gate->PartNo = 8;
    gate->SetWay(0);
    gate->SetWay(1);
    EXPECT_EQ(positions(), (P{{10, 0}, {20, 0}, {30, 0}, {20, 40}}));
    gate->SetWay(3);
    EXPECT_EQ(positions(), (P{{10, 40}, {20, 40}, {30, 40}, {20, 0}}));

    gate->PartNo = 16;
    gate->SetWay(0);
    EXPECT_EQ(positions(), (P{{0, 0}, {0, 40}, {0, 10}, {0, 30}, {40, 20}}));
    gate->SetWay(1);
    EXPECT_EQ(positions(), (P{{0, 0}, {40, 0}, {10, 0}, {30, 0}, {20, 40}}));
    gate->SetWay(2);
    EXPECT_EQ(positions(), (P{{40, 40}, {40, 0}, {40, 30}, {40, 10}, {0, 20}}));

    gate->PartNo = 24;
    gate->SetWay(3);
    EXPECT_EQ(positions(), (P{{0, 40}, {40, 40}, {10, 40}, {20, 40}, {30, 40}, {20, 0}}));
}

TEST(Gate, OutOfRangePartNoOrWayHasNoTerminalsAndDoesNothing)
{
    for (int partNo : {32, -1, 1000}) {
        TestCircuit t;
        auto* gate = t.Place<TGate>(0, 0, partNo);
        EXPECT_EQ(gate->Tanshis.Count(), 0);
        gate->Calc();
    }
    TestCircuit t;
    auto* gate = t.Place<TGate>(0, 0, 0);
    gate->SetWay(5);
    EXPECT_EQ(gate->Tanshis.Count(), 0);
    gate->Calc();
    auto* inverter = t.Place<TNot>(100, 0, 7);
    EXPECT_EQ(inverter->Tanshis.Count(), 0);
    inverter->Calc();
}

TEST(Gate, DrawsItsSpriteAndTheBubblesOfNegativeFourAndFiveInputGates)
{
    RecordingCanvas surface;
    TCircuit circuit(&surface);
    auto* gate = circuit.Bord.Create<TGate>(nullptr);
    gate->PartNo = 16;
    gate->SetTanshi();
    gate->MoveTo(100, 200, false);
    gate->Draw();
    EXPECT_EQ(surface.Calls, (std::vector<std::string>{"Sprite 2 0 100 200"}));

    surface.Calls.clear();
    gate->PartNo = 17;
    gate->SetTanshi();
    gate->Draw();
    // Corner inputs at (0,0) and (0,40) moved 7 pixels inwards: circles round (107,200) and (107,240).
    EXPECT_EQ(surface.Calls, (std::vector<std::string>{"Sprite 2 4 100 200", "PenColor 0,0,0", "BrushStyle Clear",
                                                       "Ellipse 104 197 111 204", "Ellipse 104 237 111 244"}));
    surface.Calls.clear();
    gate->SetWay(2);
    gate->Draw();
    EXPECT_TRUE(surface.Has("Sprite 2 6 100 200"));
    EXPECT_TRUE(surface.Has("Ellipse 130 237 137 244"));  // (40,40) moved to (33,40)

    auto* inverter = circuit.Bord.Create<TNot>(nullptr);
    inverter->PartNo = 1;
    inverter->SetWay(3);
    inverter->MoveTo(0, 0, false);
    surface.Calls.clear();
    inverter->Draw();
    EXPECT_EQ(surface.Calls, (std::vector<std::string>{"Sprite 4 7 0 0"}));
}

TEST(Not, InvertsAndHasItsTerminalsPerWay)
{
    TestCircuit t;
    auto* inverter = t.Place<TNot>(0, 0);
    inverter->Calc();
    EXPECT_EQ(inverter->Tanshis.Items(1)->Level, 5);
    inverter->Tanshis.Items(0)->Level = 5;
    inverter->Calc();
    EXPECT_EQ(inverter->Tanshis.Items(1)->Level, 0);
    inverter->SetWay(3);
    EXPECT_EQ(inverter->GetTanshiPos(0), (TPoint{20, 40}));
    EXPECT_EQ(inverter->GetTanshiPos(1), (TPoint{20, 0}));
}

}  // namespace

TEST(Gate, APartNoSetWithoutRebuiltTerminalsComputesNothingUntilTheRebuild)
{
    TestCircuit t;
    auto* gate = t.Place<TGate>(0, 0, 0);
    gate->PartNo = 24;  // five inputs, but the two-input terminals are still in place
    gate->Calc();
    EXPECT_EQ(gate->Tanshis.Items(2)->Level, LevelLow);
    gate->SetTanshi();
    gate->Calc();
    EXPECT_EQ(gate->Tanshis.Items(5)->Level, LevelHigh);
}
