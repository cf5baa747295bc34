// The picture output of a build with the Qt layers: the raster board surface of resources/.
#include "BoardPicture.h"

#include "BoardImage.h"
#include "FileAccess.h"
#include "MessageText.h"
#include "Messages.h"

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
