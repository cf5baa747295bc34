#pragma once

#include "BoardEdits.h"
#include "CircuitText.h"
#include "EditCommands.h"
#include "MouseEditor.h"
#include "PartU.h"
#include "Wiring.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <string>
#include <vector>

// A window for the mouse machine without a window: its surfaces draw nothing, the checked tool
// is a field, and the menu a right press chose is written down.
class FakeHost : public EditorHost {
public:
    explicit FakeHost(Canvas& board) : board_(board) {}

    void RedrawBoard() override { ++Redraws; }
    void Paint() override {}
    Canvas& BoardSurface() override { return board_; }
    Canvas& WindowSurface() override { return Window; }
    TTool CheckedTool() const override { return Tool; }
    void CheckSelectTool() override { Tool = TTool::Select; }
    void SetContextMenu(TPopupMenu menu) override { Menu = menu; }
    void SetTitle(const std::string& title) override { Title = title; }
    void SetBusy(bool busy) override { Busy += busy ? 1 : -1; }
    std::optional<TPoint> PointerOnBoard() const override { return Pointer; }

    TTool Tool = TTool::Select;
    TPopupMenu Menu = TPopupMenu::None;
    int Redraws = 0;
    std::string Title;
    // Raised while a file is read or written; back at 0 whichever way the command ended.
    int Busy = 0;
    RecordingCanvas Window;
    // Where the mouse pointer stands over the board, if it does.
    std::optional<TPoint> Pointer;

private:
    Canvas& board_;
};

// Gestures as short scripts: press, move, release, then what the board holds and what undo gives.
struct GestureDriver {
    TestCircuit t;
    FakeHost host{t.Surface};
    TEditorState st;
    TEditSession s{st, t.Circuit, host};
    TMouseEditor mouse{s};

    void Press(int x, int y, TMouseButton button = TMouseButton::Left, TShiftState shift = 0)
    {
        mouse.MouseDown(button, shift, x, y);
    }
    // Moves along the straight line from where the pointer was, 5 pixels a step, as a hand does.
    void MoveTo(int x, int y)
    {
        const int fromX = px_, fromY = py_;
        const int steps = std::max({std::abs(x - fromX), std::abs(y - fromY), 5}) / 5;
        for (int i = 1; i <= steps; ++i) {
            px_ = fromX + (x - fromX) * i / steps;
            py_ = fromY + (y - fromY) * i / steps;
            mouse.MouseMove(0, px_, py_);
        }
    }
    void Release(int x, int y, TMouseButton button = TMouseButton::Left) { mouse.MouseUp(button, 0, x, y); }
    void Click(int x, int y, TMouseButton button = TMouseButton::Left)
    {
        Hover(x, y);
        Press(x, y, button);
        Release(x, y, button);
    }
    void Drag(int x1, int y1, int x2, int y2)
    {
        Hover(x1, y1);
        Press(x1, y1);
        MoveTo(x2, y2);
        Release(x2, y2);
    }
    // The pointer arrives without a button held (the selected wire or box may show a resize cursor).
    void Hover(int x, int y)
    {
        px_ = x;
        py_ = y;
        mouse.MouseMove(0, x, y);
    }
    void Arm(const char* className, int partNo = 0)
    {
        st.ToolClass = className;
        st.ToolPartNo = partNo;
        host.Tool = TTool::Part;
    }
    // Places a part with its tool, as a click does.
    template <class T>
    T* Put(const char* className, int x, int y, int partNo = 0)
    {
        Arm(className, partNo);
        Click(x, y);
        return dynamic_cast<T*>(st.FirstSelected());
    }
    std::vector<std::string> Labels() { return LastLabels(t); }
    int Count(TClassFlag kind) const
    {
        int n = 0;
        for (int i = 0; i < t.Bord.Count(); ++i) n += t.Bord.Items(i)->Is(kind) ? 1 : 0;
        return n;
    }
    void UndoAll()
    {
        while (t.Circuit.UndoQue().CanUndo()) UndoEdit(s);
    }

private:
    int px_ = 0, py_ = 0;
};

struct GestureTest : ::testing::Test, GestureDriver {};

// Where terminal i of the object lies on the board.
inline TPoint Pin(const TPartsBase* o, int i) { return o->LocalToBoard(o->Tanshis.Items(i)->GetPos()); }
