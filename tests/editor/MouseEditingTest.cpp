// The board widget driven with real mouse and key events, as a user builds and runs circuits.
#include "EditorFixture.h"
#include "MouseScripts.h"

#include <QApplication>
#include <QInputMethodEvent>
#include <QPlainTextEdit>
#include <QTest>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <functional>
#include <vector>

namespace {

struct MouseEditing : ::testing::Test, EditorFixture {
    QWidget* Board() const { return window->centralWidget(); }

    void Press(QPoint p) { QTest::mousePress(Board(), Qt::LeftButton, {}, p); }
    void Release(QPoint p) { QTest::mouseRelease(Board(), Qt::LeftButton, {}, p); }
    // Moves along the straight line from where the pointer was, a few pixels a step.
    void MoveTo(QPoint p)
    {
        const QPoint from = pointer_;
        const int steps = std::max((p - from).manhattanLength() / 5, 1);
        for (int i = 1; i <= steps; ++i) QTest::mouseMove(Board(), from + (p - from) * i / steps);
        pointer_ = p;
    }
    void Hover(QPoint p)
    {
        pointer_ = p;
        QTest::mouseMove(Board(), p);
    }
    void Click(QPoint p)
    {
        Hover(p);
        Press(p);
        Release(p);
    }
    void Drag(QPoint from, QPoint to)
    {
        Hover(from);
        Press(from);
        MoveTo(to);
        Release(to);
    }
    template <class T>
    T* Put(TAction* tool, QPoint p)
    {
        tool->trigger();
        Click(p);
        return dynamic_cast<T*>(window->State.FirstSelected());
    }
    void Wire(QPoint from, QPoint to) { DragWire(*this, *actions, from, to); }

