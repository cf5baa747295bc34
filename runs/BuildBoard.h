#pragma once

#include "Canvas.h"
#include "Context.h"
#include "PartsBase.h"

#include <compare>
#include <optional>
#include <string>
#include <vector>

class TContainer;

// A point of a layout; ordered, so that points can key maps and sets.
struct TPt {
    int x = 0;
    int y = 0;
    auto operator<=>(const TPt&) const = default;
};

// The board font as the editor measures a label with it: a half-width character 6 pixels wide, a full-width one 12,
// a line 12 high.
class TLabelMetrics : public NullCanvas {
public:
    int TextWidth(const std::string& text) override;
    int TextHeight(const std::string&) override { return 12; }
};

// The board a circuit is built on: real parts created through the class registry, so that their sizes and terminals
// are the parts' own, and written by the one circuit writer. A new part stands at the origin until it is put.
class TBuildBoard {
public:
    TBuildBoard() : circuit_(&metrics_) {}

    // A part of the class, with that PartNo when one is given.
    TPartsBase& Part(const char* className, std::optional<int> partNo = std::nullopt);
    // The width and height of such a part, which stays off the board.
    TPt Size(const char* className, std::optional<int> partNo = std::nullopt);
    // A horizontal or vertical wire from a to b.
    TPartsBase& Wire(TPt a, TPt b);
    TPartsBase& Dot(TPt centre);
    // A label of one line, as wide and high as the board font makes it.
    TPartsBase& Label(const std::string& text);
    // A sub-board box at the point; Adopt puts the parts inside it, where they stand.
    TContainer& Box(TPt at, int width, int height);
    static void Adopt(TContainer& box, const std::vector<TPartsBase*>& parts);

    // Circuit text of the parts in that order; a part inside a box that is listed too is written inside it.
    static TStrings Text(const std::vector<TPartsBase*>& parts);

private:
    TLabelMetrics metrics_;
    TCircuit circuit_;
};

// Moves the part so that its top-left corner stands at the point.
void Put(TPartsBase& part, TPt at);
// Moves the part so that its point from (a terminal, say) comes to lie at to.
void Bring(TPartsBase& part, TPt from, TPt to);
// Where the terminals of the part lie on the board, in terminal order: every one, its inputs, its first output.
std::vector<TPt> Pins(const TPartsBase& part);
std::vector<TPt> InputPins(const TPartsBase& part);
TPt OutputPin(const TPartsBase& part);

// Puts a label left of the part, or right of it, centred on its height; or just above it.
void PutLeftOf(TPartsBase& label, const TPartsBase& part);
void PutRightOf(TPartsBase& label, const TPartsBase& part);
void PutAbove(TPartsBase& label, const TPartsBase& part);
