#pragma once

#include <cstddef>
#include <string>
#include <vector>

// What the check of one circuit file against a test table came to, for the reports.
struct TFileVerdict {
    std::string File;
    bool Passed = false;
    size_t RowsPassed = 0;
    size_t Rows = 0;
    // The table line of the first failing row; 0 when none failed or the file was not checked.
    size_t FirstFailingLine = 0;
    // Why it failed, as the FAIL line says it; empty when it passed.
    std::string Message;
    // Every row that failed, described; the message alone when no row ran.
    std::vector<std::string> Failures;
    double Seconds = 0;
};

// A JUnit XML report: one test suite named after the table, one test case per file.
std::string JunitReport(const std::string& table, const std::vector<TFileVerdict>& verdicts);
// A CSV text (RFC 4180, UTF-8, CR LF) with a header line and one line per file. A file name that a
// spreadsheet would take for a formula (=, +, -, @ first) is written with a ' before it.
std::string CsvReport(const std::vector<TFileVerdict>& verdicts);
