#pragma once

#include "EditState.h"
#include "PartsU.h"

#include <cstdint>
#include <string>

// The main window's editing fields: the selection, the armed tool and the mouse machine's state.
struct TEditorState {
    int32_t GridX = 10;
    int32_t GridY = 10;
    // In the order the objects were added; owns nothing.
    TPartsList SelectedParts;
    // The objects under the pointer at the last press, topmost first.
    TPartsList HitParts;
    uint8_t HitResult = 0;
    // The sub-board whose inside the last press edits; none at top level.
    TContainer* CurContainer = nullptr;
    TEditState EditState = esNone;
    TCodeDir CodeDir = TCodeDir::None;
    // A wire being resized is grabbed at its start end.
    bool SizeFromStart = false;
    // The wire's preview ends on a terminal or a wire: the next release lays both legs and ends it.
    bool WireEndsHere = false;
    // Alt was held at the last pointer event: a drag moves its objects without their wires.
    bool AltHeld = false;
    int32_t DownX = 0, DownY = 0;
    int32_t StartX = 0, StartY = 0;
    int32_t CurX = 0, CurY = 0;
    int32_t LastDragX = 0, LastDragY = 0;
    // The class of the part the next press creates, by its stored name; empty for none, and
    // "TMacro" for the macro held in PartsText.
    std::string ToolClass;
    int32_t ToolPartNo = 0;
    bool Modified = false;
    // A text box's editor has been opened; only a press on empty board space clears it.
    bool TextEditing = false;
    TPartsBase* PopupPart = nullptr;
    TStrings PartsText;
    TStrings MacroNames;

    // x or y rounded to the nearest grid line.
    int32_t SnapX(int32_t x) const { return Snap(x, GridX); }
    int32_t SnapY(int32_t y) const { return Snap(y, GridY); }
    TPartsBase* FirstSelected() const { return SelectedParts.Empty() ? nullptr : SelectedParts.Items(0); }
    void SelectOnly(TPartsBase* object)
    {
        SelectedParts.Clear();
        if (object) SelectedParts.Add(object);
    }

private:
    // Integer division truncates toward zero, so -16 snaps to -10 and -4 to 0.
    static int32_t Snap(int32_t v, int32_t step)
    {
        return SaturateInt32((int64_t{v} + step / 2) / step * step);
    }
};
