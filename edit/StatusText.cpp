#include "StatusText.h"

#include "Messages.h"

namespace {

std::string Placing(const TStatusFacts& f)
{
    if (f.ToolClass == "TMacro") return Tr("Macro: click the board to place it");
    // Sub-board terminals only go inside a sub-board; a press elsewhere places nothing.
    if (f.ToolClass == "TInTerminal" || f.ToolClass == "TOutTerminal")
        return Tr("%1: click inside a sub-board to place it", {f.ToolName});
    if (f.ToolClass == "TContainer") return Tr("%1: drag to mark out the sub-board", {f.ToolName});
    if (f.ToolClass == "TTextBox") return Tr("%1: click where the text goes and type it", {f.ToolName});
    return Tr("%1: click the board to place it", {f.ToolName});
}

std::string Editing(const TStatusFacts& f)
{
    if (f.DrawingWire)
        return f.WireEndsHere ? Tr("Drawing a wire: release or click to draw it up to here and finish (Esc or right "
                                   "click cancels)")
                              : Tr("Drawing a wire: release or click to draw the solid part and go on; finish on the "
                                   "line just drawn or on a terminal or wire (Esc or right click cancels)");
    // A macro entry arms its macro without checking a tool of its own; it wins over the tool.
    if (f.ToolClass == "TMacro") return Placing(f);
    switch (f.Tool) {
    case TTool::Wire:
        return Tr("Wire tool: drag from terminal to terminal to wire them; release partway to go on from the corner "
                  "(Esc cancels)");
    case TTool::Delete:
        return Tr("Delete tool: click a part to delete it");
    case TTool::Move:
        // The move tool keeps an armed part: a press on empty space still places it.
        if (!f.ToolClass.empty())
            return Tr("Move tool: drag a part to move it; click empty space to place %1", {f.ToolName});
        return Tr("Move tool: drag a part to move it");
    case TTool::Part:
        return f.ToolClass.empty() ? Tr("Select tool") : Placing(f);
    case TTool::Select:
        break;
    }
    return Tr("Select tool: click to select, drag to move or to select an area, right click for the part's settings");
}

}  // namespace

std::string GroupedDigits(int64_t n)
{
    const bool negative = n < 0;
    // Digits gathered from the last one, so that the most negative number needs no negation.
    std::string reversed;
    int count = 0;
    do {
        const int64_t digit = n % 10;
        if (count > 0 && count % 3 == 0) reversed += ',';
        reversed += static_cast<char>('0' + (digit < 0 ? -digit : digit));
        n /= 10;
        ++count;
    } while (n != 0);
    if (negative) reversed += '-';
    return {reversed.rbegin(), reversed.rend()};
}

std::string WithoutAccelerator(const std::string& caption)
{
    std::string name = caption;
    const size_t open = name.rfind("(&");
    if (open != std::string::npos && open + 4 == name.size() && name.back() == ')') name.erase(open);
    std::string out;
    for (size_t i = 0; i < name.size(); ++i) {
        if (name[i] == '&' && i + 1 < name.size()) ++i;  // "&&" stands for one '&'
        out += name[i];
    }
    return out;
}

std::string StatusText(const TStatusFacts& f)
{
    if (!f.Simulating) return Editing(f);
    const std::string passes = GroupedDigits(f.Passes), limit = GroupedDigits(f.RateLimit);
    const bool limited = f.RateLimit > 0;
    if (f.Paused)
        return limited ? Tr("Paused  pass %1 (at most %2 passes per second)  Run one pass (F10) steps one pass at a "
                            "time, click a switch to operate it",
                            {passes, limit})
                       : Tr("Paused  pass %1  Run one pass (F10) steps one pass at a time, click a switch to "
                            "operate it",
                            {passes});
    if (f.PassRate >= 0) {
        const std::string rate = GroupedDigits(f.PassRate);
        return limited ? Tr("Simulating  pass %1 (%2 passes per second, at most %3)  click a switch to operate it",
                            {passes, rate, limit})
                       : Tr("Simulating  pass %1 (%2 passes per second)  click a switch to operate it", {passes, rate});
    }
    return limited ? Tr("Simulating  pass %1 (at most %2 passes per second)  click a switch to operate it",
                        {passes, limit})
                   : Tr("Simulating  pass %1  click a switch to operate it", {passes});
}
