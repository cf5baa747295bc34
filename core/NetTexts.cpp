#include "NetTexts.h"

#include "Board.h"
#include "Messages.h"

#include <cstring>

namespace {

// The drivers' saved names: "A and B", "A, B and C".
std::string JoinedNames(const TBord& board, std::span<const TTanshi* const> drivers)
{
    std::string leading;
    for (size_t d = 0; d + 1 < drivers.size(); ++d)
        leading += (leading.empty() ? "" : ", ") + SavedName(board, *drivers[d]->Owner);
    return Tr("%1 and %2", {leading, SavedName(board, *drivers.back()->Owner)});
}

// A gate is named with its kind, as its tool is ("TGate2 (XOR)"); other parts by their name alone.
std::string PartTitle(const TBord& board, const TPartsBase& part)
{
    static const char* const gateKinds[] = {TrMarkIn("part tool", "NAND"), TrMarkIn("part tool", "NAND"),
                                            TrMarkIn("part tool", "NOR"),  TrMarkIn("part tool", "NOR"),
                                            TrMarkIn("part tool", "AND"),  TrMarkIn("part tool", "OR"),
                                            TrMarkIn("part tool", "XOR"),  TrMarkIn("part tool", "XNOR")};
    const std::string name = SavedName(board, part);
    if (std::strcmp(part.ClassName(), "TGate") != 0 || part.PartNo < 0 || part.PartNo >= 32) return name;
    return name + " (" + TrIn("part tool", gateKinds[part.PartNo % 8]) + ")";
}

}  // namespace

std::string SavedName(const TBord& board, const TPartsBase& object)
{
    for (int i = 0; i < board.Count(); ++i)
        if (board.Items(i) == &object) return object.ClassName() + std::to_string(i);
    return object.ClassName();
}

std::string ConflictText(const TBord& board, const TNetLevels& levels)
{
    const std::vector<uint32_t> conflicts = levels.Conflicts();
    if (conflicts.empty()) return {};
    return Tr("%1 drive one wire with different levels", {JoinedNames(board, levels.Map().Drivers(conflicts[0]))});
}

std::string NetTip(const TBord& board, const TNetLevels& levels, uint32_t net)
{
    const std::span<const TTanshi* const> drivers = levels.Map().Drivers(net);
    if (drivers.empty()) return Tr("0, no output drives it");
    if (levels.Show(net) == TNetShow::Conflict)
        return Tr("Conflict: %1 drive it with different levels", {JoinedNames(board, drivers)});
    const std::string level = levels.Show(net) == TNetShow::High ? "1" : "0";
    return Tr("%1, from the output of %2", {level, PartTitle(board, *drivers.back()->Owner)});
}
