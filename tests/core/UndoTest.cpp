#include "TestCircuit.h"
#include "TestParts.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

namespace {

TTestPart* Create(TestCircuit& t, int x, int y)
{
    t.Context.OpenBatch();
    auto* part = t.Bord.Create<TTestPart>(nullptr);
    part->MoveTo(x, y, false);
    part->RecordCreate("MouseDown CreatePart");
    t.Context.PushBatch();
    return part;
}

void Delete(TestCircuit& t, TPartsBase* part)
{
    t.Context.OpenBatch();
    part->Delete("One Part");
    t.Context.PushBatch();
}

void Move(TestCircuit& t, TPartsBase* part, int x, int y)
{
    t.Context.OpenBatch();
    part->RecordGeometry(false, "");
    part->MoveTo(x, y, true);
    part->RecordGeometry(true, "MouseUp SelectingPart");
    t.Context.PushBatch();
}

TEST(UndoQue, FiftyOneEditsLeaveFiftyAndDestroyWhatOnlyTheDroppedBatchDeleted)
{
    TestCircuit t;
    auto& que = t.Circuit.UndoQue();
    auto* doomed = t.Bord.Create<TTestPart>(nullptr);
    Delete(t, doomed);
    EXPECT_EQ(t.Circuit.TrashBord.Count(), 1);
    for (int i = 0; i < 49; ++i) Create(t, i * 10, 0);
    EXPECT_EQ(que.UndoCount, 50);
    EXPECT_EQ(t.Circuit.TrashBord.Count(), 1);

    Create(t, 0, 500);
    EXPECT_EQ(que.UndoCount, 50);
    EXPECT_EQ(t.Circuit.TrashBord.Count(), 0);  // the first batch and its deleted part are gone

    int undone = 0;
    while (que.CanUndo()) {
        que.Undo();
        ++undone;
    }
    EXPECT_EQ(undone, 50);
    EXPECT_EQ(t.Bord.Count(), 0);
    EXPECT_EQ(t.Circuit.TrashBord.Count(), 50);
}

TEST(UndoQue, ANewEditAfterUndoDisablesRedo)
{
    TestCircuit t;
    auto& que = t.Circuit.UndoQue();
    for (int i = 0; i < 5; ++i) Create(t, i * 50, 0);
    que.Undo();
    que.Undo();
    que.Undo();
    EXPECT_TRUE(que.CanRedo());
    Create(t, 0, 100);
    EXPECT_FALSE(que.CanRedo());
    EXPECT_EQ(que.UndoCount, 3);
}

TEST(UndoQue, EmptyBatchCountsAsAStep)
{
    TestCircuit t;
    auto& que = t.Circuit.UndoQue();
    t.Context.OpenBatch();
    t.Context.PushBatch();
    EXPECT_TRUE(que.CanUndo());
    que.Undo();
    EXPECT_FALSE(que.CanUndo());
    EXPECT_TRUE(que.CanRedo());
    que.Redo();
    EXPECT_TRUE(que.CanUndo());
}

TEST(UndoQue, UndoOfAMoveRestoresTheContainerReference)
{
    TestCircuit t;
    auto* part = Create(t, 10, 10);
    auto* fakeBox = reinterpret_cast<TContainer*>(0x1000);  // only compared, never followed
    part->RecordGeometry(false, "");
    t.Context.OpenBatch();
    part->Container = nullptr;
    part->MoveTo(100, 100, false);
    part->RecordGeometry(true, "move");
    t.Context.PushBatch();
    part->SavedContainer = fakeBox;
    EXPECT_EQ(part->Left, 100);
    t.Circuit.UndoQue().Undo();
    EXPECT_EQ(part->Left, 10);
    EXPECT_EQ(part->OffsetLeft, 10);
    EXPECT_EQ(part->Container, nullptr);
}

struct Snapshot {
    const TPartsBase* object;
    TGeometry geometry;
    int way, partNo;
    bool onBoard;
    friend bool operator==(const Snapshot&, const Snapshot&) = default;
};

std::vector<Snapshot> Capture(const TestCircuit& t, const std::vector<TPartsBase*>& all)
{
    std::vector<Snapshot> result;
    for (const TPartsBase* o : all)
        result.push_back({o,
                          {o->Left, o->Top, o->Width, o->Height, o->OffsetLeft, o->OffsetTop, o->Container},
                          o->Way,
                          o->PartNo,
                          t.Bord.Holds(o)});
    return result;
}

// List order changes with undo (a revived object goes to the end), so compare membership.
TEST(UndoQue, RandomEditsUndoAllAndRedoAllRestoreEveryObject)
{
    for (unsigned seed = 1; seed <= 20; ++seed) {
        TestCircuit t;
        auto& que = t.Circuit.UndoQue();
        std::mt19937 random(seed);
        std::vector<TPartsBase*> all;
        for (int i = 0; i < 5; ++i) all.push_back(t.Bord.Create<TTestPart>(nullptr));
        const auto start = Capture(t, all);

        for (int step = 0; step < 40; ++step) {
            std::vector<TPartsBase*> live;
            for (auto* o : all)
                if (t.Bord.Holds(o)) live.push_back(o);
            const int action = static_cast<int>(random() % 4);
            if (action == 0 || live.empty()) {
                all.push_back(Create(t, static_cast<int>(random() % 500), static_cast<int>(random() % 500)));
                continue;
            }
            TPartsBase* o = live[random() % live.size()];
            if (action == 1)
                Move(t, o, static_cast<int>(random() % 500), static_cast<int>(random() % 500));
            else if (action == 2)
                Delete(t, o);
            else
                o->SetPropUndoable(random() % 2 ? "Way" : "PartNo", std::to_string(random() % 4), "prop");
        }
        const auto end = Capture(t, all);
        while (que.CanUndo()) que.Undo();
        const auto undone = Capture(t, all);
        EXPECT_TRUE(std::equal(start.begin(), start.end(), undone.begin())) << "seed " << seed;
        for (size_t i = start.size(); i < undone.size(); ++i) EXPECT_FALSE(undone[i].onBoard) << "seed " << seed;
        while (que.CanRedo()) que.Redo();
        EXPECT_EQ(Capture(t, all), end) << "seed " << seed;
    }
}

}  // namespace
