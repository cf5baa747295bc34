#include "AnalysisTable.h"

#include "Messages.h"
#include "TestTable.h"

#include <algorithm>
#include <bit>
#include <cstddef>
#include <stdexcept>

namespace {

constexpr int DigitBits = 4;

int HexValue(char c)
{
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;
}

bool DontCare(char c) { return c == 'X' || c == 'x' || c == '-' || c == '?'; }

// A table as read, before it becomes functions: every row with its line, its inputs (0, 1 or X)
// and one value per output column.
struct TReadRow {
    size_t Line = 0;
    std::string Inputs;
    std::string Outputs;
};
struct TReadTable {
    std::vector<std::string> Inputs;
    std::vector<std::string> Outputs;
    std::vector<TReadRow> Rows;
};

std::string Trimmed(std::string_view text)
{
    const size_t first = text.find_first_not_of(" \t\r");
    if (first == std::string_view::npos) return {};
    return std::string(text.substr(first, text.find_last_not_of(" \t\r") + 1 - first));
}

std::vector<std::string> Cells(std::string_view line)
{
    std::vector<std::string> cells;
    for (size_t from = 0;;) {
        const size_t comma = line.find(',', from);
        cells.push_back(Trimmed(line.substr(from, comma == std::string_view::npos ? comma : comma - from)));
        if (comma == std::string_view::npos) return cells;
        from = comma + 1;
    }
}

TReadTable ReadCsv(std::string_view text)
{
    TReadTable read;
    std::vector<std::pair<size_t, std::vector<std::string>>> lines;
    size_t number = 0;
    for (size_t from = 0; from <= text.size();) {
        const size_t end = std::min(text.find('\n', from), text.size());
        ++number;
        const std::string line = Trimmed(text.substr(from, end - from));
        from = end + 1;
        if (!line.empty() && line[0] != '#') lines.emplace_back(number, Cells(line));
    }
    if (lines.empty()) throw TTableError(1, Tr("The column headings are missing (the table is empty)"));
    const std::vector<std::string>& heading = lines.front().second;
    const auto bar = std::find(heading.begin(), heading.end(), "|");
    size_t inputs = static_cast<size_t>(bar - heading.begin());
    if (bar == heading.end()) {
        const size_t rows = lines.size() - 1;
        inputs = rows > 0 && std::has_single_bit(rows) ? static_cast<size_t>(std::countr_zero(rows)) : heading.size();
        if (inputs == 0 || inputs >= heading.size())
            throw TTableError(lines.front().first, Tr("Cannot tell the inputs from the outputs: put a column named | "
                                                      "between them"));
    }
    const size_t skip = bar == heading.end() ? 0 : 1;
    read.Inputs.assign(heading.begin(), heading.begin() + static_cast<std::ptrdiff_t>(inputs));
    read.Outputs.assign(heading.begin() + static_cast<std::ptrdiff_t>(inputs + skip), heading.end());
    for (size_t l = 1; l < lines.size(); ++l) {
        const auto& [line, cells] = lines[l];
        if (cells.size() != heading.size())
            throw TTableError(line, Tr("There are %1 values; the columns are %2",
                                       {std::to_string(cells.size()), std::to_string(heading.size())}));
        TReadRow row{line, {}, {}};
        for (size_t c = 0; c < cells.size(); ++c) {
            if (c == inputs && skip) continue;
            if (cells[c].size() != 1)
                throw TTableError(line, Tr("The value '%1' of column '%2' cannot be read", {cells[c], heading[c]}));
            (c < inputs ? row.Inputs : row.Outputs) += cells[c][0];
        }
        read.Rows.push_back(std::move(row));
    }
    return read;
}

TReadTable ReadTest(std::string_view text)
{
    const TTestTable test = ParseTestTable(text);
    TReadTable read;
    for (const TTableColumn& column : test.Inputs) read.Inputs.push_back(column.Title);
    for (const TTableColumn& column : test.Outputs) read.Outputs.push_back(column.Title);
    for (const TTableRow& row : test.Rows) {
        const auto split = row.Values.begin() + static_cast<std::ptrdiff_t>(test.Inputs.size());
        read.Rows.push_back({row.Line, std::string(row.Values.begin(), split), std::string(split, row.Values.end())});
    }
    return read;
}

// A column is a display's when it holds a digit that is neither 0 nor 1.
std::vector<bool> DigitColumns(const TReadTable& read)
{
    std::vector<bool> digits(read.Outputs.size(), false);
    for (const TReadRow& row : read.Rows)
        for (size_t o = 0; o < row.Outputs.size(); ++o) digits[o] = digits[o] || HexValue(row.Outputs[o]) > 1;
    return digits;
}

// displays: columns known to be a display's, split into bits whatever digits they hold.
TAnalysisTable Functions(const TReadTable& read, const std::vector<bool>& displays = {})
{
    const size_t inputs = read.Inputs.size();
    if (inputs > static_cast<size_t>(TBoolFunction::MaxInputs))
        throw TTableError(1, Tr("The table has %1 inputs; the analysis takes at most %2",
                                {std::to_string(inputs), std::to_string(TBoolFunction::MaxInputs)}));
    std::vector<bool> digits = DigitColumns(read);
    for (size_t o = 0; o < displays.size() && o < digits.size(); ++o) digits[o] = digits[o] || displays[o];
    TAnalysisTable table;
    table.Inputs = read.Inputs;
    // Output column o becomes the functions from first[o]: one, or a digit's four bits.
    std::vector<size_t> first;
    for (size_t o = 0; o < read.Outputs.size(); ++o) {
        first.push_back(table.Outputs.size());
        if (!digits[o]) {
            table.Outputs.push_back(read.Outputs[o]);
            continue;
        }
        for (int bit = DigitBits - 1; bit >= 0; --bit) table.Outputs.push_back(read.Outputs[o] + "." + std::to_string(bit));
    }
    table.Functions.assign(table.Outputs.size(), TBoolFunction(static_cast<int>(inputs)));
    for (TBoolFunction& f : table.Functions)
        for (uint32_t r = 0; r < f.Rows(); ++r) f.Set(r, TLogicValue::DontCare);
    std::vector<size_t> givenAt(size_t{1} << inputs, 0);
    for (const TReadRow& row : read.Rows) {
        uint32_t fixed = 0, free = 0;
        for (size_t i = 0; i < inputs; ++i) {
            const auto bit = static_cast<uint32_t>(InputMask(inputs, i));
            if (row.Inputs[i] == '1') fixed |= bit;
            else if (DontCare(row.Inputs[i])) free |= bit;
            else if (row.Inputs[i] != '0')
                throw TTableError(row.Line, Tr("The value '%1' of column '%2' cannot be read",
                                               {std::string(1, row.Inputs[i]), read.Inputs[i]}));
        }
        // Every row the pattern stands for, its X inputs taking both values.
        for (uint32_t rest = 0;; rest = (rest - free) & free) {
            const uint32_t r = fixed | rest;
            for (size_t o = 0; o < read.Outputs.size(); ++o) {
                const char value = row.Outputs[o];
                const int hex = HexValue(value);
                if (!DontCare(value) && (hex < 0 || (!digits[o] && hex > 1)))
                    throw TTableError(row.Line, Tr("The value '%1' of column '%2' cannot be read",
                                                   {std::string(1, value), read.Outputs[o]}));
                const int bits = digits[o] ? DigitBits : 1;
                for (int b = 0; b < bits; ++b) {
                    TBoolFunction& f = table.Functions[first[o] + static_cast<size_t>(b)];
                    const TLogicValue now = DontCare(value)        ? TLogicValue::DontCare
                                            : (hex >> (bits - 1 - b)) & 1 ? TLogicValue::One
                                                                          : TLogicValue::Zero;
                    const TLogicValue before = f.At(r);
                    if (givenAt[r] != 0 && before != TLogicValue::DontCare && now != TLogicValue::DontCare &&
                        before != now)
                        throw TTableError(row.Line, Tr("This row contradicts line %1", {std::to_string(givenAt[r])}));
                    if (now != TLogicValue::DontCare) f.Set(r, now);
                }
            }
            givenAt[r] = row.Line;
            if (((rest - free) & free) == 0) break;
        }
    }
    return table;
}

char ValueChar(TLogicValue value) { return value == TLogicValue::One ? '1' : value == TLogicValue::Zero ? '0' : 'X'; }

// Every row: the inputs' bits, a bar, the outputs' values (X for a don't-care), parted by commas.
std::string CsvRows(const TAnalysisTable& table)
{
    std::string text;
    const uint32_t rows = uint32_t{1} << table.Inputs.size();
    for (uint32_t r = 0; r < rows; ++r) {
        text += RowBits(r, table.Inputs.size(), ",") + "|";
        for (const TBoolFunction& f : table.Functions) (text += ',') += ValueChar(f.At(r));
        text += '\n';
    }
    return text;
}

}  // namespace

