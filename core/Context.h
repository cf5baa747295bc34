#pragma once

#include "Board.h"
#include "BoardLook.h"
#include "Cursor.h"
#include "EngineMode.h"
#include "NetMarks.h"
#include "Undo.h"
#include "WindowFactory.h"

#include <memory>
#include <string>
#include <vector>

class TNetLevels;

// Where the program's own messages go; the window shows them in a box.
class MessageSink {
public:
    virtual ~MessageSink() = default;
    virtual void ShowMessage(const std::string& text) = 0;
};

// The state that the main board, the trash board and every placed object share: the undo
// history, the batch being recorded and the run flag. Two circuits in one process never meet.
struct TCircuitContext {
    TBord* MainBord = nullptr;
    TBord* TrashBord = nullptr;
    std::unique_ptr<TUndoQue> UndoQue;
    // The commands of the edit being recorded; none when no edit records.
    std::unique_ptr<TCommandBatch> CommandBatch;
    bool Simulating = false;
    // Indicators show their inputs: while a run is paused, stepped or held to a speed, so that a
    // student sees every pass, lamps and the dot matrix are drawn from the level their inputs ask
    // for, not through their afterglow. The afterglow is computed all the same; only what is drawn
    // differs. The run control sets it while it runs; the drawing of those parts reads it.
    bool IndicatorsShowInputs = false;
    // How runs compute their passes; the command line may force a mode.
    TEngineMode Engine = TEngineMode::Auto;
    // How the board is drawn: the user's colour scheme and what a picture leaves out.
    TBoardLook Look;
    // The nets' levels that wires, dots and terminals are drawn in; none in the editing look.
    const TNetLevels* ShownLevels = nullptr;
    // The editing look's marks on the nets.
    TNetMarks Marks;
    // Raised by every change made to the boards outside the passes (objects added or removed, new
    // terminals, recorded edits, undo and redo), and by every press or release handed to a part: a
    // running engine compiles the board anew, or passes everything, before its next pass.
    uint64_t Edits = 0;
    uint64_t Pokes = 0;
    MessageSink* Messages = nullptr;
    // Editors, scope windows and display images of the front end; headless ones when none.
    WindowFactory* Windows = nullptr;
    // The shape the front end shows over the board; the editor sets the arrow before MouseMove.
    TCursorShape Cursor = TCursorShape::Arrow;

    void OpenBatch() { CommandBatch = std::make_unique<TCommandBatch>(); }
    // Hands the open batch to the undo history.
    void PushBatch();
    // Appends to the open batch; a change made while no edit records is simply not undoable.
    void Record(std::unique_ptr<TCommand> command);
    void ShowMessage(const std::string& text) const;

    // Terminals and objects that a running simulation's driven-input lists may still name are
    // parked here until the next link pass rebuilds those lists.
    void Retire(std::unique_ptr<TTanshi> tanshi) { retiredTanshis_.push_back(std::move(tanshi)); }
    void Retire(std::unique_ptr<TPartsBase> object) { retiredObjects_.push_back(std::move(object)); }
    void ReleaseRetired();

private:
    std::vector<std::unique_ptr<TTanshi>> retiredTanshis_;
    std::vector<std::unique_ptr<TPartsBase>> retiredObjects_;
};

// A whole circuit: the main board with its surface, the trash board and their shared context.
class TCircuit {
public:
    explicit TCircuit(Canvas* boardSurface = nullptr);
    TCircuit(const TCircuit&) = delete;
    TCircuit& operator=(const TCircuit&) = delete;
    // The undo history goes first, then the trash board's objects, then the main board's.
    ~TCircuit();

    TCircuitContext Context;
    TBord Bord;
    TBord TrashBord;
    TUndoQue& UndoQue() { return *Context.UndoQue; }
};
