// The picture output of a build with the Qt layers: the raster board surface of resources/.
#include "BoardPicture.h"

#include "BoardImage.h"
#include "FileAccess.h"
#include "MessageText.h"

bool BoardPictureAvailable() { return true; }

std::unique_ptr<WindowFactory> MakeBoardPictureWindows(int scale) { return MakePictureWindows(scale); }

std::unique_ptr<Canvas> MakeBoardPictureSurface(const TBord& board, int scale) { return MakeBoardImage(board, scale); }

TRect BoardPictureArea(const Canvas& surface) { return CanvasBoardArea(surface); }

void SaveBoardPicture(const Canvas& surface, const std::string& path)
{
    const std::string bytes = EncodeCanvasPng(surface);
    if (bytes.empty()) throw TFileError("ファイル " + MessagePath(path) + " に書き込めません (画像を PNG に変換できません)");
    WriteFileBytes(path, bytes);
}
