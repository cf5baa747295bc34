#include "TableColumns.h"

#include "Board.h"
#include "Messages.h"
#include "PartU.h"
#include "UsageError.h"

#include <optional>

namespace {

std::string Trimmed(const std::string& text)
{
    const size_t first = text.find_first_not_of(" \t");
    if (first == std::string::npos) return {};
    return text.substr(first, text.find_last_not_of(" \t") + 1 - first);
}

// The box's text when it is one line (blank lines and spaces around it aside).
std::optional<std::string> OneLine(const TTextBox& box)
{
    std::optional<std::string> only;
    for (const std::string& line : box.DrawnLines) {
        std::string text = Trimmed(line);
        if (text.empty()) continue;
        if (only) return std::nullopt;
        only = std::move(text);
    }
    return only;
}

bool Reads(const TTextBox& box, const std::string& label) { return OneLine(box) == label; }

struct TExtent {
    int64_t Left, Top, Right, Bottom;
};

TExtent ExtentOf(const TPartsBase& o)
{
    return {o.Left, o.Top, int64_t{o.Left} + o.Width, int64_t{o.Top} + o.Height};
}

// The pixels between the box and something right of it or below it; none when it is neither.
std::optional<int64_t> Gap(const TPartsBase& box, const TExtent& o)
{
    const TExtent b = ExtentOf(box);
    std::optional<int64_t> gap;
    if (o.Left >= b.Right && o.Top < b.Bottom && o.Bottom > b.Top) gap = o.Left - b.Right;
    if (o.Top >= b.Bottom && o.Left < b.Right && o.Right > b.Left) {
        const int64_t below = o.Top - b.Bottom;
        if (!gap || below < *gap) gap = below;
    }
    return gap;
}

bool Marked(const TPartsBase& o, bool input)
{
    if (input) return dynamic_cast<const TSwitch*>(&o) != nullptr;
    return dynamic_cast<const TLED*>(&o) || dynamic_cast<const TLED7SEG*>(&o);
}

std::string Missing(const TTableColumn& column, bool input)
{
    if (!column.Mapped) return Tr("There is no part named '%1'", {column.Target});
    const std::string gap = std::to_string(MaxLabelGap);
    if (input)
        return Tr("There is no part named '%1'. No switch lies within %2 dots right of or below a text reading '%1'",
                  {column.Target, gap});
    return Tr("There is no part named '%1'. No lamp or 7-segment display lies within %2 dots right of or below a "
              "text reading '%1'",
              {column.Target, gap});
}

TSwitch& BindInput(const TTableColumn& column, const TBord& board, const TNamedObjects& named)
{
    TPartsBase* object = named.Lookup(column.Target);
    if (!object && column.Mapped) object = LabelledObject(board, column.Target, true);
    if (!object) throw TUsageError(Missing(column, true));
    auto* input = dynamic_cast<TSwitch*>(object);
    if (!input)
        throw TUsageError(Tr("The input column '%1' names '%2', which is a %3, neither a toggle switch (TTglSW) nor a "
                             "push button (TPushSW)",
                             {column.Title, column.Target, object->ClassName()}));
    return *input;
}

TWatch BindOutput(const TTableColumn& column, const TBord& board, const TNamedObjects& named)
{
    try {
        return TWatch(column.Target, named);
    } catch (const TUsageError&) {
        // A name that no object has may be a label; any other fault of the name stands.
        if (!column.Mapped || named.Lookup(column.Target)) throw;
        if (const TPartsBase* marked = LabelledObject(board, column.Target, false)) return TWatch(column.Target, *marked);
        throw TUsageError(Missing(column, false));
    }
}

}  // namespace

TPartsBase* LabelledObject(const TBord& board, const std::string& label, bool input)
{
    for (int b = 0; b < board.Count(); ++b) {
        const auto* box = dynamic_cast<const TTextBox*>(board.Items(b));
        if (!box || !Reads(*box, label)) continue;
        TPartsBase* nearest = nullptr;
        int64_t nearestGap = MaxLabelGap + 1;
        for (int i = 0; i < board.Count(); ++i) {
            TPartsBase& o = *board.Items(i);
            if (o.Container != box->Container || !Marked(o, input)) continue;
            const std::optional<int64_t> gap = Gap(*box, ExtentOf(o));
            if (gap && *gap < nearestGap) {
                nearest = &o;
                nearestGap = *gap;
            }
        }
        if (nearest) return nearest;
    }
    return nullptr;
}

std::string LabelBeside(const TBord& board, const TPartsBase& owner, TPoint at)
{
    const TExtent point{at.x, at.y, int64_t{at.x} + 1, int64_t{at.y} + 1};
    std::string nearest;
    int64_t nearestGap = MaxLabelGap + 1;
    for (int b = 0; b < board.Count(); ++b) {
        const auto* box = dynamic_cast<const TTextBox*>(board.Items(b));
        if (!box || box->Container != owner.Container) continue;
        const std::optional<int64_t> gap = Gap(*box, point);
        if (!gap || *gap >= nearestGap) continue;
        if (std::optional<std::string> text = OneLine(*box)) {
            nearest = std::move(*text);
            nearestGap = *gap;
        }
    }
    return nearest;
}

TWatch NamedWatch(const std::string& spec, const TBord& board, const TNamedObjects& named)
{
    try {
        return TWatch(spec, named);
    } catch (const TUsageError&) {
        if (const TPartsBase* indicator = LabelledObject(board, spec, false)) return TWatch(spec, *indicator);
        for (int i = 0; i < board.Count(); ++i) {
            const TPartsBase& o = *board.Items(i);
            for (int t = 0; t < o.Tanshis.Count(); ++t) {
                const TTanshi& terminal = *o.Tanshis.Items(t);
                if (terminal.Direction == dirOutput && LabelBeside(board, o, o.LocalToBoard(terminal.GetPos())) == spec)
                    return TWatch(spec, o, t);
            }
        }
        throw;
    }
}

TTableColumns BindColumns(const TTestTable& table, const TBord& board, const TNamedObjects& named)
{
    TTableColumns columns;
    for (const TTableColumn& column : table.Inputs) columns.Inputs.push_back(&BindInput(column, board, named));
    for (size_t c = 0; c < table.Outputs.size(); ++c) {
        const TTableColumn& column = table.Outputs[c];
        TWatch watch = BindOutput(column, board, named);
        if (watch.Kind() == TWatch::Dots)
            throw TUsageError(Tr("The output column '%1' is a dot matrix. A table checks it by its terminals (%2.I)",
                                 {column.Title, column.Target}));
        if (watch.Kind() != TWatch::Segments)
            for (const TTableRow& row : table.Rows) {
                const char value = row.Values[table.Inputs.size() + c];
                if (value != '0' && value != '1' && value != 'X')
                    throw TUsageError(Tr("Line %1 of the table: column '%2' is a level or a lamp, whose values are "
                                         "0, 1 or X (not '%3')",
                                         {std::to_string(row.Line), column.Title, std::string(1, value)}));
            }
        columns.Outputs.push_back(std::move(watch));
    }
    return columns;
}
