#pragma once

#include "EditBatch.h"
#include "FollowingWires.h"
#include "PartsU.h"

#include <memory>
#include <string>
#include <vector>

// The finished edits of the mouse and the selection commands, each one undo step with the label
// the history keeps for it. They change the board and record; drawing is the caller's.

// A new object of the named class with the tool's PartNo, its corner on (x, y) inside level;
// its creation is one step of its own. None when the class is unknown or a batch is open.
TPartsBase* CreatePart(TBord& board, Canvas* windowSurface, const std::string& className, int32_t partNo,
                       TContainer* level, int x, int y);

// A new dot inside level, to be centred on (cx, cy) when it is dropped: its creation is recorded
// into the batch the caller keeps open until the drop.
TDot* CreateDot(TBord& board, Canvas* windowSurface, TContainer* level, int cx, int cy);
// Drops the dot centred on (cx, cy), cutting the wires through its new centre and joining those
// it leaves. A dot created at the press completes the creation batch it is handed; an existing
// dot records its own step "MouseUp CreateDot".
void DropDot(TDot& dot, int cx, int cy, std::unique_ptr<TEditBatch> creation);

// A wire along the route inside level, each leg on one row or column, as one step "MouseUp
// DrawingCode": every leg merged with the collinear wires it continues, and joined by a junction
// dot wherever one of its ends meets the body of a wire running across it (a T); a crossing stays
// a crossing. Answers the wire that holds the last leg.
TCode* DrawWireRoute(TBord& board, Canvas* windowSurface, TContainer* level, const std::vector<TPoint>& route,
                     TPoint grab);

// The first selected object dropped with its corner on (left, top), then re-boxed and merged with
// the wires it continues; recorded as "MouseUp SelectingPart" when record is set (a part placed by
// this very gesture is recorded by its creation). The followers, collected at the press, are
// reshaped in the same step unless the drop changed the object's level. Answers the wire that took
// it in, if any.
TPartsBase* DropObject(TPartsList& selection, int left, int top, bool record, const TFollowingWires& followers);
// Every selected object moved by the same offset as the first, which lands on (left, top), then
// re-boxed, with the followers reshaped: one step "MouseUp MultiSelect".
void DropSelection(TPartsList& selection, int left, int top, const TFollowingWires& followers);

// Puts moved objects into the sub-board that wholly encloses all of them, or takes them out to
// the top level when none does; objects straddling an edge, terminal parts dropped outside every
// box, and a box dropped into itself or its own contents keep their level.
void ReparentMoved(TBord& board, const TPartsList& moved);

// A new sub-board with the corners given inside level: one step "MouseUp MouseDown". It takes in
// the objects wholly inside it, and every wire running from inside out is cut at the edge and
// joined through a sub-board terminal there, so that the circuit computes as before. When that
// cannot be done, nothing changes: none is answered, and refusal says why.
TContainer* CreateSubBoard(TBord& board, Canvas* windowSurface, TContainer* level, TRect corners, std::string& refusal);

// A wire or box takes the size its resize preview left in DragWidth and DragHeight. A resized
// wire merges with the wires it now continues; answers the wire that holds it.
TPartsBase* ResizeObject(TPartsBase& object);

// Deletes one object as the step "One Part"; a dot joins again the wires it had cut.
void DeleteObject(TPartsBase& object);
// Deletes the objects and everything inside the sub-boards among them as the step "Multi Parts".
void DeleteObjects(TBord& board, TPartsList& objects);
