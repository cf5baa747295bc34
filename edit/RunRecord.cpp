#include "RunRecord.h"

#include "Board.h"
#include "Context.h"
#include "MessageText.h"
#include "RunControl.h"

#include <charconv>

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

std::string RunRecordText(const std::string& circuitFile, const std::vector<TRunAction>& actions)
{
    std::string text = circuitFile + "\n";
    for (const TRunAction& a : actions)
        text += std::to_string(a.Pass) + (a.Kind == TRunAction::Press ? " press " : " release ") + a.Name + "\n";
    return text;
}

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

// The next word of the line from pos on, blanks before it skipped.
std::string_view NextWord(std::string_view line, size_t& pos)
{
    while (pos < line.size() && IsBlank(line[pos])) ++pos;
    const size_t start = pos;
    while (pos < line.size() && !IsBlank(line[pos])) ++pos;
    return line.substr(start, pos - start);
}

TRunAction ParseAction(std::string_view line, size_t number)
{
    const auto garbage = [&] {
        return TRecordError(number, "'" + MessageText(line) + "' は記録の行ではありません (「パス press 名前」か「パス release 名前」)");
    };
    size_t pos = 0;
    const std::string_view pass = NextWord(line, pos);
    const std::string_view kind = NextWord(line, pos);
    while (pos < line.size() && IsBlank(line[pos])) ++pos;
    std::string_view name = line.substr(pos);
    while (!name.empty() && IsBlank(name.back())) name.remove_suffix(1);
    if (name.empty() || (kind != "press" && kind != "release")) throw garbage();
    TRunAction action;
    const auto [end, error] = std::from_chars(pass.data(), pass.data() + pass.size(), action.Pass);
    if (pass.empty() || end != pass.data() + pass.size()) throw garbage();
    if (error != std::errc() || action.Pass < 1)
        throw TRecordError(number, "パスは 1 以上の整数で書いてください ('" + MessageText(pass) + "' ではなく)");
    action.Kind = kind == "press" ? TRunAction::Press : TRunAction::Release;
    action.Name = name;
    action.Line = number;
    return action;
}

}  // namespace

TRunRecordFile ParseRunRecord(std::string_view text)
{
    if (text.starts_with("\xEF\xBB\xBF")) text.remove_prefix(3);
    TRunRecordFile record;
    size_t number = 0;
    while (!text.empty()) {
        const size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
        if (line.ends_with('\r')) line.remove_suffix(1);
        if (++number == 1) {
            if (line.empty()) throw TRecordError(number, "1 行目に回路ファイルの名前がありません");
            record.CircuitFile = line;
            continue;
        }
        if (line.find_first_not_of(" \t") == std::string_view::npos) continue;
        TRunAction action = ParseAction(line, number);
        if (!record.Actions.empty() && action.Pass < record.Actions.back().Pass)
            throw TRecordError(number, "パス " + std::to_string(action.Pass) + " が前の行のパス " +
                                           std::to_string(record.Actions.back().Pass) + " より前に戻っています");
        record.Actions.push_back(std::move(action));
    }
    if (number == 0) throw TRecordError(1, "1 行目に回路ファイルの名前がありません");
    return record;
}
