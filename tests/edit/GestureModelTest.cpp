// Thousands of random gestures: after each one the board is consistent, and every episode's
// history undoes to the empty board and redoes to exactly what the gestures built.
#include "GestureFixture.h"

#include <random>

namespace {

const char* const PartTools[] = {"TGate", "TNot", "TTglSW", "TLED", "TDFF", "TContainer", "TInTerminal", "TScope"};
constexpr TTool Tools[] = {TTool::Select, TTool::Select, TTool::Move, TTool::Wire, TTool::Wire, TTool::Delete};

class RandomGestures : public GestureDriver {
public:
    explicit RandomGestures(uint32_t seed) : rng_(seed) {}

    void Step()
    {
        const TPoint a = Point(), b = Near(a);
        const int action = Pick(15);
        last_ = "action " + std::to_string(action) + " from " + std::to_string(a.x) + "," + std::to_string(a.y) +
                " to " + std::to_string(b.x) + "," + std::to_string(b.y);
        switch (action) {
        case 0:
        case 1: Arm(PartTools[Pick(std::size(PartTools))]), Drag(a.x, a.y, b.x, b.y); break;
        case 2: host.Tool = Tools[Pick(std::size(Tools))]; break;
        case 3:
        case 4:
        case 5: Drag(a.x, a.y, b.x, b.y); break;
        case 6: Click(a.x, a.y); break;
        case 7: Click(a.x, a.y, TMouseButton::Right); break;
        case 8: Abandon(a, b); break;
        case 9: mouse.MouseDown(TMouseButton::Left, ssShift, a.x, a.y); break;
        case 10: Wire(a, b); break;
        case 11: Resize(a, b); break;
        case 12: SelectionCommand(); break;
        case 13: AltDrag(a, b); break;
        default: Pick(2) ? UndoEdit(s) : RedoEdit(s); break;
        }
    }

    // What must hold whenever no button is held.
    void ExpectConsistent()
    {
        std::vector<bool> linked;
        for (int i = 0; i < t.Bord.Count(); ++i)
            for (const TTanshi* k : t.Bord.Items(i)->Tanshis) linked.push_back(k->Linked);
        t.Bord.CheckAllLinks();
        std::vector<bool> checked;
        for (int i = 0; i < t.Bord.Count(); ++i)
            for (const TTanshi* k : t.Bord.Items(i)->Tanshis) checked.push_back(k->Linked);
        ASSERT_EQ(linked, checked) << "links not current after step " << steps_ << ": " << last_ << "\n"
                                   << ::testing::PrintToString(Wiring(t.Bord));

        for (int i = 0; i < t.Bord.Count(); ++i) {
            const TPartsBase* o = t.Bord.Items(i);
            int depth = 0;
            for (const TContainer* c = o->Container; c; c = c->Container, ++depth) {
                ASSERT_TRUE(t.Bord.Holds(c)) << o->ClassName() << " in a box off the board";
                ASSERT_LE(depth, t.Bord.Count()) << "containment loop";
            }
            ASSERT_TRUE(!o->Is(cfCode) || o->Width == 0 || o->Height == 0);
            ASSERT_GE(o->Width, 0);
            ASSERT_GE(o->Height, 0);
        }
        for (const TPartsBase* o : st.SelectedParts) ASSERT_TRUE(t.Bord.Holds(o));
        ASSERT_TRUE(st.EditState == esDrawingCode || s.NewDot || !t.Context.CommandBatch);
    }

    void RunEpisode(int gestures)
    {
        for (steps_ = 0; steps_ < gestures && t.Circuit.UndoQue().UndoCount < 45; ++steps_) {
            Step();
            ExpectConsistent();
            if (::testing::Test::HasFatalFailure()) return;
        }
        mouse.Escape();
        const std::vector<std::string> built = Wiring(t.Bord);
        const int recorded = t.Circuit.UndoQue().UndoCount;
        UndoAll();
        TStrings text, empty;
        TPartsList all;
        t.Bord.CopyParts(all);
        SaveParts(all, text);
        SaveParts(TPartsList(), empty);
        EXPECT_EQ(text, empty);
        for (int i = 0; i < recorded; ++i) RedoEdit(s);
        EXPECT_EQ(Wiring(t.Bord), built);
    }

private:
    int Pick(size_t n) { return static_cast<int>(rng_() % n); }
    // Raw pointer positions near the grid of a crowded corner of the board, now and then off it.
    TPoint Point() { return {Pick(30) * 10 + Pick(7) - 3, Pick(24) * 10 + Pick(7) - 3}; }
    TPoint Near(TPoint p) { return {p.x + Pick(161) - 80, p.y + Pick(161) - 80}; }

    void Abandon(TPoint a, TPoint b)
    {
        Hover(a.x, a.y);
        Press(a.x, a.y);
        MoveTo(b.x, b.y);
        if (Pick(2)) {
            mouse.Escape();
        } else {
            Press(b.x, b.y, TMouseButton::Right);
            Release(b.x, b.y, TMouseButton::Right);
        }
        Release(b.x, b.y);
    }

    void Wire(TPoint a, TPoint b)
    {
        host.Tool = TTool::Wire;
        Drag(a.x, a.y, b.x, b.y);
        if (st.EditState != esDrawingCode) return;
        const TPoint c = Near(b);
        MoveTo(c.x, c.y);
        Press(c.x, c.y);
        Release(c.x, c.y);
        if (st.EditState == esDrawingCode) mouse.Escape();
    }

    // Holding Alt, the dragged objects leave their wires where they are.
    void AltDrag(TPoint a, TPoint b)
    {
        mouse.MouseMove(ssAlt, a.x, a.y);
        mouse.MouseDown(TMouseButton::Left, ssAlt, a.x, a.y);
        mouse.MouseMove(ssAlt | ssLeft, b.x, b.y);
        mouse.MouseUp(TMouseButton::Left, ssAlt, b.x, b.y);
    }

    void Resize(TPoint a, TPoint b)
    {
        // Onto the end of a wire or the edge of a box, where the selected one shows a resize cursor.
        if (TPartsBase* o = st.FirstSelected(); o && (o->Is(cfCode) || o->Is(cfContainer))) {
            a = {o->Left + o->Width, o->Top + (o->Is(cfCode) ? o->Height : o->Height / 2)};
            Hover(a.x, a.y);
        }
        Drag(a.x, a.y, b.x, b.y);
    }

    void SelectionCommand()
    {
        switch (Pick(5)) {
        case 0: SelectAll(s); break;
        case 1: DeleteSelection(s); break;
        case 2:
            if (st.SelectedParts.Count() <= 3) RotateSelection(s);
            break;
        case 3: BoxSelection(s); break;
        default: t.Context.Cursor = TCursorShape::Arrow; break;
        }
    }

    std::mt19937 rng_;
    int steps_ = 0;
    std::string last_;
};

TEST(GestureModel, RandomGesturesKeepTheBoardConsistentAndTheirHistoryExact)
{
    for (uint32_t seed = 1; seed <= 2000; ++seed) {
        SCOPED_TRACE(seed);
        RandomGestures episode(seed);
        episode.RunEpisode(60);
        if (::testing::Test::HasFailure()) return;
    }
}

}  // namespace
