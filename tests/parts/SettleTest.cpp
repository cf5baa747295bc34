// The settle that passes only what can change ends exactly where the settle of full passes does.
#include "ClassRegistry.h"
#include "PartU.h"
#include "TestCircuit.h"
#include "Wiring.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

namespace {

using Levels = std::vector<int64_t>;

Levels AllLevels(const TBord& board)
{
    Levels levels;
    for (int i = 0; i < board.Count(); ++i)
        for (const TTanshi* t : board.Items(i)->Tanshis) levels.push_back(t->Level);
    return levels;
}

// The levels of every terminal, then the inner state of every part that keeps one.
Levels LevelsAndStates(const TBord& board)
{
    Levels seen = AllLevels(board);
    auto add = [&](std::initializer_list<int64_t> values) { seen.insert(seen.end(), values.begin(), values.end()); };
    for (int i = 0; i < board.Count(); ++i) {
        const TPartsBase* o = board.Items(i);
        if (auto* led = dynamic_cast<const TLED*>(o)) add({led->ShownLevel, led->Countdown, led->ShowsLit});
        if (auto* shot = dynamic_cast<const TOneShot*>(o)) add({shot->EdgeLevel, shot->Countdown});
        if (auto* ff = dynamic_cast<const TMasterSlaveFF*>(o)) add({ff->QLevel, ff->MasterLevel});
        if (auto* decoder = dynamic_cast<const T2TO10*>(o)) add({decoder->LastCode, decoder->SettleCount});
        if (auto* pulser = dynamic_cast<const TPulser*>(o)) add({pulser->PassCount});
        if (auto* digit = dynamic_cast<const TLED7SEG*>(o)) {
            add({digit->Code, digit->LitSegments});
            seen.insert(seen.end(), digit->SegmentLevels.begin(), digit->SegmentLevels.end());
        }
        if (auto* matrix = dynamic_cast<const TMatrix8X8*>(o)) {
            add({static_cast<int64_t>(matrix->LitDots)});
            for (int r = 0; r < 8; ++r)
                for (int c = 0; c < 8; ++c) add({matrix->ShownLevel[r][c], matrix->Countdown[r][c]});
        }
    }
    return seen;
}

const std::vector<std::string> Combinational{"TGate",      "TNot",   "TTglSW", "TPushSW",
                                             "TFullAdder", "T10TO2", "T7SEG",  "TDFF"};
const std::vector<std::string> WithState{"TJKFF",   "TTFF",     "TLED",       "T2TO10",
                                         "TOneShot", "TPulser", "TLED7SEG", "TMatrix8X8"};

// Parts and wires on a 20-pixel grid, so that many terminals meet, some parts in a box with
// sub-board terminals; with stateful parts when asked.
void RandomBoard(TestCircuit& t, uint32_t seed, bool stateful)
{
    std::mt19937 random(seed);
    auto pick = [&](int low, int high) { return std::uniform_int_distribution<int>(low, high)(random); };
    TContainer* box = AddBox(t, 200, 200, 200, 200);
    for (int i = 0; i < 120; ++i) {
        const int x = 20 * pick(0, 12), y = 20 * pick(0, 12);
        const int roll = pick(0, 9);
        if (roll < 3) {
            AddWire(t, x, y, x + 20 * pick(-3, 3), y);
            AddWire(t, x, y, x, y + 20 * pick(-3, 3));
            continue;
        }
        std::string name = Combinational[static_cast<size_t>(pick(0, static_cast<int>(Combinational.size()) - 1))];
        if (stateful && roll < 5) name = WithState[static_cast<size_t>(pick(0, static_cast<int>(WithState.size()) - 1))];
        if (roll == 9) name = pick(0, 1) ? "TInTerminal" : "TOutTerminal";
        TPartsBase* part = FindPartClass(name)->Create(t.Bord, nullptr);
        if (name == "TGate") part->PartNo = pick(0, 33);  // 32 and 33 compute nothing
        if (part->WayCount > 1) part->SetWay(pick(0, part->WayCount - 1));
        part->Container = x >= 200 && y >= 200 ? box : nullptr;
        part->MoveTo(x, y, false);
    }
}

void Settle(TestCircuit& t, bool shortcut)
{
    t.Bord.SetSettleShortcut(shortcut);
    t.Bord.SetConnectTanshi();
    t.Bord.ResolveNets();
    t.Bord.ResetAndSettle();
}

// Levels and states right after the settle and through the passes that follow.
std::vector<Levels> SettleAndRun(uint32_t seed, bool stateful, bool shortcut)
{
    TestCircuit t;
    RandomBoard(t, seed, stateful);
    Settle(t, shortcut);
    std::vector<Levels> seen{LevelsAndStates(t.Bord)};
    for (int pass = 0; pass < 40; ++pass) {
        t.Bord.CalcAll();
        t.Bord.TickAll();
        seen.push_back(LevelsAndStates(t.Bord));
    }
    return seen;
}

TEST(Settle, SkippingWhatCannotChangeEndsAsEveryFullPass)
{
    for (const bool stateful : {false, true}) {
        for (uint32_t seed = 1; seed <= 40; ++seed) {
            const auto full = SettleAndRun(seed, stateful, false);
            const auto quick = SettleAndRun(seed, stateful, true);
            ASSERT_EQ(quick.front().size(), full.front().size());
            for (size_t pass = 0; pass < full.size(); ++pass)
                ASSERT_EQ(quick[pass], full[pass]) << "seed " << seed << (stateful ? " with state" : "") << " pass " << pass;
        }
    }
}

}  // namespace
