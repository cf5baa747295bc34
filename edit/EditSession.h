#pragma once

#include "EditBatch.h"
#include "EditorHost.h"
#include "EditorState.h"
#include "RunRecord.h"

#include <memory>

// The editor without its window: the editing fields, the circuit they edit and what the window
// does for them, with the little the gestures keep between a press and its release.
struct TEditSession {
    TEditSession(TEditorState& state, TCircuit& circuit, EditorHost& host)
        : State(state), Circuit(circuit), Bord(circuit.Bord), Context(circuit.Context), Host(host)
    {
    }

    TEditorState& State;
    TCircuit& Circuit;
    TBord& Bord;
    TCircuitContext& Context;
    EditorHost& Host;

    // A dot created at a press: its creation batch stays open until the dot is dropped.
    TDot* NewDot = nullptr;
    std::unique_ptr<TEditBatch> NewDotBatch;
    // The object the last press chose to act on, if any.
    TPartsBase* Pressed = nullptr;
    // The part the press under way created: its creation alone is recorded, not its drag.
    TPartsBase* CreatedPart = nullptr;
    // The presses and releases that reach parts during the last run.
    TRunRecorder Recorder;

    // Forgets what a command has taken off the board meanwhile (undo, delete): selected objects and
    // the level being edited.
    void PruneSelection();
    // Drops a dot created at an earlier press that no release has dropped yet, where it stands,
    // so that its creation becomes an undo step before any other edit records.
    void FinishPendingDot();
    // The board drawn anew with the red frames of the selection, then shown.
    void ShowSelection();
};