TAnalysisTable AnalysisOf(const TTruthTable& table)
{
    // Read twice: as the functions are, and with what a fresh start shows at the history rows.
    TReadTable read{table.Inputs, table.Outputs, {}}, fresh = read;
    for (size_t r = 0; r < table.Rows.size(); ++r) {
        std::string outputs = table.Rows[r];
        if (!table.Settled[r]) outputs.assign(outputs.size(), 'X');
        const std::string inputs = RowBits(r, table.Inputs.size());
        fresh.Rows.push_back({r + 1, inputs, outputs});
        if (table.History[r]) outputs.assign(outputs.size(), 'X');
        read.Rows.push_back({r + 1, inputs, outputs});
    }
    TAnalysisTable analysis = Functions(read, table.OutputDisplays);
    const TAnalysisTable shown = Functions(fresh, table.OutputDisplays);
    for (size_t r = 0; r < table.Rows.size(); ++r) {
        const uint32_t row = static_cast<uint32_t>(r);
        if (!table.Settled[r]) analysis.Unsettled.push_back(row);
        if (!table.History[r]) continue;
        TAnalysisTable::THistoryRow history{row, {}, table.Loops[r]};
        for (const TBoolFunction& f : shown.Functions) history.Fresh.push_back(f.At(row));
        analysis.History.push_back(std::move(history));
    }
    return analysis;
}

