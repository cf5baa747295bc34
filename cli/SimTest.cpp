#include "SimTest.h"

#include "FileAccess.h"
#include "MessageText.h"
#include "TableCheck.h"
#include "TestReports.h"

#include <chrono>
#include <cstdio>

namespace {

TFileVerdict Check(const TTestTable& table, const std::string& file, TEngineMode engine)
{
    const auto start = std::chrono::steady_clock::now();
    const TTableResult result = CheckCircuitFile(table, file, engine);
    TFileVerdict v;
    v.File = file;
    v.Passed = result.Passed();
    v.Rows = table.Rows.size();
    v.Message = DescribeResult(table, result);
    if (!result.Error.empty()) v.Failures.push_back(result.Error);
    for (size_t r = 0; r < result.Rows.size(); ++r) {
        if (result.Rows[r].Verdict == TRowResult::Passed) {
            ++v.RowsPassed;
            continue;
        }
        if (!v.FirstFailingLine) v.FirstFailingLine = table.Rows[r].Line;
        v.Failures.push_back(DescribeRow(table, r, result.Rows[r]));
    }
    const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
    v.Seconds = took.count();
    return v;
}

}  // namespace

int RunTableTests(const TTestTable& table, const TSimOptions& options, bool printLines)
{
    std::vector<TFileVerdict> verdicts;
    bool allPassed = true;
    for (const std::string& file : options.Files) {
        const TFileVerdict& v = verdicts.emplace_back(Check(table, file, options.Engine));
        allPassed = allPassed && v.Passed;
        if (!printLines) continue;
        const std::string line = (v.Passed ? "PASS " + MessagePath(file) : "FAIL " + MessagePath(file) + ": " +
                                                                              MessagePath(v.Message)) + "\n";
        std::fwrite(line.data(), 1, line.size(), stdout);
    }
    if (!options.JunitPath.empty()) WriteFileBytes(options.JunitPath, JunitReport(options.TestTable, verdicts));
    if (!options.CsvPath.empty()) WriteFileBytes(options.CsvPath, CsvReport(verdicts));
    return allPassed ? 0 : 1;
}
