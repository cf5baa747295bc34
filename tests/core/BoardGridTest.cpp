#include "TestCircuit.h"
#include "TestParts.h"
#include "Wiring.h"

#include <gtest/gtest.h>

#include <random>

namespace {

// Random edits, applied alike to a board answering through its grid and to one that scans.
class Editor {
public:
    Editor(TestCircuit& t, uint32_t seed) : t_(t), random_(seed) {}

    void Step(int kind, int which)
    {
        auto [x, y] = Pick(0, 1) ? OnAWire(which) : TPoint{Coord(), Coord()};
        const int length = 10 * Pick(-12, 12);
        TContainer* box = which % 3 == 0 ? Nth<TContainer>(which) : nullptr;
        switch (kind) {
        case 0: DrawWire(t_, x, y, x + length, y, box); break;
        case 1: DrawWire(t_, x, y, x, y + length, box); break;
        case 2: PlaceDot(t_, x, y, box); break;
        case 3:
            if (TDot* dot = Nth<TDot>(which)) MoveDot(*dot, x, y);
            break;
        case 4:
            if (TDot* dot = Nth<TDot>(which)) DeleteDot(*dot);
            break;
        case 5:
            if (TCode* wire = Nth<TCode>(which)) DragWire(*wire, x, y);
            break;
        case 6:
            if (auto* box = Nth<TContainer>(which)) DragBox(*box, x, y);
            break;
        case 7: {
            auto* part = t_.Bord.Create<TTestPart>(nullptr, 40, 40,
                                                   std::vector<TTestPart::Pin>{{0, 20, dirInput}, {40, 20, dirOutput}});
            part->Container = box;
            part->MoveTo(x, y, true);
            break;
        }
        case 8: AddBox(t_, x, y, 10 * Pick(2, 30), 10 * Pick(2, 30)); break;
        default:
            if (t_.Circuit.UndoQue().CanUndo()) Undo(t_);
            break;
        }
    }

    int Pick(int low, int high) { return std::uniform_int_distribution<int>(low, high)(random_); }

private:
    // Mostly a crowded corner of the board, sometimes far away or below zero.
    int Coord() { return Pick(0, 9) == 0 ? 10 * Pick(-500, 5000) : 10 * Pick(0, 30); }

    // A grid point along some wire, where merges and cuts happen.
    TPoint OnAWire(int which)
    {
        TCode* w = Nth<TCode>(which);
        if (!w) return {Coord(), Coord()};
        const int step = Pick(0, std::max(w->Width, w->Height) / 10);
        return {w->Left + (w->Width ? step * 10 : 0), w->Top + (w->Height ? step * 10 : 0)};
    }

    template <class T>
    T* Nth(int which)
    {
        std::vector<T*> found;
        for (int i = 0; i < t_.Bord.Count(); ++i)
            if (auto* o = dynamic_cast<T*>(t_.Bord.Items(i))) found.push_back(o);
        return found.empty() ? nullptr : found[static_cast<size_t>(which) % found.size()];
    }

    void DragWire(TCode& wire, int x, int y)
    {
        t_.Context.OpenBatch();
        wire.RecordGeometry(false, "");
        wire.MoveTo(x, y, true);
        wire.RecordGeometry(true, "MouseUp SelectingPart");
        if (TCode* merged = t_.Bord.LinkCode(&wire)) t_.Bord.LinkCode(merged);
        t_.Context.PushBatch();
    }

    void DragBox(TContainer& box, int x, int y)
    {
        t_.Context.OpenBatch();
        box.RecordGeometry(false, "");
        box.MoveTo(x, y, true);
        box.RecordGeometry(true, "MouseUp SelectingPart");
        t_.Context.PushBatch();
    }

