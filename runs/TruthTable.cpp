#include "TruthTable.h"

#include "CircuitFile.h"
#include "CircuitText.h"
#include "FeedbackLoops.h"
#include "HeadlessCircuit.h"
#include "Messages.h"
#include "ParallelRows.h"
#include "PartU.h"
#include "RowBits.h"
#include "RowHistory.h"
#include "TableCheck.h"
#include "TableColumns.h"
#include "UsageError.h"

#include <algorithm>
#include <optional>
#include <utility>
#include <unordered_map>

namespace {

bool KeepsAState(const TPartsBase& o)
{
    static const char* const classes[] = {"TJKFF", "TDFF", "TTFF", "TPulser", "TOneShot"};
    return std::any_of(std::begin(classes), std::end(classes),
                       [&](const char* name) { return o.ClassName() == std::string(name); });
}

bool IsInput(const TPartsBase& o) { return dynamic_cast<const TSwitch*>(&o) != nullptr; }
bool IsOutput(const TPartsBase& o) { return dynamic_cast<const TLED*>(&o) || dynamic_cast<const TLED7SEG*>(&o); }

// The text of the first label that marks the object, as a test table reads labels; empty when none does.
std::string LabelOf(const TBord& board, const TPartsBase& object, bool input)
{
    for (int b = 0; b < board.Count(); ++b) {
        const auto* box = dynamic_cast<const TTextBox*>(board.Items(b));
        if (!box || box->DrawnLines.empty()) continue;
        for (const std::string& line : box->DrawnLines) {
            const size_t first = line.find_first_not_of(" \t");
            if (first == std::string::npos) continue;
            const std::string text = line.substr(first, line.find_last_not_of(" \t") + 1 - first);
            if (LabelledObject(board, text, input) == &object) return text;
            break;
        }
    }
    return {};
}

void AddColumn(const TBord& board, const TPartsBase& object, const std::string& name, bool input, TTruthTable& table)
{
    const std::string label = LabelOf(board, object, input);
    (input ? table.Inputs : table.Outputs).push_back(label.empty() ? name : label);
    (input ? table.InputObjects : table.OutputObjects).push_back(name);
    (input ? table.InputLabelled : table.OutputLabelled).push_back(!label.empty());
    if (!input) table.OutputDisplays.push_back(dynamic_cast<const TLED7SEG*>(&object) != nullptr);
}

std::string Joined(const std::vector<std::string>& names, const char* separator)
{
    std::string text;
    for (const std::string& name : names) text += (text.empty() ? "" : separator) + name;
    return text;
}

struct TAddedTerminal {
    std::string Name;  // NAME.I
    bool Labelled;     // a label named it
    const TTanshi* Terminal;
};

// The terminal an added column names: NAME.I of an object's name, or else the output terminal of a part beside which
// a label has the column's text, as a probe's channels are named; none when nothing does.
std::optional<TAddedTerminal> AddedTerminal(const TBord& board,
                                            const std::unordered_map<const TPartsBase*, std::string>& nameOf,
                                            const std::string& column)
{
    for (const auto& [object, name] : nameOf)
        for (int t = 0; t < object->Tanshis.Count(); ++t)
            if (column == name + "." + std::to_string(t))
                return TAddedTerminal{column, false, object->Tanshis.Items(t)};
    for (int i = 0; i < board.Count(); ++i) {
        const TPartsBase& o = *board.Items(i);
        const auto named = nameOf.find(&o);
        if (named == nameOf.end() || IsInput(o) || IsOutput(o)) continue;
        for (int t = 0; t < o.Tanshis.Count(); ++t) {
            const TTanshi& terminal = *o.Tanshis.Items(t);
            if (terminal.Direction == dirOutput && LabelBeside(board, o, o.LocalToBoard(terminal.GetPos())) == column)
                return TAddedTerminal{named->second + "." + std::to_string(t), true, &terminal};
        }
    }
    return std::nullopt;
}

// The rows run one by one, each from a fresh start, and the loops behind a row that depends on the rows before it.
void RunRows(TTruthTable& table, TBord& board, const TNamedObjects& named,
             const std::unordered_map<const TPartsBase*, std::string>& nameOf,
             const std::vector<std::vector<const TTanshi*>>& outputTerminals, const TStrings& lines, TEngineMode engine)
{
    // The rows as a test table of the objects' names, every output a don't-care that is read back.
    TTestTable test;
    for (const std::string& name : table.InputObjects) test.Inputs.push_back({name, name, false});
    for (const std::string& name : table.OutputObjects) test.Outputs.push_back({name, name, false});
    const size_t inputs = table.Inputs.size(), rows = size_t{1} << inputs;
    for (size_t r = 0; r < rows; ++r) {
        TTableRow row;
        row.Line = r + 1;
        const std::string bits = RowBits(r, inputs);
        row.Values.assign(bits.begin(), bits.end());
        row.Values.insert(row.Values.end(), table.Outputs.size(), 'X');
        test.Rows.push_back(std::move(row));
    }
    const TRowHistory history = RunRowsFresh(test, board, named, lines, engine);
    const TFeedbackLoops loops(board);
    for (size_t r = 0; r < rows; ++r) {
        const TRowResult& fresh = history.Fresh[r];
        table.Rows.emplace_back(fresh.Actual.begin(), fresh.Actual.end());
        table.Settled.push_back(fresh.Verdict != TRowResult::Unsettled);
        table.History.push_back(!history.Differing[r].empty());
        std::vector<const TTanshi*> differing;
        for (const size_t c : history.Differing[r])
            differing.insert(differing.end(), outputTerminals[c].begin(), outputTerminals[c].end());
        std::vector<std::string> names;
        if (!differing.empty()) {
            // No loop feeds the outputs: one elsewhere, settling or not by what it holds, made the row settle or not.
            std::vector<const TPartsBase*> parts = loops.Behind(differing);
            if (parts.empty()) parts = loops.All();
            for (const TPartsBase* part : parts) names.push_back(nameOf.at(part));
        }
        table.Loops.push_back(std::move(names));
    }
}

// The table of the circuit loaded on board from lines, its objects named by names.
TTruthTable LoadedTruthTable(TBord& board, const TPartsList& objects, const std::vector<std::string>& names,
                             const std::vector<std::string>& added, const TStrings& lines, TEngineMode engine)
{
    std::unordered_map<const TPartsBase*, std::string> nameOf;
    for (size_t i = 0; i < names.size() && i < static_cast<size_t>(objects.Count()); ++i)
        nameOf.try_emplace(objects.Items(static_cast<int>(i)), names[i]);
    TTruthTable table;
    std::vector<std::string> stateful;
    std::vector<TSwitch*> switches;
    // Per output column the terminals whose levels it shows.
    std::vector<std::vector<const TTanshi*>> outputTerminals;
    // The lamps' input terminals, while every output is a lamp.
    std::vector<const TTanshi*> lampInputs;
    bool onlyLamps = true;
    for (int i = 0; i < board.Count(); ++i) {
        TPartsBase& o = *board.Items(i);
        const std::string& name = nameOf.try_emplace(&o, o.ClassName() + std::to_string(i)).first->second;
        if (KeepsAState(o)) stateful.push_back(name);
        if (IsInput(o)) {
            AddColumn(board, o, name, true, table);
            switches.push_back(dynamic_cast<TSwitch*>(&o));
        }
        if (IsOutput(o)) {
            AddColumn(board, o, name, false, table);
            const bool lamp = dynamic_cast<const TLED*>(&o) && o.Tanshis.Count() > 0;
            onlyLamps = onlyLamps && lamp;
            if (lamp) lampInputs.push_back(o.Tanshis.Items(0));
            outputTerminals.emplace_back(o.Tanshis.begin(), o.Tanshis.end());
        }
    }
    for (const std::string& column : added) {
        const auto terminal = AddedTerminal(board, nameOf, column);
        if (!terminal)
            throw TUsageError(Tr("No terminal is named %1, and no label beside a part's output says it", {column}));
        const auto& titles = table.Outputs;
        if (std::find(titles.begin(), titles.end(), column) != titles.end() ||
            std::find(table.Inputs.begin(), table.Inputs.end(), column) != table.Inputs.end())
            throw TUsageError(Tr("The table has a column %1 already", {column}));
        table.Outputs.push_back(column);
        table.OutputObjects.push_back(terminal->Name);
        table.OutputLabelled.push_back(terminal->Labelled);
        table.OutputDisplays.push_back(false);
        outputTerminals.push_back({terminal->Terminal});
        onlyLamps = false;
    }
    if (!stateful.empty())
        throw TUsageError(Tr("The circuit is not combinational: %1 keep a state or a clock of their own, so it has "
                             "no truth table",
                             {Joined(stateful, ", ")}));
    if (table.Inputs.empty() || table.Outputs.empty())
        throw TUsageError(Tr("A truth table needs at least one toggle switch or push button as an input and one lamp "
                             "or seven-segment display as an output"));
    if (table.Inputs.size() > MaxTruthInputs)
        throw TUsageError(Tr("The circuit has %1 inputs; a truth table takes at most %2",
                             {std::to_string(table.Inputs.size()), std::to_string(MaxTruthInputs)}));

    // Gates without feedback and lamps that show their inputs at rest: 64 rows at once, each what a
    // fresh start settles to, whatever rows came before.
    if (onlyLamps) {
        TParallelRows parallel(board, switches, lampInputs);
        if (parallel.Supported() && parallel.LampsShowTheirInputs())
            if (const std::optional<TParallelTable> rows = parallel.Table()) {
                for (size_t r = 0; r < rows->Rows; ++r) {
                    std::string values;
                    for (size_t o = 0; o < rows->Outputs; ++o) values += rows->High(r, o) ? '1' : '0';
                    table.Rows.push_back(std::move(values));
                }
                table.Settled.assign(rows->Rows, true);
                table.History.assign(rows->Rows, false);
                table.Loops.assign(rows->Rows, {});
                return table;
            }
    }
    RunRows(table, board, TNamedObjects(names, objects), nameOf, outputTerminals, lines, engine);
    return table;
}

}  // namespace

