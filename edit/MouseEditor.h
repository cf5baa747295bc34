#pragma once

#include "Gestures.h"

// The mouse machine of the board: routes each pointer event by the run state and the Shift key,
// reads an editing press into a state and a gesture, and carries the gesture to its release.
class TMouseEditor {
public:
    explicit TMouseEditor(TEditSession& session);

    // Points are the board's raw pointer positions.
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y);
    void MouseMove(TShiftState shift, int x, int y);
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y);
    // A double click at the point of the press it ends: a text box there opens its editor.
    void DblClick(int x, int y);
    // Abandons the gesture under way; nothing more is moved or recorded for it.
    void Escape();
    // The window surface was painted anew: the gesture under way shows its preview again.
    void ShowPreview();

private:
    void SimulationPress(TMouseButton button, TShiftState shift, int x, int y);
    void SimulationRelease(TMouseButton button, TShiftState shift, int x, int y);
    void PopupChoice(int x, int y);
    void AddToSelection(int x, int y);
    void EditPress(int rawX, int rawY);
    // The pressed object and the first state, from what lies under the press and the tools.
    void ClassifyPress(int x, int y);
    void CreateArmedPart(int x, int y);
    void EditMove(int rawX, int rawY);
    void EditRelease(int rawX, int rawY);
    TGesture* GestureOf(TEditState state);
    TContainer* ContainerUnder(int x, int y) const;
    // Keeps a dragging pointer on the board, so that whatever it drops can be grabbed again.
    TPoint OnBoard(int x, int y) const;

    TEditSession& s_;
    TEditorState& st_;
    TRangeGesture range_;
    TDragGesture drag_;
    TMultiDragGesture multiDrag_;
    TWireGesture wire_;
    TDotGesture dot_;
    TResizeGesture resize_;
};
