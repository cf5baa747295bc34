#include "ProbeLabels.h"

#include "Board.h"
#include "PartU.h"
#include "ScopeFormU.h"
#include "TableColumns.h"

std::string ProbeChannelLabel(const TBord& board, const TProbeChannel& channel)
{
    for (int i = 0; i < board.Count(); ++i) {
        const auto* probe = dynamic_cast<const TScope*>(board.Items(i));
        const auto* window = probe ? dynamic_cast<const TScopeForm*>(probe->ScopeWindow.get()) : nullptr;
        if (!window || window->Probe() != channel.Probe) continue;
        if (channel.Channel < 0 || channel.Channel >= probe->Tanshis.Count()) return {};
        const TTanshi& terminal = *probe->Tanshis.Items(channel.Channel);
        return LabelBeside(board, *probe, {probe->Left + terminal.X, probe->Top + terminal.Y});
    }
    return {};
}