const TAnalysisTable::THistoryRow* TAnalysisTable::HistoryAt(uint32_t row) const
{
    const auto at = std::lower_bound(History.begin(), History.end(), row,
                                     [](const THistoryRow& h, uint32_t r) { return h.Row < r; });
    return at != History.end() && at->Row == row ? &*at : nullptr;
}

TAnalysisTable ParseAnalysisTable(std::string_view text)
{
    // CSV when the first line of names has a comma in it.
    size_t from = 0;
    for (;;) {
        const size_t end = std::min(text.find('\n', from), text.size());
        const std::string line = Trimmed(text.substr(from, end - from));
        if (!line.empty() && line[0] != '#')
            return Functions(line.find(',') != std::string::npos ? ReadCsv(text) : ReadTest(text));
        if (end >= text.size()) return Functions(ReadTest(text));
        from = end + 1;
    }
}

std::string AnalysisCsv(const TAnalysisTable& table)
{
    std::string text;
    for (const std::string& name : table.Inputs) text += name + ",";
    text += "|";
    for (const std::string& name : table.Outputs) text += "," + name;
    return text + "\n" + CsvRows(table);
}

TAnalysisTable MoveColumn(const TAnalysisTable& table, size_t from, size_t to)
{
    const size_t n = table.Inputs.size(), all = n + table.Outputs.size();
    if (from >= all || to >= all || (from < n) != (to < n))
        throw std::out_of_range("a column moves only among the inputs or among the outputs");
    const auto moved = [](auto items, size_t a, size_t b) {
        auto item = std::move(items[a]);
        items.erase(items.begin() + static_cast<std::ptrdiff_t>(a));
        items.insert(items.begin() + static_cast<std::ptrdiff_t>(b), std::move(item));
        return items;
    };
    if (from >= n) {
        TAnalysisTable result = table;
        result.Outputs = moved(table.Outputs, from - n, to - n);
        result.Functions = moved(table.Functions, from - n, to - n);
        for (TAnalysisTable::THistoryRow& history : result.History)
            history.Fresh = moved(history.Fresh, from - n, to - n);
        return result;
    }
    // Input order[j] of the old table is input j of the new one; a row's bit for input i is bit n − 1 − i.
    std::vector<size_t> order(n);
    for (size_t i = 0; i < n; ++i) order[i] = i;
    order = moved(order, from, to);
    const auto oldRow = [&](uint32_t row) {
        uint32_t old = 0;
        for (size_t j = 0; j < n; ++j)
            if (RowBit(row, n, j)) old |= static_cast<uint32_t>(InputMask(n, order[j]));
        return old;
    };
    TAnalysisTable result{moved(table.Inputs, from, to), table.Outputs, {}, {}};
    for (const TBoolFunction& f : table.Functions) {
        TBoolFunction g(f.Inputs());
        for (uint32_t r = 0; r < g.Rows(); ++r) g.Set(r, f.At(oldRow(r)));
        result.Functions.push_back(std::move(g));
    }
    for (uint32_t r = 0; r < (uint32_t{1} << n); ++r) {
        if (std::binary_search(table.Unsettled.begin(), table.Unsettled.end(), oldRow(r))) result.Unsettled.push_back(r);
        if (const TAnalysisTable::THistoryRow* history = table.HistoryAt(oldRow(r))) {
            result.History.push_back(*history);
            result.History.back().Row = r;
        }
    }
    return result;
}

