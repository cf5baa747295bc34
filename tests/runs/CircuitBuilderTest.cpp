#include "CircuitBuilder.h"
#include "TruthTable.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <cstdint>
#include <cstdlib>
#include <map>
#include <random>
#include <set>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

namespace {

const TGateStyle Styles[] = {TGateStyle::AndOrNot, TGateStyle::NandOnly, TGateStyle::NorOnly};

std::vector<std::string> Names(int inputs)
{
    std::vector<std::string> names;
    for (int i = 0; i < inputs; ++i) names.push_back(std::string(1, static_cast<char>('A' + i)));
    return names;
}

TAnalysisTable Table(std::vector<std::string> inputs, std::vector<std::string> outputs,
                     std::vector<TBoolFunction> functions)
{
    return {std::move(inputs), std::move(outputs), std::move(functions), {}};
}

// The part classes of a circuit text, a gate as "TGate/" and its kind, so that a style's gates can be told apart.
std::set<std::string> PartKinds(const TStrings& lines)
{
    std::set<std::string> kinds;
    std::string cls;
    for (const std::string& line : lines) {
        if (line.starts_with("ClassName=")) cls = line.substr(10);
        if (line.starts_with("PartNo="))
            kinds.insert(cls == "TGate" ? "TGate/" + std::to_string(std::stoi(line.substr(7)) % 8) : cls);
    }
    return kinds;
}

// Every point where three or more wire ends meet carries a junction dot, centred on it, and no other point does.
void ExpectDotsAtJunctions(const TStrings& lines)
{
    std::map<std::pair<int, int>, int> ends;
    std::set<std::pair<int, int>> dots;
    std::map<std::string, int> keys;
    std::string cls;
    for (const std::string& line : lines) {
        const size_t equals = line.find('=');
        if (line.starts_with("ClassName=")) {
            cls = line.substr(10);
            keys.clear();
        } else if (equals != std::string::npos) {
            keys[line.substr(0, equals)] = std::atoi(line.c_str() + equals + 1);
        }
        if (line != "End") continue;
        const int left = keys["Left"], top = keys["Top"];
        if (cls == "TCode") {
            ASSERT_TRUE(keys["Width"] == 0 || keys["Height"] == 0);
            ++ends[{left, top}];
            ++ends[{left + keys["Width"], top + keys["Height"]}];
        }
        if (cls == "TDot") dots.insert({left + 10, top + 10});
    }
    std::set<std::pair<int, int>> junctions;
    for (const auto& [point, count] : ends)
        if (count >= 3) junctions.insert(point);
    EXPECT_EQ(dots, junctions);
}

// Builds the circuit, reads it back as the editor opens it and runs every row: each lamp must show its function
// wherever it is not a don't-care, and only the style's gates may appear. The builder checks its own wiring rules
// (no wire through a terminal, across a part or onto another net) and throws std::logic_error when one is broken.
// As a sub-board, the same gates stand behind terminals and pass the checker between switches and lamps; what is
// placed is the box that was tried, and the labels.
void ExpectBuilds(const TAnalysisTable& table, TGateStyle style, bool productOfSums)
{
    const TStrings text = BuildCircuit(table, style, productOfSums);
    ExpectDotsAtJunctions(text);
    const TTruthTable built = TextTruthTable(text);
    ASSERT_EQ(built.Inputs, table.Inputs);
    ASSERT_EQ(built.Outputs, table.Outputs);
    const uint32_t rows = table.Functions[0].Rows();
    ASSERT_EQ(built.Rows.size(), rows);
    for (uint32_t r = 0; r < rows; ++r) {
        ASSERT_TRUE(built.Settled[r]) << r;
        for (size_t k = 0; k < table.Outputs.size(); ++k)
            if (table.Functions[k].At(r) != TLogicValue::DontCare) {
                ASSERT_EQ(built.Rows[r][k], table.Functions[k].At(r) == TLogicValue::One ? '1' : '0')
                    << "row " << r << " output " << k;
            }
    }
    std::set<std::string> allowed{"TTglSW", "TLED", "TCode", "TDot", "TTextBox"};
    if (style == TGateStyle::AndOrNot) allowed.insert({"TNot", "TGate/4", "TGate/5"});
    if (style == TGateStyle::NandOnly) allowed.insert("TGate/0");
    if (style == TGateStyle::NorOnly) allowed.insert("TGate/2");
    for (const std::string& kind : PartKinds(text)) EXPECT_TRUE(allowed.contains(kind)) << kind;

    const TBuiltSubBoard sub = BuildSubBoard(table, style, productOfSums);
    const TTableResult tried = TryBuilt(sub, table);
    ASSERT_TRUE(tried.Passed()) << tried.Error;
    std::set<std::string> boxed = allowed;
    boxed.erase("TTglSW");
    boxed.erase("TLED");
    boxed.insert({"TContainer", "TInTerminal", "TOutTerminal"});
    for (const std::string& kind : PartKinds(sub.Placed)) EXPECT_TRUE(boxed.contains(kind)) << kind;
    const auto count = [&](const std::string& line) { return std::count(sub.Placed.begin(), sub.Placed.end(), line); };
    EXPECT_EQ(count("ClassName=TContainer"), 1);
    EXPECT_EQ(count("ClassName=TInTerminal"), static_cast<long>(table.Inputs.size()));
    EXPECT_EQ(count("ClassName=TOutTerminal"), static_cast<long>(table.Outputs.size()));
    const auto firstLabel = std::find(sub.Placed.begin(), sub.Placed.end(), "ClassName=TTextBox");
    EXPECT_TRUE(std::equal(sub.Placed.begin(), firstLabel, sub.Tester.begin()));
}

void ExpectComputes(const TBoolFunction& f, TGateStyle style, bool productOfSums)
{
    ExpectBuilds(Table(Names(f.Inputs()), {"Y"}, {f}), style, productOfSums);
}

void ExpectComputesInEveryStyle(const TBoolFunction& f, const std::string& what)
{
    for (const TGateStyle style : Styles)
        for (const bool pos : {false, true}) {
            SCOPED_TRACE(what + " style " + std::to_string(static_cast<int>(style)) + (pos ? " POS" : " SOP"));
            ExpectComputes(f, style, pos);
            if (testing::Test::HasFatalFailure()) return;
        }
}

}  // namespace

