#include "TableCheck.h"

#include "CircuitFile.h"
#include "Context.h"
#include "DigitSegments.h"
#include "HeadlessCircuit.h"
#include "MessageText.h"
#include "Messages.h"
#include "PartU.h"
#include "SettleWatch.h"
#include "TableColumns.h"
#include "TextKeys.h"
#include "UsageError.h"

#include <algorithm>
#include <new>
#include <optional>
#include <utility>

namespace {

// What a seven-segment display shows, as the table writes it.
char DigitShown(uint64_t litSegments)
{
    const uint64_t segments = litSegments & 0x7F;
    if (segments == 0) return '-';
    for (size_t code = 0; code < DigitSegments.size(); ++code) {
        uint64_t bits = 0;
        for (const char* s = DigitSegments[code]; *s; ++s) bits |= uint64_t{1} << (*s - '0');
        if (bits == segments) return "0123456789ABCDEF"[code];
    }
    return '?';
}

char Reading(const TWatch& watch)
{
    if (watch.Kind() == TWatch::Segments) return DigitShown(watch.Bits64());
    return watch.Bits64() ? '1' : '0';
}

// The table reads lamps, whose afterglow counts down, of the parts without outputs; seven-segment
// displays show their inputs in the Calc of the very pass that saw them, so unchanged levels mean
// they show the present ones.
bool TableReadsShowing(const TPartsBase& part) { return dynamic_cast<const TLED*>(&part) != nullptr; }

class TTableRun {
public:
    TTableRun(TBord& board, const TTableColumns& columns, TPassEngine& engine)
        : columns_(columns), engine_(engine), settle_(board, TableReadsShowing)
    {
    }

    // Pass 1 of a run whose engine has started.
    void FirstPass(TBord& board)
    {
        engine_.Pass();
        // The run's first redraw: every indicator shows what it holds.
        board.ShowAll();
    }

    TRowResult Row(const TTableRow& row)
    {
        TRowResult result;
        for (size_t c = 0; c < columns_.Inputs.size(); ++c) {
            TSwitch& input = *columns_.Inputs[c];
            const char value = row.Values[c];
            if (value == 'X') continue;
            if (dynamic_cast<TPushSW*>(&input)) {
                if (value == '1' || value == 'C') Press(input);
                if (value == 'C' && !Run(row.Passes, result)) result.Verdict = TRowResult::Unsettled;
                if (value == '0' || value == 'C') Release(input);
            } else if (value == 'C' || (input.OutputLevel() == LevelHigh) != (value == '1')) {
                Press(input);
                Release(input);
            }
        }
        if (!Run(row.Passes, result)) result.Verdict = TRowResult::Unsettled;
        const size_t inputs = columns_.Inputs.size();
        for (size_t c = 0; c < columns_.Outputs.size(); ++c) {
            const char actual = Reading(columns_.Outputs[c]);
            result.Actual.push_back(actual);
            const char expected = row.Values[inputs + c];
            if (result.Verdict == TRowResult::Passed && expected != 'X' && expected != actual)
                result.Verdict = TRowResult::Failed;
        }
        return result;
    }

private:
    // The row's passes; false when it was to settle and did not within its limit.
    bool Run(const TRowPasses& passes, TRowResult& result)
    {
        if (passes.Passes > 0) {
            for (int64_t p = 0; p < passes.Passes; ++p) engine_.Pass();
            result.Passes += passes.Passes;
            return true;
        }
        settle_.Mark();
        for (int64_t p = 1; p <= passes.Limit; ++p) {
            engine_.Pass();
            ++result.Passes;
            if (settle_.Settled()) return true;
        }
        return false;
    }

    const TTableColumns& columns_;
    TPassEngine& engine_;
    TSettleWatch settle_;
};

std::string Values(const TTestTable& table, const TTableRow& row, const TRowResult& result)
{
    std::string text;
    for (size_t c = 0; c < table.Outputs.size() && c < result.Actual.size(); ++c) {
        const char expected = row.Values[table.Inputs.size() + c];
        if (expected == 'X' || expected == result.Actual[c]) continue;
        if (!text.empty()) text += ", ";
        text += Tr("%1 expected %2 but was %3",
                   {table.Outputs[c].Title, std::string(1, expected), std::string(1, result.Actual[c])});
    }
    return text;
}

}  // namespace

