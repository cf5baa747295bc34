// The picture output of a build without the raster canvas: there is none.
#include "BoardPicture.h"

#include "FileError.h"
#include "MessageText.h"
#include "Messages.h"

bool BoardPictureAvailable() { return false; }

std::unique_ptr<WindowFactory> MakeBoardPictureWindows(int) { return nullptr; }

std::unique_ptr<Canvas> MakeBoardPictureSurface(const TBord&, int) { return std::make_unique<NullCanvas>(); }

TRect BoardPictureArea(const Canvas& surface) { return {0, 0, surface.Width(), surface.Height()}; }

void SaveBoardPicture(const Canvas&, const std::string& path)
{
    throw TFileError(Tr("Cannot write the file %1 (this build has no picture output)", {MessagePath(path)}));
}

void SaveCleanBoardPicture(TBord&, const Canvas&, int, const std::string& path, bool, const TPictureLook&)
{
    SaveBoardPicture(NullCanvas(), path);
}

void SaveBoardSvg(TBord&, const std::string& path, bool, const TPictureLook&) { SaveBoardPicture(NullCanvas(), path); }

void SaveBoardPdf(TBord&, const std::string& path, const std::string&, bool, const TPictureLook&)
{
    SaveBoardPicture(NullCanvas(), path);
}
