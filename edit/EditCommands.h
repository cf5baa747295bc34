#pragma once

#include "EditSession.h"

class TTextBox;

// The commands of the main window that act on the selection and on the undo history.

// Deletes the selection as one undo step: one object, or several, or a sub-board with everything
// inside it; a dot's wires are joined again. With the editor of the one selected text box open,
// deletes the editor's selected text instead.
void DeleteSelection(TEditSession& s);
// Selects every object of every level.
void SelectAll(TEditSession& s);
// Turns every selected object a quarter clockwise, each turn its own undo step.
void RotateSelection(TEditSession& s);
// Draws a sub-board around the selection, a margin wide, and selects it: the objects inside go
// into it and every wire crossing its edge passes through a sub-board terminal, as one step. When
// a connection could not be kept, a message says why and nothing changes.
void BoxSelection(TEditSession& s);
void UndoEdit(TEditSession& s);
void RedoEdit(TEditSession& s);

// The popup menus' items on the part the right press chose.
void RotatePopupPart(TEditSession& s);
void ShowPopupScope(TEditSession& s);

// The one selected text box while its editor is open: the clipboard and the delete then act on
// the editor's text. None once the editor has closed, whatever the selection.
TTextBox* EditedTextBox(const TEditorState& st);
