#include "TestTable.h"

#include "FileAccess.h"
#include "Messages.h"

#include <algorithm>
#include <charconv>
#include <optional>
#include <unordered_map>

namespace {

// Bounds that keep a mistyped number from running a check for days or filling the memory.
constexpr int64_t MostPasses = 100'000'000;
constexpr int64_t MostRepeats = 100'000;
constexpr size_t MostRows = 100'000;
// What a message quotes of the table.
constexpr size_t QuoteLength = 40;

// The text as a message quotes it (the message puts the quotes around it).
std::string Quote(std::string_view text)
{
    std::string quoted(text.substr(0, QuoteLength));
    if (text.size() > QuoteLength) quoted += "…";
    return quoted;
}

std::vector<std::string_view> Words(std::string_view line)
{
    std::vector<std::string_view> words;
    size_t i = 0;
    while (true) {
        i = line.find_first_not_of(" \t", i);
        if (i == std::string_view::npos) return words;
        const size_t end = std::min(line.find_first_of(" \t", i), line.size());
        words.push_back(line.substr(i, end - i));
        i = end;
    }
}

std::string_view WithoutComment(std::string_view line)
{
    line = line.substr(0, std::min(line.find('#'), line.size()));
    const size_t first = line.find_first_not_of(" \t");
    if (first == std::string_view::npos) return {};
    return line.substr(first, line.find_last_not_of(" \t") + 1 - first);
}

std::optional<char> InputValue(std::string_view word)
{
    if (word.size() != 1) return std::nullopt;
    const char c = static_cast<char>(word[0] & ~0x20);
    if (word[0] == '0' || word[0] == '1') return word[0];
    if (c == 'X' || c == 'C') return c;
    return std::nullopt;
}

std::optional<char> OutputValue(std::string_view word)
{
    if (word.size() != 1) return std::nullopt;
    const char c = word[0];
    if (c >= '0' && c <= '9') return c;
    const char upper = static_cast<char>(c & ~0x20);
    if ((upper >= 'A' && upper <= 'F') || upper == 'X') return upper;
    return std::nullopt;
}

class TTableReader {
public:
    TTestTable Read(std::string_view text)
    {
        if (text.starts_with("\xEF\xBB\xBF")) text.remove_prefix(3);
        size_t start = 0;
        // A line end at the very end adds no empty line.
        while (start < text.size() || start == 0) {
            const size_t end = std::min(text.find('\n', start), text.size());
            std::string_view line = text.substr(start, end - start);
            if (line.ends_with('\r')) line.remove_suffix(1);
            ++line_;
            ReadLine(WithoutComment(line));
            if (end == text.size()) break;
            start = end + 1;
        }
        if (!headerRead_)
            throw TTableError(std::max<size_t>(line_, 1), Tr("The column headings are missing (the table is empty)"));
        if (!open_.empty()) throw TTableError(open_.back().Line, Tr("@repeat has no matching @end"));
        if (table_.Rows.empty()) throw TTableError(line_, Tr("There are no rows of values"));
        std::unordered_map<size_t, int64_t> runs;
        for (TTableRow& row : table_.Rows) row.Round = ++runs[row.Line];
        return std::move(table_);
    }

private:
    // A repeat block being read: where it began, how often it runs, where its rows begin.
    struct TBlock {
        size_t Line;
        int64_t Count;
        size_t FirstRow;
    };

    void ReadLine(std::string_view line)
    {
        if (line.empty()) return;
        if (line.starts_with('@')) {
            if (!headerRead_)
                throw TTableError(line_, Tr("The first line holds the column headings (not '%1')", {Quote(line)}));
            ReadDirective(Words(line));
        } else if (!headerRead_) {
            ReadHeader(Words(line));
        } else {
            ReadRow(line);
        }
    }

    void ReadHeader(const std::vector<std::string_view>& words)
    {
        const auto bar = std::find(words.begin(), words.end(), "|");
        if (bar == words.end() || std::find(bar + 1, words.end(), "|") != words.end())
            throw TTableError(line_, Tr("The headings need one '|' between the input columns and the output columns"));
        if (bar + 1 == words.end()) throw TTableError(line_, Tr("There are no output columns"));
        for (auto w = words.begin(); w != words.end(); ++w) {
            if (w == bar) continue;
            TTableColumn column = Column(*w);
            for (const auto* side : {&table_.Inputs, &table_.Outputs})
                for (const TTableColumn& other : *side)
                    if (other.Title == column.Title)
                        throw TTableError(line_, Tr("There are two columns '%1'", {Quote(column.Title)}));
            (w < bar ? table_.Inputs : table_.Outputs).push_back(std::move(column));
        }
        headerRead_ = true;
    }

    TTableColumn Column(std::string_view word) const
    {
        const size_t eq = word.find('=');
        if (eq == std::string_view::npos) return {std::string(word), std::string(word), false};
        const std::string_view title = word.substr(0, eq), target = word.substr(eq + 1);
        if (title.empty() || target.empty() || target.find('=') != std::string_view::npos)
            throw TTableError(line_, Tr("Write the column '%1' as NAME or COLUMN=NAME", {Quote(word)}));
        return {std::string(title), std::string(target), true};
    }

