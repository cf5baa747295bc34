#pragma once

#include "EditSession.h"

class Shell;

// Copy, cut and paste through the system clipboard as circuit text; while the one selected text
// box has its editor open, on the editor's text instead.
void CopySelection(TEditSession& s, Shell& shell);
void CutSelection(TEditSession& s, Shell& shell);
// Pastes circuit text with its top-left corner at the snapped pointer when the pointer is over the
// board, otherwise 10 pixels right of and below where it was copied, into the box being edited, as
// one undo step. Text that breaks the format adds nothing and says where it broke.
void PasteClipboard(TEditSession& s, Shell& shell);
// Places circuit text on the board, right of everything there with its top edge level with theirs,
// as one undo step, the placed objects selected; false, with the reason told, when it cannot.
bool PlaceBeside(TEditSession& s, Shell& shell, const TStrings& lines);

// The selection and, after it, everything inside its sub-boards, each nested box followed at once
// by its contents; every object once.
TPartsList CopiedObjects(const TPartsList& selection);
