#include "CircuitBuilder.h"

#include "BuildBoard.h"
#include "BuildLayout.h"
#include "Container.h"
#include "Cp932.h"
#include "PartU.h"

#include <algorithm>
#include <cstddef>
#include <initializer_list>
#include <set>
#include <stdexcept>

namespace {

void CheckName(const std::string& name)
{
    if (name.empty()) throw std::invalid_argument("circuit builder: an empty name");
    for (const char c : name)
        if (static_cast<unsigned char>(c) < 32 || c == 127)
            throw std::invalid_argument("circuit builder: a name with a control character");
    if (name.front() == ' ' || name.back() == ' ')
        throw std::invalid_argument("circuit builder: a name with blanks around it");
    // A label the file would keep as '?' could not mark its column once the circuit is saved.
    bool lost = false;
    if (!IsAscii(name)) Utf8ToCp932(name, &lost);
    if (lost) throw std::invalid_argument("circuit builder: a name a circuit file cannot hold");
}

void CheckTable(const TAnalysisTable& table)
{
    const int n = static_cast<int>(table.Inputs.size());
    if (n < 1) throw std::invalid_argument("circuit builder: a function of no inputs");
    if (table.Outputs.empty() || table.Functions.size() != table.Outputs.size())
        throw std::invalid_argument("circuit builder: no outputs, or not a function for each");
    for (const TBoolFunction& f : table.Functions)
        if (f.Inputs() != n) throw std::invalid_argument("circuit builder: the names do not match the inputs");
    std::set<std::string> names;
    for (const auto* side : {&table.Inputs, &table.Outputs})
        for (const std::string& name : *side) {
            CheckName(name);
            if (!names.insert(name).second) throw std::invalid_argument("circuit builder: a name given twice");
        }
}

std::vector<TPartsBase*> Joined(std::initializer_list<const std::vector<TPartsBase*>*> lists)
{
    std::vector<TPartsBase*> all;
    for (const std::vector<TPartsBase*>* list : lists) all.insert(all.end(), list->begin(), list->end());
    return all;
}

}  // namespace

TStrings BuildCircuit(const TAnalysisTable& table, TGateStyle style, bool productOfSums)
{
    CheckTable(table);
    TBuildBoard board;
    const TLayout layout = LayOut(board, table, style, productOfSums, 0, TLayoutEnds::SwitchesAndLamps);
    return TBuildBoard::Text(Joined({&layout.Parts, &layout.Wires, &layout.Dots, &layout.Labels}));
}

TBuiltSubBoard BuildSubBoard(const TAnalysisTable& table, TGateStyle style, bool productOfSums)
{
    CheckTable(table);
    TBuildBoard board;
    // Room left of the box for a switch per input and its label, in the circuit that tries it.
    constexpr int testerRoom = 40;
    const TLayout layout = LayOut(board, table, style, productOfSums, testerRoom, TLayoutEnds::Terminals);
    const size_t n = table.Inputs.size(), outputs = table.Outputs.size();
    const std::vector<TPartsBase*> ins(layout.Parts.begin(), layout.Parts.begin() + static_cast<std::ptrdiff_t>(n));
    const std::vector<TPartsBase*> outs(layout.Parts.end() - static_cast<std::ptrdiff_t>(outputs), layout.Parts.end());

    // The box reaches from the input terminals, on its left edge, to the output terminals, on its right edge, and
    // down past the lowest part or wire.
    const int boxLeft = ins.front()->Left, boxRight = outs.back()->Left + outs.back()->Width;
    const int boxTop = ins.front()->Top - 20;
    int bottom = 0;
    for (const auto* list : {&layout.Parts, &layout.Wires})
        for (const TPartsBase* p : *list) bottom = std::max(bottom, p->Top + p->Height);
    TContainer& box = board.Box({boxLeft, boxTop}, boxRight - boxLeft, bottom + 20 - boxTop);
    const std::vector<TPartsBase*> inside = Joined({&layout.Parts, &layout.Wires, &layout.Dots});
    TBuildBoard::Adopt(box, inside);

    // Outside: each input's name left of its terminal, each output's right of its terminal.
    std::vector<TPartsBase*> placed{&box};
    placed.insert(placed.end(), inside.begin(), inside.end());
    placed.insert(placed.end(), layout.Labels.begin(), layout.Labels.begin() + static_cast<std::ptrdiff_t>(n));
    for (size_t k = 0; k < outputs; ++k) {
        TPartsBase& label = board.Label(table.Outputs[k]);
        PutRightOf(label, *outs[k]);
        placed.push_back(&label);
    }
    TBuiltSubBoard built;
    built.Placed = TBuildBoard::Text(placed);

    // The circuit that tries it: a labelled switch wired to each input terminal, a labelled lamp to each output one,
    // a pitch away from the terminal's outer side.
    std::vector<TPartsBase*> tester{&box};
    tester.insert(tester.end(), inside.begin(), inside.end());
    for (size_t i = 0; i < n; ++i) {
        const TPt outer = InputPins(*ins[i]).at(0);
        TPartsBase& input = board.Part("TTglSW");
        Bring(input, OutputPin(input), {outer.x - 20, outer.y});
        TPartsBase& label = board.Label(table.Inputs[i]);
        PutLeftOf(label, input);
        tester.insert(tester.end(), {&input, &board.Wire(OutputPin(input), outer), &label});
    }
    for (size_t k = 0; k < outputs; ++k) {
        const TPt outer = OutputPin(*outs[k]);
        auto& lamp = static_cast<TLED&>(board.Part("TLED"));
        lamp.ZanzoTime = 1;
        Bring(lamp, InputPins(lamp).at(0), {outer.x + 20, outer.y});
        TPartsBase& label = board.Label(table.Outputs[k]);
        PutAbove(label, lamp);
        tester.insert(tester.end(), {&lamp, &board.Wire(outer, InputPins(lamp).at(0)), &label});
    }
    built.Tester = TBuildBoard::Text(tester);
    return built;
}

TTableResult TryBuilt(const TBuiltSubBoard& built, const TAnalysisTable& table)
{
    return CheckCircuitText(AnalysisTest(table, true), built.Tester);
}