    TestCircuit& t_;
    std::mt19937 random_;
};

TEST(BoardGrid, EditsThroughTheGridEndExactlyAsEditsThatScan)
{
    for (uint32_t seed = 1; seed <= 12; ++seed) {
        TestCircuit grid, scan;
        scan.Bord.SetGridLookup(false);
        Editor onGrid(grid, seed), onScan(scan, seed);
        std::mt19937 steps(seed);
        for (int step = 0; step < 300; ++step) {
            const int kind = std::uniform_int_distribution<int>(0, 10)(steps);
            const int which = std::uniform_int_distribution<int>(0, 1000)(steps);
            onGrid.Step(kind, which);
            onScan.Step(kind, which);
            ASSERT_EQ(Wiring(grid.Bord), Wiring(scan.Bord)) << "seed " << seed << " step " << step;
        }
    }
}

TEST(BoardGrid, PointQueriesAnswerAsTheScan)
{
    TestCircuit t;
    std::mt19937 random(7);
    auto pick = [&](int low, int high) { return std::uniform_int_distribution<int>(low, high)(random); };
    TContainer* box = AddBox(t, 0, 0, 200, 200);
    AddBox(t, 150, 150, 100, 100, box);
    for (int i = 0; i < 400; ++i) {
        TContainer* level = pick(0, 3) == 0 ? box : nullptr;
        const int x = pick(-20, 300), y = pick(-20, 300);
        switch (pick(0, 3)) {
        case 0: AddWire(t, x, y, x + pick(0, 40), y, level); break;
        case 1: AddWire(t, x, y, x, y + pick(0, 9000), level); break;  // some too long for the cells
        case 2: PlaceDot(t, x, y, level); break;
        default: {
            auto* part = t.Bord.Create<TTestPart>(nullptr, pick(1, 50), pick(1, 50),
                                                  std::vector<TTestPart::Pin>{{0, 5, dirInput}, {60, 5, dirOutput}});
            part->Container = level;
            part->MoveTo(x, y, false);
        }
        }
        if (i % 7 == 0) t.Bord.Items(pick(0, t.Bord.Count() - 1))->MoveTo(pick(-20, 300), pick(-20, 300), true);
    }
    // A bulk removal, as the reader makes, leaves the grid answering as the scan.
    std::vector<TPartsBase*> doomed;
    for (int i = 1; i < t.Bord.Count(); i += 5) doomed.push_back(t.Bord.Items(i));
    const int before = t.Bord.Count();
    t.Bord.DestroyAll(doomed);
    ASSERT_EQ(t.Bord.Count(), before - static_cast<int>(doomed.size()));
    EXPECT_FALSE(t.Bord.Holds(doomed.front()));
    auto answers = [&](int x, int y, const TContainer* level) {
        std::vector<const void*> out;
        TTanshiList tanshis;
        t.Bord.TanshisAt(level, x, y, tanshis);
        out.insert(out.end(), tanshis.begin(), tanshis.end());
        TPartsList parts;
        t.Bord.PartsOfKindAt(cfCode | cfDot, level, x, y, parts);
        out.insert(out.end(), parts.begin(), parts.end());
        // What a press asks: every object under the point, the topmost one, and the box there.
        t.Bord.PartsAt(level, x, y, parts);
        out.insert(out.end(), parts.begin(), parts.end());
        out.push_back(t.Bord.PartAt(level, x, y).Object);
        out.push_back(t.Bord.ContainerAt(x, y).Object);
        for (int i = 0; i < t.Bord.Count(); i += 37) {
            t.Bord.TanshisTouching(*t.Bord.Items(i), x, y, tanshis);
            out.insert(out.end(), tanshis.begin(), tanshis.end());
        }
        return out;
    };
    for (int i = 0; i < 3000; ++i) {
        const int x = pick(-25, 310), y = pick(-25, 310);
        const TContainer* level = pick(0, 1) ? box : nullptr;
        t.Bord.SetGridLookup(true);
        const auto viaGrid = answers(x, y, level);
        t.Bord.SetGridLookup(false);
        ASSERT_EQ(viaGrid, answers(x, y, level)) << x << "," << y;
    }
}

TEST(BoardGrid, AbsurdGeometryStaysDefined)
{
    TestCircuit t;
    auto* far = AddWire(t, 0, 0, 10, 0);
    far->SetLeft(INT32_MAX - 5);
    far->Width = far->DragWidth = INT32_MAX;
    far->SetTanshi();
    auto* low = AddWire(t, 0, 0, 0, 10);
    low->SetTop(INT32_MIN);
    low->Height = low->DragHeight = -50;
    low->SetTanshi();
    DrawWire(t, INT32_MAX - 5, 0, INT32_MAX - 1, 0);
    PlaceDot(t, INT32_MAX - 2, 0);
    t.Bord.CheckLinksInRect({INT32_MIN, INT32_MIN, INT32_MAX, INT32_MAX});
    EXPECT_TRUE(t.Bord.Holds(low));
}

}  // namespace
