// The picture output of a build with the Qt layers: the raster board surface of resources/.
#include "BoardPicture.h"

#include "Board.h"
#include "BoardImage.h"
#include "BoardVector.h"
#include "Context.h"
#include "FileAccess.h"
#include "MessageText.h"
#include "Messages.h"

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

// Writes what draw makes of the whole board, drawn in the look of a run or of editing.
template <class Draw>
void SaveVector(TBord& board, const std::string& path, bool run, Draw draw)
{
    bool& simulating = board.Context().Simulating;
    const bool was = std::exchange(simulating, run);
    const std::string bytes = draw(BoardPictureRect(board));
    simulating = was;
    WriteFileBytes(path, bytes);
}

}  // namespace

void SaveBoardSvg(TBord& board, const std::string& path, bool run)
{
    SaveVector(board, path, run, [&](const TRect& area) { return BoardSvg(board, area); });
}

void SaveBoardPdf(TBord& board, const std::string& path, const std::string& footer, bool run)
{
    SaveVector(board, path, run, [&](const TRect& area) { return BoardPdf(board, area, footer); });
}
