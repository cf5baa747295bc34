#pragma once

#include <array>
#include <memory>
#include <string>
#include <vector>

class TBord;
class TContainer;
struct TCircuitContext;
class TPartsBase;

// One recorded change of one object; a batch of them is one undoable step.
class TCommand {
public:
    TCommand(TPartsBase* part, std::string label) : Part(part), Label(std::move(label)) {}
    virtual ~TCommand() = default;
    virtual void Undo() = 0;
    virtual void Redo() = 0;

    TPartsBase* Part;
    // Diagnostic text only; it never influences behaviour.
    std::string Label;
};

struct TGeometry {
    int32_t Left = 0, Top = 0, Width = 0, Height = 0, OffsetLeft = 0, OffsetTop = 0;
    TContainer* Container = nullptr;
    friend bool operator==(const TGeometry&, const TGeometry&) = default;
};

// Redo puts the object back exactly where undo took it from: an edit may still place what it
// created after its step was recorded (a paste moved aside, a macro moved to the press), and the
// recorded moves of the step give only the places before that.
class TCreateCommand : public TCommand {
public:
    using TCommand::TCommand;
    void Undo() override;
    void Redo() override;

private:
    TGeometry undone_;
};

class TDeleteCommand : public TCommand {
public:
    using TCommand::TCommand;
    void Undo() override;
    void Redo() override;
};

class TMoveCommand : public TCommand {
public:
    TMoveCommand(TPartsBase* part, std::string label, const TGeometry& before, const TGeometry& after)
        : TCommand(part, std::move(label)), Before(before), After(after)
    {
    }
    void Undo() override;
    void Redo() override;

    TGeometry Before;
    TGeometry After;
};

class TSetPropCommand : public TCommand {
public:
    TSetPropCommand(TPartsBase* part, std::string label, std::string propName, std::string oldValue,
                    std::string newValue)
        : TCommand(part, std::move(label)), PropName(std::move(propName)), OldValue(std::move(oldValue)),
          NewValue(std::move(newValue))
    {
    }
    void Undo() override;
    void Redo() override;

    std::string PropName;
    std::string OldValue;
    std::string NewValue;
};

using TCommandBatch = std::vector<std::unique_ptr<TCommand>>;

// The bounded ring of undoable batches: one guard slot and the free slot at Current leave at most
// Capacity - 2 batches to undo.
class TUndoQue {
public:
    explicit TUndoQue(TCircuitContext& context) : context_(context) {}

    void Push(std::unique_ptr<TCommandBatch> batch);
    // Reverts or re-applies one batch and recomputes the links of the main board; the caller redraws.
    void Undo();
    void Redo();
    bool CanUndo() const { return UndoCount != 0; }
    bool CanRedo() const { return Current != RedoEnd; }
    void Clear();

    int Current = 1;
    int RedoEnd = 1;
    int Oldest = 0;
    int UndoCount = 0;
    int Capacity = 52;
    std::array<std::unique_ptr<TCommandBatch>, 100> Batches;

private:
    int Next(int i) const { return (i + 1) % Capacity; }
    int Prev(int i) const { return i == 0 ? Capacity - 1 : i - 1; }
    void DropOldest(int slot);

    TCircuitContext& context_;
};
