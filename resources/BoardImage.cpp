#include "BoardImage.h"

#include "Board.h"
#include "ContactSheet.h"
#include "DMU.h"
#include "GuiSession.h"
#include "QImageCanvas.h"
#include "Simulation.h"

#include <algorithm>

namespace {

// What a picture needs besides its pixels, set up before the canvas that uses the sprites.
struct TPictureSupport {
    TGuiSession Session;
    TDM Sprites;
};

class TBoardImage : private TPictureSupport, public QImageCanvas {
public:
    TBoardImage(int width, int height) : QImageCanvas(width, height, &Sprites) {}
};

constexpr int Margin = 20;
// Coordinates from a file may be absurd; the picture stops at this size.
constexpr int64_t MaxSide = 4000;

}  // namespace

std::unique_ptr<Canvas> MakeBoardImage(const TBord& board)
{
    int64_t right = 0, bottom = 0;
    for (int i = 0; i < board.Count(); ++i) {
        const TRect r = board.Items(i)->GetRect();
        right = std::max<int64_t>(right, r.Right);
        bottom = std::max<int64_t>(bottom, r.Bottom);
    }
    return std::make_unique<TBoardImage>(static_cast<int>(std::min(right + Margin, MaxSide)),
                                         static_cast<int>(std::min(bottom + Margin, MaxSide)));
}

bool SaveCanvasPng(const Canvas& surface, const std::string& path)
{
    const auto* image = dynamic_cast<const QImageCanvas*>(&surface);
    return image && !image->Image().isNull() && image->Image().save(QString::fromStdString(path), "PNG");
}

bool SaveBoardPng(TBord& board, const std::string& path)
{
    const std::unique_ptr<Canvas> surface = MakeBoardImage(board);
    Canvas* const previous = board.GetCanvas();
    board.SetCanvas(surface.get());
    RedrawBoard(board, *surface, surface->Width(), surface->Height());
    board.SetCanvas(previous);
    return SaveCanvasPng(*surface, path);
}

bool SaveSpriteSheetPng(const std::string& path)
{
    const TGuiSession session;
    const TDM sprites;
    return ContactSheet(sprites).save(QString::fromStdString(path), "PNG");
}
