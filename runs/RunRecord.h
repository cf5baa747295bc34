#pragma once

#include "PartsBase.h"

#include <cstddef>
#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

class TBord;
class TRunControl;
struct TCircuitContext;

// One press or release of the mouse that reached a part during a run.
struct TRunAction {
    enum TKind { Press, Release };
    // The pass after which the action was served.
    int64_t Pass = 1;
    TKind Kind = Press;
    // The part's positional name, the one a save of the board writes: its class name and its
    // place in the board's list, counted from 0 over every object.
    std::string Name;
    // The line of the record file it was read from; 0 when it was not read from one.
    size_t Line = 0;
};

// The record of the last run: the circuit text the run started from and every press and release
// that reached a part, in the order they were served. Replayed on that circuit, the actions give
// the run again pass for pass.
class TRunRecorder {
public:
    // A run begins on the board whose circuit text and context are given; the record starts anew.
    void Begin(TStrings circuitText, const TRunControl& run, const TCircuitContext& context);
    // The run has ended; its record is kept until the next run begins or Forget.
    void End();
    void Forget();
    // Whether a run has been recorded (it may hold no actions).
    bool HasRun() const { return hasRun_; }
    // Whether the board was edited while the run went on (a deletion undone, say): the positional
    // names of the actions may then not be those of the circuit, even when its text is unchanged.
    bool EditedDuringRun() const { return edited_; }
    // Notes an action served while the run goes; actions on objects that are no parts (wires,
    // dots, boxes) and actions outside a run are not recorded.
    void Note(TRunAction::TKind kind, const TBord& board, const TPartsBase& object);
    const TStrings& CircuitText() const { return circuitText_; }
    const std::vector<TRunAction>& Actions() const { return actions_; }

private:
    const TRunControl* run_ = nullptr;
    const TCircuitContext* context_ = nullptr;
    uint64_t editsAtBegin_ = 0;
    bool hasRun_ = false;
    bool edited_ = false;
    TStrings circuitText_;
    std::vector<TRunAction> actions_;
};

// A record file that cannot be read as one, with the line (from 1) that is wrong.
class TRecordError : public std::runtime_error {
public:
    TRecordError(size_t line, const std::string& message) : std::runtime_error(message), Line(line) {}
    size_t Line;
};

// A record file: UTF-8 text with LF line ends; the first line names the circuit file, each
// further line is one action, "P press NAME" or "P release NAME". A circuit file name that is
// blank, reads as an action or begins with a byte order mark is written with "./" before it.
std::string RunRecordText(const std::string& circuitFile, const std::vector<TRunAction>& actions);

struct TRunRecordFile {
    std::string CircuitFile;
    std::vector<TRunAction> Actions;
};

// Reads a record file's text. Blank lines after the first and a CR before a line end are passed
// over. Throws TRecordError for a first line that is blank or an action (no circuit file named),
// a CR that ends a line alone, a line that is no action, a pass below 1, and a pass smaller than
// the one before it.
TRunRecordFile ParseRunRecord(std::string_view text);
