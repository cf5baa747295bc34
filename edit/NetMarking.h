#pragma once

class TBord;
class TPartsBase;

// The editing look's marks on the nets (the context's Marks). Both link the board's terminals
// afresh, as a run's start does, which changes nothing a run or a file sees.
//
// Picks the net of a wire or junction dot, through dots and sub-board terminals, to be drawn in the
// highlight colour; anything else lets the picked net go. Answers whether the marks changed.
bool PickNet(TBord& board, const TPartsBase* pressed);
// After the board changed: the points where a second output joins a net, and no picked net any more.
void RefreshNetMarks(TBord& board);