TSimulatingScope::TSimulatingScope(TCircuitContext& context) : context_(context), was_(context.Simulating)
{
    context_.Simulating = true;
}

TSimulatingScope::~TSimulatingScope() { context_.Simulating = was_; }

bool TTableResult::Passed() const { return Error.empty() && FirstFailure() == npos; }

size_t TTableResult::FirstFailure() const
{
    for (size_t r = 0; r < Rows.size(); ++r)
        if (Rows[r].Verdict != TRowResult::Passed) return r;
    return npos;
}

TTableResult CheckTable(const TTestTable& table, TBord& board, const TNamedObjects& named, size_t rows)
{
    TSimulatingScope simulating(board.Context());
    TPassEngine engine(board, board.Context().Engine);
    engine.Start();
    return RunTableRows(table, board, named, engine, rows);
}

TTableResult RunTableRows(const TTestTable& table, TBord& board, const TNamedObjects& named, TPassEngine& engine,
                          size_t rows)
{
    TTableResult result;
    TTableColumns columns;
    try {
        columns = BindColumns(table, board, named);
    } catch (const TUsageError& e) {
        result.Error = e.what();
        return result;
    }
    TTableRun run(board, columns, engine);
    run.FirstPass(board);
    for (size_t r = 0; r < table.Rows.size() && r < rows; ++r) result.Rows.push_back(run.Row(table.Rows[r]));
    return result;
}

TTableResult CheckCircuitText(const TTestTable& table, const TStrings& lines, TEngineMode engine)
{
    std::optional<THeadlessCircuit> circuit;
    try {
        circuit.emplace(lines, engine);
    } catch (const TFormatError& e) {
        TTableResult result;
        result.Error = e.Text();
        return result;
    }
    return CheckTable(table, circuit->Bord(), circuit->Named());
}

TTableResult CheckCircuitFile(const TTestTable& table, const std::string& path, TEngineMode engine)
{
    // One file too large for the memory fails alone; the others are still checked.
    try {
        return CheckCircuitText(table, OpenCircuitFile(path), engine);
    } catch (const TFileError& e) {
        TTableResult result;
        result.Error = e.what();
        return result;
    } catch (const std::bad_alloc&) {
        TTableResult result;
        result.Error = Tr("Not enough memory to load and check this circuit");
        return result;
    }
}

std::string DescribeRow(const TTestTable& table, size_t row, const TRowResult& result)
{
    const TTableRow& r = table.Rows[row];
    // Values may be separated by tabs, which the reports would escape as control characters: the
    // row is quoted with a space for each.
    std::string values = r.Text;
    std::replace(values.begin(), values.end(), '\t', ' ');
    std::string verdict;
    switch (result.Verdict) {
    case TRowResult::Passed: verdict = TrIn("test row", "passed"); break;
    case TRowResult::Unsettled: verdict = Tr("does not settle in %1 passes", {std::to_string(result.Passes)}); break;
    case TRowResult::Failed: verdict = Values(table, r, result); break;
    }
    const std::string line = std::to_string(r.Line);
    if (r.Repeated) return Tr("Line %1 (round %2) [%3]: %4", {line, std::to_string(r.Round), values, verdict});
    return Tr("Line %1 [%2]: %3", {line, values, verdict});
}

std::string DescribeResult(const TTestTable& table, const TTableResult& result)
{
    if (!result.Error.empty()) return result.Error;
    const size_t failure = result.FirstFailure();
    return failure == TTableResult::npos ? std::string() : DescribeRow(table, failure, result.Rows[failure]);
}

TNamedObjects PositionalNames(const TBord& board)
{
    TPartsList objects;
    board.CopyParts(objects);
    std::vector<std::string> names;
    for (const TPartsBase* o : objects) names.push_back(o->ClassName() + std::to_string(names.size()));
    return TNamedObjects(names, objects);
}