    static bool Shows(const TLED* led, bool lit)
    {
        return led->ShownLevel == (lit ? LevelHigh : LevelLow) && led->Countdown == TLED::Idle;
    }

private:
    QPoint pointer_;
};

TEST_F(MouseEditing, ASwitchThroughAnInverterLightsItsLampAndAClickPutsItOut)
{
    auto* toggle = Put<TTglSW>(actions->actTGLSW, {100, 100});  // output at (120, 110)
    auto* inverter = Put<TNot>(actions->actNOT, {200, 140});     // input (200, 160), output (240, 160)
    auto* led = Put<TLED>(actions->actRLED, {320, 150});         // input (320, 160)
    ASSERT_TRUE(toggle && inverter && led);
    Wire({120, 110}, {200, 160});  // both legs of the L by one drag
    Wire({240, 160}, {320, 160});
    EXPECT_EQ(window->Bord.Count(), 6);
    for (int i = 0; i < window->Bord.Count(); ++i)
        for (const TTanshi* k : window->Bord.Items(i)->Tanshis) EXPECT_TRUE(k->Linked);

    QRgb lit = 0, dark = 0;
    int phase = 0;
    EXPECT_TRUE(RunUntil([&] {
        if (phase == 0 && Shows(led, true)) {
            lit = Board()->grab().toImage().pixel(330, 160);
            Click({110, 110});
            phase = 1;
        } else if (phase == 1 && Shows(led, false)) {
            dark = Board()->grab().toImage().pixel(330, 160);
            phase = 2;
        }
        return phase == 2;
    }));
    EXPECT_EQ(toggle->OutputLevel(), LevelHigh);
    EXPECT_GT(qRed(lit), qRed(dark) + 60);
}

TEST_F(MouseEditing, AHalfAdderWiredByDragsWithTJointsAddsItsTwoSwitches)
{
    std::vector<TPartsBase*> placed;
    BuildHalfAdderByMouse(*this, *actions, [&](TAction* tool, QPoint at) { placed.push_back(Put<TPartsBase>(tool, at)); });
    ASSERT_EQ(placed.size(), 6u);
    auto* a = dynamic_cast<TTglSW*>(placed[0]);
    auto* b = dynamic_cast<TTglSW*>(placed[1]);
    auto* sum = dynamic_cast<TLED*>(placed[4]);
    auto* carry = dynamic_cast<TLED*>(placed[5]);
    ASSERT_TRUE(a && b && sum && carry);
    window->Bord.CheckAllLinks();
    int dots = 0;
    for (int i = 0; i < window->Bord.Count(); ++i) {
        dots += window->Bord.Items(i)->Is(cfDot);
        for (const TTanshi* k : window->Bord.Items(i)->Tanshis) EXPECT_TRUE(k->Linked) << window->Bord.Items(i)->ClassName();
    }
    EXPECT_EQ(dots, 2);  // the two T joints; the crossing stays a crossing

    struct Row {
        bool a, b, sum, carry;
    };
    const Row rows[] = {{false, false, false, false}, {true, false, true, false}, {true, true, false, true}, {false, true, true, false}};
    size_t row = 0;
    bool set = false;
    std::vector<std::string> seen;
    RunUntil([&] {
        const Row& r = rows[row];
        if (!set) {
            if ((a->OutputLevel() == LevelHigh) != r.a) Click({110, 110});
            if ((b->OutputLevel() == LevelHigh) != r.b) Click({110, 210});
            set = true;
        } else if (Shows(sum, r.sum) && Shows(carry, r.carry)) {
            seen.push_back(std::to_string(r.a) + std::to_string(r.b) + " -> " + std::to_string(r.sum) + std::to_string(r.carry));
            set = false;
            ++row;
        }
        return row == std::size(rows);
    });
    EXPECT_THAT(seen, ::testing::ElementsAre("00 -> 00", "10 -> 10", "11 -> 01", "01 -> 10"));
}

TEST_F(MouseEditing, ASubBoardIsDrawnAroundPartsMovedResizedAndAPartDraggedOutOfIt)
{
    auto* gate = Put<TGate>(actions->actNAND2, {120, 120});
    auto* inverter = Put<TNot>(actions->actNOT, {200, 120});
    actions->actContainer->trigger();
    Drag({100, 100}, {300, 200});
    auto* box = dynamic_cast<TContainer*>(window->State.FirstSelected());
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(box->GetRect(), (TRect{100, 100, 300, 200}));
    EXPECT_EQ(gate->Container, box);
    EXPECT_EQ(inverter->Container, box);

    Drag({105, 105}, {205, 155});  // by the grab square
    EXPECT_EQ(Corner(box), std::pair(200, 150));
    EXPECT_EQ(Corner(gate), std::pair(220, 170));

    Hover({400, 200});  // the right edge shows the resize cursor
    EXPECT_EQ(Board()->cursor().shape(), Qt::SizeHorCursor);
    Drag({400, 200}, {460, 200});
    EXPECT_EQ(box->Width, 260);

    Drag({330, 190}, {550, 330});  // the inverter, out of the box
    EXPECT_EQ(inverter->Container, nullptr);
    EXPECT_EQ(gate->Container, box);
    for (int undo = 0; undo < 3; ++undo) actions->actUndo->trigger();
    EXPECT_EQ(Corner(box), std::pair(100, 100));
    EXPECT_EQ(inverter->Container, box);
}

TEST_F(MouseEditing, ARightClickOnAScopeProbeOffersItsWindowAndEscapeEndsAWire)
{
    Put<TScope>(actions->actSCOPE, {100, 100});
    QTest::mousePress(Board(), Qt::RightButton, {}, {120, 120});
    EXPECT_EQ(window->State.PopupPart, window->State.FirstSelected());
    EXPECT_EQ(window->State.EditState, esNone);

    actions->actCode->trigger();
    Hover({300, 300});
    Press({300, 300});
    MoveTo({360, 310});
    MoveTo({360, 360});
    Release({360, 360});
    QTest::keyClick(Board(), Qt::Key_Escape);
    EXPECT_EQ(window->State.EditState, esNone);
    int wires = 0;
    for (int i = 0; i < window->Bord.Count(); ++i) wires += window->Bord.Items(i)->Is(cfCode) ? 1 : 0;
    EXPECT_EQ(wires, 1);  // the leg made before the Escape stays
}

TEST_F(MouseEditing, PressesThatOutliveTheirObjectsOrTheirWindowHarmNothing)
{
    auto* button = Put<TPushSW>(actions->actPUSHSW, {100, 100});
    RunUntil([&] {
        Press({110, 110});
        actions->actSelectAll->trigger();
        QTest::keyClick(Board(), Qt::Key_Delete);  // deletes the button held down
        Release({110, 110});
        return true;
    });
    EXPECT_EQ(window->Bord.Count(), 0);
    actions->actUndo->trigger();
    EXPECT_TRUE(window->Bord.Holds(button));

    // A drag that leaves the window, then the window closes under the held button.
    Hover({110, 110});
    Press({110, 110});
    QTest::mouseMove(Board(), {-300, -40});
    Release({-300, -40});
    // The point it was held by stays on the board, to be grabbed again.
    EXPECT_EQ(Corner(button), std::pair(-10, -10));
    Hover({3, 3});
    Press({3, 3});
    EXPECT_EQ(window->State.EditState, esSelectingPart);
    MoveTo({200, 200});
    window.reset();
}

}  // namespace