TEST(CircuitBuilder, EveryFunctionOfUpToThreeInputsComputesItsTableInEveryStyleAndForm)
{
    // Constants included: they come from the first input and its complement.
    for (const int inputs : {1, 2, 3}) {
        const uint32_t rows = 1u << inputs;
        for (uint32_t bits = 0; bits < (1u << rows); ++bits) {
            TBoolFunction f(inputs);
            for (uint32_t r = 0; r < rows; ++r) f.Set(r, (bits >> r) & 1 ? TLogicValue::One : TLogicValue::Zero);
            ExpectComputesInEveryStyle(f, std::to_string(inputs) + " inputs, function " + std::to_string(bits));
            if (HasFatalFailure()) return;
        }
    }
}

TEST(CircuitBuilder, WiderFunctionsWithDontCaresAndTermsPastFourInputsBecomeTrees)
{
    std::mt19937 random(20261208);
    for (int sample = 0; sample < 40; ++sample) {
        TBoolFunction f(4);
        for (uint32_t r = 0; r < 16; ++r) f.Set(r, static_cast<TLogicValue>(random() % 3));
        ExpectComputesInEveryStyle(f, "4-input sample " + std::to_string(sample));
        if (HasFatalFailure()) return;
    }
    // Parity of five: sixteen terms of five literals, so both levels need trees; six-input AND and OR: one wide
    // term, or six one-literal terms.
    TBoolFunction parity(5), all(6), any(6);
    for (uint32_t r = 0; r < 32; ++r) parity.Set(r, std::popcount(r) % 2 ? TLogicValue::One : TLogicValue::Zero);
    for (uint32_t r = 0; r < 64; ++r) {
        all.Set(r, r == 63 ? TLogicValue::One : TLogicValue::Zero);
        any.Set(r, r != 0 ? TLogicValue::One : TLogicValue::Zero);
    }
    ExpectComputesInEveryStyle(parity, "parity of 5");
    ExpectComputesInEveryStyle(all, "AND of 6");
    ExpectComputesInEveryStyle(any, "OR of 6");
}

