// The picture output of a build with the Qt layers: the raster board surface of resources/.
#include "BoardPicture.h"

#include "Board.h"
#include "BoardImage.h"
#include "BoardVector.h"
#include "Context.h"
#include "FileAccess.h"
#include "MessageText.h"
#include "Messages.h"
#include "NetLevels.h"

#include <algorithm>
#include <optional>
#include <utility>

bool BoardPictureAvailable() { return true; }

std::unique_ptr<WindowFactory> MakeBoardPictureWindows(int scale) { return MakePictureWindows(scale); }

std::unique_ptr<Canvas> MakeBoardPictureSurface(const TBord& board, int scale) { return MakeBoardImage(board, scale); }

TRect BoardPictureArea(const Canvas& surface) { return CanvasBoardArea(surface); }

void SaveBoardPicture(const Canvas& surface, const std::string& path)
{
    const std::string bytes = EncodeCanvasPng(surface);
    if (bytes.empty())
        throw TFileError(Tr("Cannot write the file %1 (the picture cannot be converted to PNG)", {MessagePath(path)}));
    WriteFileBytes(path, bytes);
}

namespace {

// The objects with room around them: what a page centres, without the empty board left and above them.
TRect ObjectsArea(const TBord& board)
{
    constexpr int Margin = 10;
    if (board.Count() == 0) return BoardPictureRect(board);
    TRect area = board.Items(0)->GetRect();
    for (int i = 1; i < board.Count(); ++i) {
        const TRect r = board.Items(i)->GetRect();
        area = {std::min(area.Left, r.Left), std::min(area.Top, r.Top), std::max(area.Right, r.Right),
                std::max(area.Bottom, r.Bottom)};
    }
    return {SatAdd(area.Left, -Margin), SatAdd(area.Top, -Margin), SatAdd(area.Right, Margin),
            SatAdd(area.Bottom, Margin)};
}

// Writes what draw makes of the board, drawn in the look of a run or of editing, and in the
// picture's look: after a run, one as on screen, or a clean one that asks for them, shows the nets'
// levels after the last pass, as the run's raster picture does.
template <class Draw>
void SaveDrawn(TBord& board, const std::string& path, bool run, const TPictureLook& look, Draw draw)
{
    TCircuitContext& context = board.Context();
    std::optional<TNetLevels> levels;
    if (run && (!look.Clean() || look.Levels)) levels.emplace(board);
    std::string bytes;
    {
        const TPictureLookScope held(context, look, levels ? &*levels : nullptr);
        const bool was = std::exchange(context.Simulating, run);
        try {
            bytes = draw();
        } catch (...) {
            context.Simulating = was;
            throw;
        }
        context.Simulating = was;
    }
    WriteFileBytes(path, bytes);
}

}  // namespace

void SaveCleanBoardPicture(TBord& board, const Canvas& surface, int scale, const std::string& path, bool run,
                           const TPictureLook& look)
{
    SaveDrawn(board, path, run, look, [&] {
        std::string png = BoardPng(board, CanvasBoardArea(surface), scale, look);
        if (png.empty())
            throw TFileError(
                Tr("Cannot write the file %1 (the picture cannot be converted to PNG)", {MessagePath(path)}));
        return png;
    });
}

void SaveBoardSvg(TBord& board, const std::string& path, bool run, const TPictureLook& look)
{
    SaveDrawn(board, path, run, look, [&] { return BoardSvg(board, BoardPictureRect(board), look); });
}

void SaveBoardPdf(TBord& board, const std::string& path, const std::string& footer, bool run, const TPictureLook& look)
{
    SaveDrawn(board, path, run, look, [&] { return BoardPdf(board, ObjectsArea(board), footer, look); });
}
