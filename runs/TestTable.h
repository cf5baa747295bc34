#pragma once

#include <cstddef>
#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

// A test table (.lgt): which inputs to set, step by step, and what the outputs must show then.
// UTF-8 text; '#' starts a comment. The first line that is not blank or a comment names the
// columns, the inputs, then '|', then the outputs; every later line is a row of values or a
// directive (@limit, @passes, @repeat, @end). docs/test-tables.md is the reference.

// A table that cannot be read; Line counts from 1.
class TTableError : public std::runtime_error {
public:
    TTableError(size_t line, const std::string& message);
    size_t Line;
};

struct TTableColumn {
    // How the reports name the column: A of A=LABEL, or the name itself.
    std::string Title;
    // NAME or NAME.I; for A=LABEL, LABEL.
    std::string Target;
    // Written as A=LABEL, so that LABEL may also be the text of a text box beside the object.
    bool Mapped = false;
};

// The passes a row may take: until a pass changes nothing, at most Limit; or exactly Passes.
struct TRowPasses {
    static constexpr int64_t DefaultLimit = 10000;
    int64_t Limit = DefaultLimit;
    // 0: settle; otherwise the fixed number of passes.
    int64_t Passes = 0;
};

struct TTableRow {
    // Where the row stands in the table, from 1.
    size_t Line = 0;
    // Which time this line runs, from 1; above 1 only in repeat blocks.
    int64_t Round = 1;
    // The row stands in a repeat block.
    bool Repeated = false;
    // The values as written, without the comment and the spaces around them.
    std::string Text;
    // One per column, inputs first: '0', '1', 'X', 'C', or a hex digit '0'..'9', 'A'..'F'.
    std::vector<char> Values;
    TRowPasses Passes;
};

struct TTestTable {
    std::vector<TTableColumn> Inputs;
    std::vector<TTableColumn> Outputs;
    // Every row in the order it runs, repeat blocks written out.
    std::vector<TTableRow> Rows;
};

// Throws TTableError for a table that names no columns or no rows, a malformed header, a row
// with the wrong number of values or a value its column cannot take, or a bad directive.
TTestTable ParseTestTable(std::string_view text);
// Reads through the file layer; throws TFileError when the file cannot be read.
TTestTable ReadTestTable(const std::string& path);

// Whether a name can stand in the headings, as a column or as the LABEL of A=LABEL: a blank, '|', '=' or '#' would
// part it or end the line's values.
bool FitsHeading(std::string_view name);

// The table as text that ParseTestTable reads back to the same columns and row values: the comment as a '#' line
// when there is one, the headings (TITLE=TARGET for a mapped column), then a line a row, the values parted by
// blanks and a bar between the inputs and the outputs. The rows are written as they run, without directives, so
// each takes the default passes.
std::string TestTableText(const TTestTable& table, std::string_view comment = {});
