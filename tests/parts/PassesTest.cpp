#include "PartU.h"
#include "TestCircuit.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

int32_t Out(const TPartsBase* part) { return part->Tanshis.Items(part->Tanshis.Count() - 1)->Level; }

TEST(Passes, EveryGateAddsOnePassOfDelayWhateverTheListOrder)
{
    for (bool reversed : {false, true}) {
        TestCircuit t;
        const int length = 6;
        std::vector<TNot*> chain;
        for (int i = 0; i < length; ++i) {
            const int slot = reversed ? length - 1 - i : i;
            chain.push_back(t.Place<TNot>(slot * 40, 0));
        }
        if (reversed) std::reverse(chain.begin(), chain.end());
        t.Prepare();
        for (int i = 0; i < length; ++i) t.Pass();  // the settle leaves the last forced input just corrected
        const int32_t settled = Out(chain.back());
        chain.front()->Tanshis.Items(0)->Level = LevelHigh;  // the undriven first input, as a switch would
        for (int pass = 1; pass <= length; ++pass) {
            t.Pass();
            EXPECT_EQ(Out(chain.back()) != settled, pass == length) << "pass " << pass;
        }
    }
}

TEST(Passes, AnUndrivenInputReadsLowAfterTheSettle)
{
    TestCircuit t;
    auto* gate = t.Place<TGate>(0, 0, TGate::gkOr);
    t.Prepare();
    EXPECT_EQ(gate->Tanshis.Items(0)->Level, LevelLow);
    EXPECT_EQ(gate->Tanshis.Items(1)->Level, LevelLow);
    t.Pass();
    EXPECT_EQ(Out(gate), LevelLow);
}

TEST(Passes, SettleRunsTwoPassesPerInputTerminal)
{
    TestCircuit t;
    t.Place<TGate>(0, 0, 8);  // three inputs
    t.Place<TNot>(100, 0);                 // one input
    struct Counter : TPart {
        using TPart::TPart;
        const char* ClassName() const override { return "Counter"; }
        void Draw() override {}
        void SetTanshi() override {}
        void Calc() override { ++Calcs; }
        int Calcs = 0;
    };
    auto* counter = t.Bord.Create<Counter>(nullptr);
    t.Prepare();
    EXPECT_EQ(counter->Calcs, 2 * 4);
}

class CountingPump : public MessagePump {
public:
    CountingPump(TCircuitContext& context, int stopAfter) : context_(context), stopAfter_(stopAfter) {}
    void ProcessMessages() override
    {
        if (++Calls == stopAfter_) context_.Simulating = false;
    }
    int Calls = 0;

private:
    TCircuitContext& context_;
    int stopAfter_;
};

TEST(RunSimulation, RunsUntilStoppedAndRedrawsAtStartAndEnd)
{
    TestCircuit t;
    auto* inverter = t.Place<TNot>(0, 0);
    int redraws = 0;
    t.Context.Simulating = true;
    CountingPump pump(t.Context, 5);
    RunSimulation(t.Bord, pump, [&] { ++redraws; });
    EXPECT_EQ(pump.Calls, 5);
    EXPECT_EQ(redraws, 2);
    EXPECT_EQ(Out(inverter), LevelHigh);
}

TEST(RunSimulation, AnEmptyBoardRunsAndStops)
{
    TestCircuit t;
    t.Context.Simulating = true;
    CountingPump pump(t.Context, 1);
    RunSimulation(t.Bord, pump, nullptr);
    EXPECT_EQ(pump.Calls, 2);  // the first pass always has a second one after it
}

TEST(RunSimulation, ARotationDuringARunLeavesNoDanglingDrivenInput)
{
    TestCircuit t;
    t.Place<TNot>(0, 0);
    auto* sink = t.Place<TNot>(40, 0);
    t.Context.Simulating = true;
    struct RotatingPump : MessagePump {
        TestCircuit& t;
        TNot* sink;
        int calls = 0;
        RotatingPump(TestCircuit& c, TNot* s) : t(c), sink(s) {}
        void ProcessMessages() override
        {
            if (++calls == 2) sink->SetWay(1);  // the source still drives the old input terminal
            if (calls == 4) t.Context.Simulating = false;
        }
    } pump(t, sink);
    RunSimulation(t.Bord, pump, nullptr);  // ASan reports a use after free if the old terminal was freed
    EXPECT_EQ(pump.calls, 4);
}

}  // namespace