    void ReadRow(std::string_view line)
    {
        std::vector<std::string_view> words = Words(line);
        const size_t inputs = table_.Inputs.size(), columns = inputs + table_.Outputs.size();
        // The bar is optional in rows, but where it is written it stands between the inputs and the outputs.
        if (const auto bar = std::find(words.begin(), words.end(), "|"); bar != words.end()) {
            if (static_cast<size_t>(bar - words.begin()) != inputs || std::count(words.begin(), words.end(), "|") != 1)
                throw TTableError(line_, Tr("'|' needs %1 input values before it", {std::to_string(inputs)}));
            words.erase(bar);
        }
        if (words.size() != columns)
            throw TTableError(line_, Tr("There are %1 values for %2 columns",
                                        {std::to_string(words.size()), std::to_string(columns)}));
        TTableRow row{line_, 1, !open_.empty(), std::string(line), {}, passes_};
        for (size_t c = 0; c < columns; ++c) {
            const std::optional<char> value = c < inputs ? InputValue(words[c]) : OutputValue(words[c]);
            if (!value) {
                const TTableColumn& column = c < inputs ? table_.Inputs[c] : table_.Outputs[c - inputs];
                const std::string title = Quote(column.Title), word = Quote(words[c]);
                throw TTableError(line_, c < inputs ? Tr("The value '%2' of column '%1' cannot be read (an input is "
                                                         "0, 1, X or C)",
                                                         {title, word})
                                                    : Tr("The value '%2' of column '%1' cannot be read (an output is "
                                                         "0, 1, X or one hex digit)",
                                                         {title, word}));
            }
            row.Values.push_back(*value);
        }
        if (table_.Rows.size() >= MostRows)
            throw TTableError(line_, Tr("The table has more than %1 rows", {std::to_string(MostRows)}));
        table_.Rows.push_back(std::move(row));
    }

    void ReadDirective(const std::vector<std::string_view>& words)
    {
        const std::string_view name = words[0];
        if (name == "@end") {
            if (words.size() != 1) throw TTableError(line_, Tr("@end takes no value"));
            if (open_.empty()) throw TTableError(line_, Tr("@end has no matching @repeat"));
            const TBlock block = open_.back();
            open_.pop_back();
            Repeat(block);
            return;
        }
        if (name != "@limit" && name != "@passes" && name != "@repeat")
            throw TTableError(line_, Tr("There is no directive '%1' (@limit, @passes, @repeat, @end)", {Quote(name)}));
        if (words.size() != 2) throw TTableError(line_, Tr("%1 takes one value", {name}));
        if (name == "@passes" && words[1] == "settle") {
            passes_.Passes = 0;
            return;
        }
        const int64_t most = name == "@repeat" ? MostRepeats : MostPasses;
        const int64_t value = Count(name, words[1], most);
        if (name == "@limit")
            passes_.Limit = value;
        else if (name == "@passes")
            passes_.Passes = value;
        else
            open_.push_back({line_, value, table_.Rows.size()});
    }

    int64_t Count(std::string_view directive, std::string_view text, int64_t most) const
    {
        int64_t value = 0;
        const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
        if (error != std::errc() || end != text.data() + text.size() || value < 1 || value > most)
            throw TTableError(line_, Tr("The value of %1 is an integer from 1 to %2 (not '%3')",
                                        {directive, std::to_string(most), Quote(text)}));
        return value;
    }

    // Runs the block's rows Count times in all: they were read once, and are appended again.
    void Repeat(const TBlock& block)
    {
        const size_t first = block.FirstRow, last = table_.Rows.size();
        if (last - first > 0 && static_cast<uint64_t>(block.Count - 1) > (MostRows - last) / (last - first))
            throw TTableError(block.Line, Tr("Written out, @repeat makes the table longer than %1 rows",
                                             {std::to_string(MostRows)}));
        for (int64_t round = 2; round <= block.Count; ++round)
            for (size_t r = first; r < last; ++r) table_.Rows.push_back(table_.Rows[r]);
    }

    TTestTable table_;
    size_t line_ = 0;
    bool headerRead_ = false;
    TRowPasses passes_;
    std::vector<TBlock> open_;
};

}  // namespace

TTableError::TTableError(size_t line, const std::string& message) : std::runtime_error(message), Line(line) {}

TTestTable ParseTestTable(std::string_view text) { return TTableReader().Read(text); }

TTestTable ReadTestTable(const std::string& path) { return ParseTestTable(ReadFileBytes(path)); }

bool FitsHeading(std::string_view name) { return name.find_first_of(" \t|=#") == std::string_view::npos; }

std::string TestTableText(const TTestTable& table, std::string_view comment)
{
    const auto heading = [](const TTableColumn& column) {
        return column.Mapped ? column.Title + "=" + column.Target : column.Target;
    };
    std::string text = comment.empty() ? std::string() : "# " + std::string(comment) + "\n";
    for (const TTableColumn& column : table.Inputs) text += heading(column) + " ";
    text += "|";
    for (const TTableColumn& column : table.Outputs) text += " " + heading(column);
    text += '\n';
    const size_t inputs = table.Inputs.size();
    for (const TTableRow& row : table.Rows) {
        for (size_t c = 0; c < inputs; ++c) (text += row.Values[c]) += ' ';
        text += '|';
        for (size_t c = inputs; c < row.Values.size(); ++c) (text += ' ') += row.Values[c];
        text += '\n';
    }
    return text;
}