TEST(CircuitBuilder, LabelsNameTheColumnsAndNamesThatCannotMarkAColumnAreRefused)
{
    const TBoolFunction f = TBoolFunction::FromRows(3, {1, 2, 4, 7});
    const std::vector<std::string> names{"carry in", "a,b", "Operand_with_a_long_name"};
    for (const TGateStyle style : Styles) {
        const TTruthTable table = TextTruthTable(BuildCircuit(Table(names, {"sum \"S\""}, {f}), style));
        EXPECT_EQ(table.Inputs, names);
        EXPECT_EQ(table.Outputs, std::vector<std::string>{"sum \"S\""});
        EXPECT_EQ(table.InputLabelled, std::vector<bool>(3, true));
    }
    const auto build = [&](const std::vector<std::string>& inputs, const std::string& output) {
        return BuildCircuit(Table(inputs, {output}, {f}), TGateStyle::AndOrNot);
    };
    EXPECT_THROW(build({"A", "B"}, "F"), std::invalid_argument);
    EXPECT_THROW(build({"A", "B", "A"}, "F"), std::invalid_argument);
    EXPECT_THROW(build({"A", "B", "C"}, "B"), std::invalid_argument);
    EXPECT_THROW(build({"A", "", "C"}, "F"), std::invalid_argument);
    EXPECT_THROW(build({"A", " B", "C"}, "F"), std::invalid_argument);
    EXPECT_THROW(build({"A", "B", "C"}, "F\r\nClassName=TLED"), std::invalid_argument);
    // Japanese names label their columns as any other; a character a circuit file cannot hold is refused, since the
    // saved label would lose it.
    const TTruthTable japanese = TextTruthTable(build({"入力A", "B", "C"}, "和"));
    EXPECT_EQ(japanese.Inputs, (std::vector<std::string>{"入力A", "B", "C"}));
    EXPECT_EQ(japanese.Outputs, std::vector<std::string>{"和"});
    EXPECT_THROW(build({"A", "B", "C"}, "F\xF0\x9F\x98\x80"), std::invalid_argument);
    EXPECT_THROW(BuildCircuit(Table({}, {"F"}, {TBoolFunction(0)}), TGateStyle::NandOnly), std::invalid_argument);
    EXPECT_THROW(BuildCircuit(Table({"A", "B", "C"}, {}, {}), TGateStyle::NandOnly), std::invalid_argument);
    EXPECT_THROW(BuildCircuit(Table({"A", "B", "C"}, {"F", "F"}, {f, f}), TGateStyle::NandOnly), std::invalid_argument);
    EXPECT_THROW(BuildCircuit(Table({"A", "B", "C"}, {"F", "G"}, {f, TBoolFunction(2)}), TGateStyle::NandOnly),
                 std::invalid_argument);
}

TEST(CircuitBuilder, SeveralOutputsShareTheInputsBusesEachWithGatesOfItsOwn)
{
    // Random tables of two to five inputs and one to five outputs, some outputs a bare literal or a constant, so
    // that last-column outputs go straight to their lamps and the others run to rows of their own below the gates.
    std::mt19937 random(8122026);
    for (int sample = 0; sample < 60; ++sample) {
        const int inputs = 2 + static_cast<int>(random() % 4);
        const size_t outputs = 1 + random() % 5;
        TAnalysisTable table = Table(Names(inputs), {}, {});
        for (size_t k = 0; k < outputs; ++k) {
            TBoolFunction f(inputs);
            const uint32_t kind = random() % 4, bit = random() % static_cast<uint32_t>(inputs);
            for (uint32_t r = 0; r < f.Rows(); ++r) {
                const bool literal = (r >> bit) & 1;
                f.Set(r, kind == 0   ? (literal ? TLogicValue::One : TLogicValue::Zero)
                         : kind == 1 ? TLogicValue::One
                                     : static_cast<TLogicValue>(random() % 3));
            }
            table.Outputs.push_back("Y" + std::to_string(k));
            table.Functions.push_back(f);
        }
        for (const TGateStyle style : Styles)
            for (const bool pos : {false, true}) {
                SCOPED_TRACE("sample " + std::to_string(sample) + " style " + std::to_string(static_cast<int>(style)) +
                             (pos ? " POS" : " SOP"));
                ExpectBuilds(table, style, pos);
                if (HasFatalFailure()) return;
            }
    }
}