TTestTable AnalysisTest(const TAnalysisTable& table, bool caredRowsOnly)
{
    TTestTable test;
    for (const std::string& name : table.Inputs) test.Inputs.push_back({name, name, true});
    for (const std::string& name : table.Outputs) test.Outputs.push_back({name, name, true});
    const size_t n = table.Inputs.size();
    for (uint32_t r = 0; r < (uint32_t{1} << n); ++r) {
        TTableRow row;
        row.Text = RowBits(r, n);
        bool cares = false;
        for (const TBoolFunction& f : table.Functions) {
            cares |= f.At(r) != TLogicValue::DontCare;
            row.Text += ValueChar(f.At(r));
        }
        if (caredRowsOnly && !cares) continue;
        row.Values.assign(row.Text.begin(), row.Text.end());
        row.Line = test.Rows.size() + 1;
        test.Rows.push_back(std::move(row));
    }
    return test;
}

std::string AnalysisAsTest(const TAnalysisTable& table)
{
    // A name the headings cannot hold is written as it stands, for the reader to mend.
    TTestTable test = AnalysisTest(table);
    for (std::vector<TTableColumn>* side : {&test.Inputs, &test.Outputs})
        for (TTableColumn& column : *side) column.Mapped = FitsHeading(column.Target);
    return TestTableText(test, Tr("A truth table: every row must show these outputs (X: either)"));
}

std::vector<TTableDifference> CompareTables(const TAnalysisTable& first, const TAnalysisTable& second)
{
    if (first.Inputs.size() != second.Inputs.size())
        throw TTableError(0, Tr("The tables have %1 and %2 inputs", {std::to_string(first.Inputs.size()),
                                                                      std::to_string(second.Inputs.size())}));
    std::vector<TTableDifference> differences;
    bool shared = false;
    for (size_t o = 0; o < first.Outputs.size(); ++o) {
        const auto other = std::find(second.Outputs.begin(), second.Outputs.end(), first.Outputs[o]);
        if (other == second.Outputs.end()) continue;
        shared = true;
        const TBoolFunction& f = first.Functions[o];
        const TBoolFunction& g = second.Functions[static_cast<size_t>(other - second.Outputs.begin())];
        for (uint32_t r = 0; r < f.Rows(); ++r)
            if (f.At(r) != TLogicValue::DontCare && g.At(r) != TLogicValue::DontCare && f.At(r) != g.At(r))
                differences.push_back({r, o});
    }
    if (!shared) throw TTableError(0, Tr("The tables share no output of the same name"));
    return differences;
}