TTruthTable CircuitTruthTable(TBord& board)
{
    TPartsList objects;
    board.CopyParts(objects);
    TStrings lines;
    SaveParts(objects, lines);
    return TextTruthTable(lines, board.Context().Engine);
}

TTruthTable TextTruthTable(const TStrings& lines, TEngineMode engine, const std::vector<std::string>& added)
{
    THeadlessCircuit circuit(lines, engine);
    return LoadedTruthTable(circuit.Bord(), circuit.Loaded(), circuit.Names(), added, lines, engine);
}

TTruthTable FileTruthTable(const std::string& path, TEngineMode engine, const std::vector<std::string>& added)
{
    return TextTruthTable(OpenCircuitFile(path), engine, added);
}

std::string TruthTableCsv(const TTruthTable& table)
{
    // The mark stands in a column of its own, so that every output's column holds only values.
    const bool history = std::find(table.History.begin(), table.History.end(), true) != table.History.end();
    std::string text = Joined(table.Inputs, ",") + "," + Joined(table.Outputs, ",") + (history ? ",history" : "") + "\n";
    const size_t inputs = table.Inputs.size();
    for (size_t r = 0; r < table.Rows.size(); ++r) {
        text += RowBits(r, inputs, ",");
        for (size_t o = 0; o < table.Rows[r].size(); ++o) {
            if (o > 0) text += ',';
            text += table.Settled[r] ? table.Rows[r][o] : '~';
        }
        if (history) text += !table.History[r]       ? ","
                             : table.Loops[r].empty() ? ",*"
                                                      : ",* " + Joined(table.Loops[r], " ");
        text += '\n';
    }
    return text;
}

