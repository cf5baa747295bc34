// Reads arbitrary bytes as a test table (.lgt). A table that fails names a line of the text; one
// that reads holds rows of exactly one value per column, each a value its column can take, and is
// checked against the example circuits as voltrane-sim --test checks it, with its reports written.
#include "FuzzSupport.h"
#include "TableCheck.h"
#include "TestTable.h"

#include <algorithm>
#include <string_view>

namespace {

// Tables may ask for millions of passes, which is their right; the check runs a few of each.
constexpr size_t CheckedRows = 24;
constexpr int64_t CheckedPasses = 64;

const std::vector<TStrings>& Circuits()
{
    static const std::vector<TStrings> circuits = [] {
        std::vector<TStrings> read;
        for (const char* name : {"half-adder.lgc", "counter.lgc", "counter3.lgc", "decoder2to4.lgc"})
            read.push_back(fuzz::SourceCircuit(std::string(VOLTRANE_EXAMPLES) + "/" + name));
        return read;
    }();
    return circuits;
}

size_t LineCount(std::string_view text) { return static_cast<size_t>(std::count(text.begin(), text.end(), '\n')) + 1; }

void RequireWellFormed(const TTestTable& table, size_t lines)
{
    FUZZ_REQUIRE(!table.Outputs.empty() && !table.Rows.empty());
    const size_t columns = table.Inputs.size() + table.Outputs.size();
    for (const TTableRow& row : table.Rows) {
        FUZZ_REQUIRE(row.Line >= 1 && row.Line <= lines && row.Round >= 1 && (row.Round == 1 || row.Repeated));
        FUZZ_REQUIRE(row.Values.size() == columns);
        for (size_t c = 0; c < columns; ++c) {
            const std::string_view allowed = c < table.Inputs.size() ? "01XC" : "0123456789ABCDEFX";
            FUZZ_REQUIRE(allowed.find(row.Values[c]) != std::string_view::npos);
        }
        FUZZ_REQUIRE(row.Passes.Limit >= 1 && row.Passes.Passes >= 0);
    }
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    Circuits();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string_view text = fuzz::Bytes(data, size);
    TTestTable table;
    try {
        table = ParseTestTable(text);
    } catch (const TTableError& e) {
        FUZZ_REQUIRE(e.Line >= 1 && e.Line <= LineCount(text));
        return 0;
    }
    RequireWellFormed(table, LineCount(text));

    TTestTable few = table;
    few.Rows.resize(std::min(few.Rows.size(), CheckedRows));
    for (TTableRow& row : few.Rows) {
        row.Passes.Limit = std::min(row.Passes.Limit, CheckedPasses);
        row.Passes.Passes = std::min(row.Passes.Passes, CheckedPasses);
    }
    for (const TStrings& circuit : Circuits()) {
        const TTableResult result = CheckCircuitText(few, circuit);
        DescribeResult(few, result);
        if (!result.Error.empty()) {
            FUZZ_REQUIRE(result.Rows.empty());
            continue;
        }
        FUZZ_REQUIRE(result.Rows.size() <= few.Rows.size());
        for (size_t r = 0; r < result.Rows.size(); ++r) {
            FUZZ_REQUIRE(result.Rows[r].Actual.size() == few.Outputs.size());
            DescribeRow(few, r, result.Rows[r]);
        }
    }
    return 0;
}
