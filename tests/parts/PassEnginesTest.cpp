// Every engine computes exactly what every part's own Calc and Tick compute, pass for pass: the
// settle that passes only what can change, and the compiled whole, sparse and automatic passes,
// through clicks and edits between passes.
#include "PartU.h"
#include "PassEngine.h"
#include "RandomBoard.h"

#include <gtest/gtest.h>

#include <array>
#include <functional>
#include <memory>
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

// The levels of every terminal, then the inner state of every part that keeps one. The readers
// of the states are found once for every state of the board's list.
class TStateProbe {
public:
    explicit TStateProbe(const TBord& board) : board_(board) {}

    Levels Read()
    {
        if (board_.Context().Edits != edits_ || readers_.empty()) FindReaders();
        Levels seen = AllLevels(board_);
        for (const auto& read : readers_) read(seen);
        return seen;
    }

private:
    void FindReaders()
    {
        edits_ = board_.Context().Edits;
        readers_.clear();
        readers_.push_back([](Levels&) {});
        auto add = [&](const auto* part, auto values) {
            readers_.push_back([part, values](Levels& seen) { values(*part, seen); });
        };
        for (int i = 0; i < board_.Count(); ++i) {
            const TPartsBase* o = board_.Items(i);
            if (auto* led = dynamic_cast<const TLED*>(o))
                add(led, [](const TLED& p, Levels& v) { v.insert(v.end(), {p.ShownLevel, p.Countdown, p.ShowsLit}); });
            if (auto* shot = dynamic_cast<const TOneShot*>(o))
                add(shot, [](const TOneShot& p, Levels& v) { v.insert(v.end(), {p.EdgeLevel, p.Countdown}); });
            if (auto* ff = dynamic_cast<const TMasterSlaveFF*>(o))
                add(ff, [](const TMasterSlaveFF& p, Levels& v) { v.insert(v.end(), {p.QLevel, p.MasterLevel}); });
            if (auto* decoder = dynamic_cast<const T2TO10*>(o))
                add(decoder, [](const T2TO10& p, Levels& v) { v.insert(v.end(), {p.LastCode, p.SettleCount}); });
            if (auto* pulser = dynamic_cast<const TPulser*>(o))
                add(pulser, [](const TPulser& p, Levels& v) { v.push_back(p.PassCount); });
            if (auto* digit = dynamic_cast<const TLED7SEG*>(o))
                add(digit, [](const TLED7SEG& p, Levels& v) {
                    v.insert(v.end(), {p.Code, p.LitSegments});
                    v.insert(v.end(), p.SegmentLevels.begin(), p.SegmentLevels.end());
                });
            if (auto* matrix = dynamic_cast<const TMatrix8X8*>(o))
                add(matrix, [](const TMatrix8X8& p, Levels& v) {
                    v.push_back(static_cast<int64_t>(p.LitDots));
                    for (int r = 0; r < 8; ++r)
                        for (int c = 0; c < 8; ++c) v.insert(v.end(), {p.ShownLevel[r][c], p.Countdown[r][c]});
                });
        }
    }

    const TBord& board_;
    uint64_t edits_ = 0;
    std::vector<std::function<void(Levels&)>> readers_;
};

Levels LevelsAndStates(const TBord& board) { return TStateProbe(board).Read(); }

void Settle(TestCircuit& t, bool shortcut)
{
    t.Bord.SetConnectTanshi();
    t.Bord.ResolveNets();
    // Objects passes every part; Sparse skips the parts that cannot change.
    TPassEngine(t.Bord, shortcut ? TEngineMode::Sparse : TEngineMode::Objects).Settle();
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

// The same random board run by every engine side by side, with the same clicks and edits.
class TEngineRace {
public:
    static constexpr std::array<TEngineMode, 4> Modes{TEngineMode::Objects, TEngineMode::Full, TEngineMode::Sparse,
                                                      TEngineMode::Auto};

    explicit TEngineRace(uint32_t seed) : random_(seed)
    {
        for (size_t m = 0; m < Modes.size(); ++m) {
            RandomBoard(circuits_[m], seed, true);
            engines_[m] = std::make_unique<TPassEngine>(circuits_[m].Bord, Modes[m]);
            probes_.emplace_back(circuits_[m].Bord);
        }
    }
    ~TEngineRace()
    {
        for (auto& engine : engines_) engine.reset();  // before the boards' objects go
    }

    void Start()
    {
        for (auto& engine : engines_) engine->Start();
    }
    void Pass()
    {
        for (auto& engine : engines_) engine->Pass();
    }
    // A press or a release of a random switch, the PartNo of a random gate changed, or a random part
    // deleted; the same in every board.
    void Poke()
    {
        const TBord& first = circuits_[0].Bord;
        const int index = Pick(0, first.Count() - 1);
        const int roll = Pick(0, 9);
        const int partNo = Pick(0, 33);
        for (auto& t : circuits_) {
            TPartsBase* o = t.Bord.Items(index);
            if (roll < 7) {
                if (roll % 2)
                    o->MouseDown(TMouseButton::Left, ssLeft, o->Left, o->Top);
                else
                    o->MouseUp(TMouseButton::Left, 0, o->Left, o->Top);
            } else if (roll < 9 && std::string(o->ClassName()) == "TGate") {
                o->PartNo = partNo;
                o->SetTanshi();
            } else if (roll == 9) {
                o->Delete("");
            }
        }
    }
    // The first board whose levels or states differ from the object loop's, or -1.
    int Differing()
    {
        const Levels reference = probes_[0].Read();
        for (size_t m = 1; m < Modes.size(); ++m)
            if (probes_[m].Read() != reference) return static_cast<int>(m);
        return -1;
    }
    int Pick(int low, int high) { return std::uniform_int_distribution<int>(low, high)(random_); }

private:
    std::mt19937 random_;
    std::array<TestCircuit, Modes.size()> circuits_;
    std::array<std::unique_ptr<TPassEngine>, Modes.size()> engines_;
    std::vector<TStateProbe> probes_;
};

TEST(PassEngines, EveryModeComputesWhatThePartsThemselvesDo)
{
    for (uint32_t seed = 1; seed <= 1000; ++seed) {
        TEngineRace race(seed);
        race.Start();
        ASSERT_EQ(race.Differing(), -1) << "seed " << seed << " after the settle";
        for (int pass = 1; pass <= 200; ++pass) {
            race.Pass();
            ASSERT_EQ(race.Differing(), -1) << "seed " << seed << " pass " << pass;
            while (race.Pick(0, 5) == 0) race.Poke();
        }
    }
}

}  // namespace
