#include "RunRecord.h"

#include "Board.h"
#include "Context.h"
#include "MessageText.h"
#include "Messages.h"
#include "RunControl.h"

#include <charconv>
#include <optional>

void TRunRecorder::Begin(TStrings circuitText, const TRunControl& run, const TCircuitContext& context)
{
    run_ = &run;
    context_ = &context;
    editsAtBegin_ = context.Edits;
    edited_ = false;
    hasRun_ = true;
    circuitText_ = std::move(circuitText);
    actions_.clear();
}

void TRunRecorder::End()
{
    if (run_ && context_) edited_ = context_->Edits != editsAtBegin_;
    run_ = nullptr;
}

void TRunRecorder::Forget()
{
    run_ = nullptr;
    hasRun_ = false;
    edited_ = false;
    circuitText_.clear();
    actions_.clear();
}

void TRunRecorder::Note(TRunAction::TKind kind, const TBord& board, const TPartsBase& object)
{
    if (!run_ || !object.Is(cfPart)) return;
    for (int i = 0; i < board.Count(); ++i)
        if (board.Items(i) == &object) {
            actions_.push_back({run_->Passes(), kind, object.ClassName() + std::to_string(i)});
            return;
        }
}

namespace {

constexpr std::string_view ByteOrderMark = "\xEF\xBB\xBF";

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

bool IsBlankLine(std::string_view line) { return line.find_first_not_of(" \t") == std::string_view::npos; }

// The next word of the line from pos on, blanks before it skipped.
std::string_view NextWord(std::string_view line, size_t& pos)
{
    while (pos < line.size() && IsBlank(line[pos])) ++pos;
    const size_t start = pos;
    while (pos < line.size() && !IsBlank(line[pos])) ++pos;
    return line.substr(start, pos - start);
}

struct TActionWords {
    std::string_view Pass;
    std::string_view Kind;
    std::string_view Name;
};

// The words of a line shaped as an action: an integer, "press" or "release", and a name. Whether
// the integer is a pass the record may hold is not asked here.
std::optional<TActionWords> ActionWords(std::string_view line)
{
    TActionWords words;
    size_t pos = 0;
    words.Pass = NextWord(line, pos);
    words.Kind = NextWord(line, pos);
    while (pos < line.size() && IsBlank(line[pos])) ++pos;
    words.Name = line.substr(pos);
    while (!words.Name.empty() && IsBlank(words.Name.back())) words.Name.remove_suffix(1);
    if (words.Name.empty() || (words.Kind != "press" && words.Kind != "release")) return std::nullopt;
    const std::string_view digits = words.Pass.starts_with('-') ? words.Pass.substr(1) : words.Pass;
    if (digits.empty() || digits.find_first_not_of("0123456789") != std::string_view::npos) return std::nullopt;
    return words;
}

TRunAction ParseAction(std::string_view line, size_t number)
{
    const std::optional<TActionWords> words = ActionWords(line);
    if (!words)
        throw TRecordError(number, Tr("'%1' is not an action line (\"PASS press NAME\" or \"PASS release NAME\")",
                                      {MessageText(line)}));
    TRunAction action;
    const auto [end, error] = std::from_chars(words->Pass.data(), words->Pass.data() + words->Pass.size(), action.Pass);
    if (error != std::errc() || end != words->Pass.data() + words->Pass.size() || action.Pass < 1)
        throw TRecordError(number,
                           Tr("Write the pass as an integer of 1 or more (not '%1')", {MessageText(words->Pass)}));
    action.Kind = words->Kind == "press" ? TRunAction::Press : TRunAction::Release;
    action.Name = words->Name;
    action.Line = number;
    return action;
}

}  // namespace

std::string RunRecordText(const std::string& circuitFile, const std::vector<TRunAction>& actions)
{
    // The first line must read as the circuit's name: a name that is blank, has the shape of an
    // action or begins with what reads as a byte order mark is written as the same file seen from "./".
    const bool ambiguous =
        IsBlankLine(circuitFile) || ActionWords(circuitFile) || circuitFile.starts_with(ByteOrderMark);
    std::string text = (ambiguous ? "./" : "") + circuitFile + "\n";
    for (const TRunAction& a : actions)
        text += std::to_string(a.Pass) + (a.Kind == TRunAction::Press ? " press " : " release ") + a.Name + "\n";
    return text;
}

TRunRecordFile ParseRunRecord(std::string_view text)
{
    if (text.starts_with(ByteOrderMark)) text.remove_prefix(ByteOrderMark.size());
    TRunRecordFile record;
    size_t number = 0;
    while (!text.empty()) {
        const size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
        if (line.ends_with('\r')) line.remove_suffix(1);
        ++number;
        // A line that ended at a CR alone would hide the lines after it in its own.
        if (line.find('\r') != std::string_view::npos)
            throw TRecordError(number, Tr("The lines end in CR alone (end them in LF or CR LF)"));
        if (number == 1) {
            if (IsBlankLine(line)) throw TRecordError(number, Tr("Line 1 does not name the circuit file"));
            // A record that lost its first line would otherwise replay without its first action.
            if (ActionWords(line))
                throw TRecordError(number, Tr("Line 1 does not name the circuit file ('%1' is an action line)",
                                              {MessageText(line)}));
            record.CircuitFile = line;
            continue;
        }
        if (IsBlankLine(line)) continue;
        TRunAction action = ParseAction(line, number);
        if (!record.Actions.empty() && action.Pass < record.Actions.back().Pass)
            throw TRecordError(number, Tr("Pass %1 goes back before pass %2 of the line above",
                                          {std::to_string(action.Pass), std::to_string(record.Actions.back().Pass)}));
        record.Actions.push_back(std::move(action));
    }
    if (number == 0) throw TRecordError(1, Tr("Line 1 does not name the circuit file"));
    return record;
}
