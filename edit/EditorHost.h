#pragma once

#include "Canvas.h"

#include <optional>
#include <string>

class TPartsBase;

// The tools that change how a press is read.
enum class TTool { Select, Move, Wire, Delete, Part };

// The popup menus of the parts, chosen at a right press and opened at its release.
enum class TPopupMenu {
    None,
    pmnuGate,
    pmnuNot,
    pmnuPulser,
    pmnuLED,
    pmnuLED7SEG,
    pmnuMatrix,
    pmnuFF,
    pmnuScope,
    pmnuText,
    pmnuContainer,
    pmnuOneShot,
    pmnuTerminal,
};

// What the mouse gestures ask of the window that shows the board.
class EditorHost {
public:
    virtual ~EditorHost() = default;

    // Everything drawn anew on the board surface, every object first recording what it shows (the
    // board's ShowAll); the window surface is left as it is.
    virtual void RedrawBoard() = 0;
    // The board surface painted anew and nothing recorded, for a run that changes only how its
    // indicators are drawn.
    virtual void RepaintBoard() { RedrawBoard(); }
    // That board area painted anew on the board surface and shown on the window surface, nothing
    // else touched and nothing recorded: a run's nets whose levels changed.
    virtual void RepaintArea(const TRect& area)
    {
        (void)area;
        RepaintBoard();
        Paint();
    }
    // The board surface copied to the window surface.
    virtual void Paint() = 0;
    void Redraw()
    {
        RedrawBoard();
        Paint();
    }
    virtual Canvas& BoardSurface() = 0;
    // The board rectangle the window shows; a pointer outside it is held to its edge.
    virtual TRect ShownArea() { return {0, 0, BoardSurface().Width(), BoardSurface().Height()}; }
    // Where the previews are drawn in XOR mode, over the last painted board.
    virtual Canvas& WindowSurface() = 0;

    // The tool that shows as pressed.
    virtual TTool CheckedTool() const = 0;
    // Checks the select tool, as after a part has been placed.
    virtual void CheckSelectTool() = 0;
    // The menu to open when the right button is released; None takes the menu away.
    virtual void SetContextMenu(TPopupMenu menu) = 0;
    // The window's title names the document.
    virtual void SetTitle(const std::string& title) = 0;
    // The hourglass while a file is read or written.
    virtual void SetBusy(bool busy) = 0;
    // The board holds another document (new or opened): what the window shows of the last one goes.
    virtual void DocumentReplaced() {}
    // The board point under the mouse pointer while the pointer is over the board; none otherwise.
    virtual std::optional<TPoint> PointerOnBoard() const { return std::nullopt; }
};

// The hourglass for as long as a long command runs, whichever way it ends.
class TBusy {
public:
    explicit TBusy(EditorHost& host) : host_(host) { host_.SetBusy(true); }
    ~TBusy() { host_.SetBusy(false); }
    TBusy(const TBusy&) = delete;
    TBusy& operator=(const TBusy&) = delete;

private:
    EditorHost& host_;
};
