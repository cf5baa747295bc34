#include "HeadlessWindows.h"

#include <algorithm>

namespace {

// Lines split at CR LF, CR or LF; a line end at the very end starts no further line.
std::vector<std::string> SplitLines(const std::string& text)
{
    std::vector<std::string> lines;
    size_t start = 0;
    while (start < text.size()) {
        const size_t end = text.find_first_of("\r\n", start);
        if (end == std::string::npos) {
            lines.push_back(text.substr(start));
            break;
        }
        lines.push_back(text.substr(start, end - start));
        start = end + (text.compare(end, 2, "\r\n") == 0 ? 2 : 1);
    }
    return lines;
}

// The text with every line end as CR LF, as the control keeps it.
std::string WithCrLf(const std::string& text)
{
    std::string out;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' || text[i] == '\n') {
            out += "\r\n";
            if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
        } else {
            out += text[i];
        }
    }
    return out;
}

}  // namespace

void TMemoryTextEditor::SetLines(const std::vector<std::string>& lines)
{
    lines_ = lines;
    selStart_ = selLength_ = 0;
}

std::string TMemoryTextEditor::Text() const
{
    std::string text;
    for (size_t i = 0; i < lines_.size(); ++i) {
        if (i > 0) text += "\r\n";
        text += lines_[i];
    }
    return text;
}

void TMemoryTextEditor::Select(size_t start, size_t length)
{
    const size_t size = Text().size();
    selStart_ = std::min(start, size);
    selLength_ = std::min(length, size - selStart_);
}

std::string TMemoryTextEditor::SelText() const { return Text().substr(selStart_, selLength_); }

void TMemoryTextEditor::ReplaceSelection(const std::string& text)
{
    const std::string inserted = WithCrLf(text);
    std::string all = Text();
    all.replace(selStart_, selLength_, inserted);
    const size_t caret = selStart_ + inserted.size();
    lines_ = SplitLines(all);
    selStart_ = std::min(caret, Text().size());
    selLength_ = 0;
}

void TMemoryTextEditor::PressElsewhere()
{
    if (!Focused) return;
    Focused = false;
    if (EndEditHook) EndEditHook();
}

void TMemoryScope::SetLevel(int channel, int32_t level)
{
    if (channel >= 0 && channel < static_cast<int>(Levels.size())) Levels[static_cast<size_t>(channel)] = level;
}

std::unique_ptr<TextEditor> NewTextEditor(const TCircuitContext& context)
{
    if (context.Windows) return context.Windows->CreateTextEditor();
    return std::make_unique<TMemoryTextEditor>();
}

std::unique_ptr<ScopeSink> NewScopeSink(const TCircuitContext& context)
{
    if (context.Windows) return context.Windows->CreateScopeSink();
    return std::make_unique<TMemoryScope>();
}

std::unique_ptr<Canvas> NewImage(const TCircuitContext& context, int width, int height)
{
    if (context.Windows) return context.Windows->CreateImage(width, height);
    return std::make_unique<NullCanvas>(width, height);
}

uint64_t ImageGeneration(const TCircuitContext& context) { return context.Windows ? context.Windows->ImageGeneration() : 0; }
