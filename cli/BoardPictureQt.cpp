// The picture output of a build with the Qt layers: the raster board surface of resources/.
#include "BoardPicture.h"

#include "BoardImage.h"
#include "CircuitFile.h"

bool BoardPictureAvailable() { return true; }

std::unique_ptr<WindowFactory> MakeBoardPictureWindows() { return MakePictureWindows(); }

std::unique_ptr<Canvas> MakeBoardPictureSurface(const TBord& board) { return MakeBoardImage(board); }

void SaveBoardPicture(const Canvas& surface, const std::string& path)
{
    if (!SaveCanvasPng(surface, path)) throw TFileError("cannot write " + path);
}