namespace {

TEST_F(MouseEditing, ANewTextBoxIsTypedIntoInPlaceAndAPressElsewhereKeepsTheText)
{
    auto* box = Put<TTextBox>(actions->actText, {100, 100});
    ASSERT_NE(box, nullptr);
    auto* memo = dynamic_cast<QPlainTextEdit*>(dynamic_cast<QObject*>(box->Editor.get()));
    ASSERT_NE(memo, nullptr);
    EXPECT_TRUE(memo->isVisible());
    EXPECT_EQ(memo->geometry(), QRect(100, 100, 160, 120));
    EXPECT_TRUE(window->State.TextEditing);
    QApplication::setActiveWindow(window.get());
    memo->setFocus();
    // Japanese text arrives from the input method as a committed string.
    QInputMethodEvent composed;
    composed.setCommitString(QStringLiteral("半加算器"));
    QApplication::sendEvent(memo, &composed);
    QTest::keyClick(memo, Qt::Key_Return);
    QTest::keyClicks(memo, QStringLiteral("A+B"));
    QTest::keyClick(memo, Qt::Key_Backspace);
    QTest::keyClick(memo, Qt::Key_Delete);  // the editor's own delete, not the board's

    Click({400, 300});
    EXPECT_FALSE(memo->isVisible());
    EXPECT_FALSE(window->State.TextEditing);
    EXPECT_THAT(box->DrawnLines, ::testing::ElementsAre("半加算器", "A+"));
    EXPECT_TRUE(window->Bord.Holds(box));

    // A double click opens it again; undo gives back the empty text.
    QTest::mouseDClick(Board(), Qt::LeftButton, {}, {105, 105});
    EXPECT_TRUE(memo->isVisible());
    Click({400, 300});
    QCoreApplication::processEvents();  // the idle refresh enables undo
    actions->actUndo->trigger();
    EXPECT_EQ(box->CommaText(), "");
}

TEST_F(MouseEditing, KeysTypedAfterALabelEditReachTheBoardNotTheClosedEditor)
{
    QApplication::setActiveWindow(window.get());
    auto* box = Put<TTextBox>(actions->actText, {100, 100});
    ASSERT_NE(box, nullptr);
    auto* memo = dynamic_cast<QPlainTextEdit*>(dynamic_cast<QObject*>(box->Editor.get()));
    const auto typed = [](const QString& keys) { QTest::keyClicks(QApplication::focusWidget(), keys); };
    const auto shortcut = [](int key) {
        QCoreApplication::processEvents();  // the idle refresh enables the commands, as between two keys
        QWidget* target = QApplication::focusWidget() ? QApplication::focusWidget() : QApplication::activeWindow();
        QTest::keyClick(target, Qt::Key(key), Qt::ControlModifier);
    };
    ASSERT_EQ(QApplication::focusWidget(), memo);
    typed(QStringLiteral("note"));
    Click({400, 300});
    EXPECT_FALSE(memo->isVisible());
    EXPECT_EQ(QApplication::focusWidget(), Board());

    // Undo takes back the last step, the text typed; typing on the board changes no label.
    shortcut(Qt::Key_Z);
    ASSERT_TRUE(window->Bord.Holds(box));
    EXPECT_EQ(box->CommaText(), "");
    EXPECT_TRUE(box->DrawnLines.empty());
    shortcut(Qt::Key_Y);
    EXPECT_EQ(box->CommaText(), "note");
    typed(QStringLiteral("XYZ"));
    QTest::mouseDClick(Board(), Qt::LeftButton, {}, {105, 105});
    EXPECT_EQ(memo->toPlainText(), QStringLiteral("note"));
    Click({400, 300});
    TStrings saved;
    window->Document.Text(saved);
    EXPECT_THAT(saved, ::testing::Contains("Text=note"));

    // Select all and Delete act on the board again.
    QCoreApplication::processEvents();
    shortcut(Qt::Key_A);
    EXPECT_EQ(window->State.SelectedParts.Count(), 1);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Delete);
    EXPECT_EQ(window->Bord.Count(), 0);
}

TEST_F(MouseEditing, TheScopeProbesPopupItemShowsItsOscilloscopeWindow)
{
    auto* probe = Put<TScope>(actions->actSCOPE, {100, 100});
    ASSERT_NE(probe, nullptr);
    QTest::mousePress(Board(), Qt::RightButton, {}, {120, 120});
    QTest::mouseRelease(Board(), Qt::RightButton, {}, {120, 120});
    QMenu* menu = window->Popups.Menu(TPopupMenu::pmnuScope);
    EXPECT_TRUE(menu->isVisible());
    menu->close();
    window->Popups.pmnuScope_Disp->trigger();
    auto* scope = dynamic_cast<QWidget*>(probe->ScopeWindow.get());
    ASSERT_NE(scope, nullptr);
    EXPECT_TRUE(scope->isVisible());
}

}  // namespace