std::string TruthTableText(const TTruthTable& table)
{
    const auto cell = [](const std::string& value, const std::string& title) {
        const size_t width = std::max<size_t>(title.size(), 1);
        return std::string(width - std::min(width, value.size()), ' ') + value;
    };
    std::string text;
    for (const std::string& name : table.Inputs) text += name + " ";
    text += "|";
    for (const std::string& name : table.Outputs) text += " " + name;
    text += '\n';
    const size_t inputs = table.Inputs.size();
    for (size_t r = 0; r < table.Rows.size(); ++r) {
        for (size_t i = 0; i < inputs; ++i) text += cell(RowBit(r, inputs, i) ? "1" : "0", table.Inputs[i]) + " ";
        text += "|";
        for (size_t o = 0; o < table.Outputs.size(); ++o)
            text += " " + cell(std::string(1, table.Rows[r][o]), table.Outputs[o]);
        if (table.History[r]) text += "  *";
        if (!table.Settled[r]) text += std::string("  ") + Tr("(does not settle)");
        text += '\n';
    }
    if (std::find(table.History.begin(), table.History.end(), true) == table.History.end()) return text;
    const std::vector<std::string> loops = HistoryLoops(table);
    return text +
           (loops.empty() ? Tr("Rows marked * depend on the rows run before them. Each row shows a fresh start with its "
                               "inputs")
                          : Tr("Rows marked * depend on the rows run before them: the loop of %1 keeps a state. Each row "
                               "shows a fresh start with its inputs",
                               {Joined(loops, ", ")})) +
           "\n";
}

std::string TruthTableAsTest(const TTruthTable& table)
{
    // A label the headings cannot hold leaves the column to its object's name.
    const auto columns = [](const std::vector<std::string>& names, const std::vector<std::string>& objects,
                            const std::vector<bool>& labelled) {
        std::vector<TTableColumn> bound;
        for (size_t c = 0; c < names.size(); ++c)
            bound.push_back(labelled[c] && FitsHeading(names[c]) ? TTableColumn{names[c], names[c], true}
                                                                  : TTableColumn{objects[c], objects[c], false});
        return bound;
    };
    TTestTable test{columns(table.Inputs, table.InputObjects, table.InputLabelled),
                    columns(table.Outputs, table.OutputObjects, table.OutputLabelled), {}};
    for (size_t r = 0; r < table.Rows.size(); ++r) {
        if (!table.Settled[r] || table.History[r]) continue;
        TTableRow row;
        const std::string bits = RowBits(r, table.Inputs.size());
        row.Values.assign(bits.begin(), bits.end());
        for (const char value : table.Rows[r]) row.Values.push_back(value == '-' || value == '?' ? 'X' : value);
        test.Rows.push_back(std::move(row));
    }
    return TestTableText(test, Tr("The truth table of a circuit: every row must show these outputs"));
}

std::vector<std::string> HistoryLoops(const TTruthTable& table)
{
    std::vector<std::string> parts;
    for (const std::vector<std::string>& loop : table.Loops)
        for (const std::string& part : loop)
            if (std::find(parts.begin(), parts.end(), part) == parts.end()) parts.push_back(part);
    return parts;
}
