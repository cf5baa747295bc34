#include "BoardImage.h"

#include "Board.h"
#include "ContactSheet.h"
#include "DMU.h"
#include "FileAccess.h"
#include "GuiSession.h"
#include "HeadlessWindows.h"
#include "QImageCanvas.h"
#include "Simulation.h"

#include <QBuffer>

#include <algorithm>

namespace {

// What the pictures of a process share: the GUI application and the sprites, kept while any
// picture surface, display image or window factory of a picture lives.
struct TPictureSupport {
    TGuiSession Session;
    TDM Sprites;
};

std::shared_ptr<TPictureSupport> PictureSupport()
{
    static std::weak_ptr<TPictureSupport> shared;
    std::shared_ptr<TPictureSupport> support = shared.lock();
    if (!support) {
        support = std::make_shared<TPictureSupport>();
        shared = support;
    }
    return support;
}

// Holds the support from before the canvas is built until after it is gone.
struct TPictureSupportHolder {
    std::shared_ptr<TPictureSupport> Support = PictureSupport();
};

class TBoardImage : private TPictureSupportHolder, public QImageCanvas {
public:
    TBoardImage(int width, int height) : QImageCanvas(width, height, &Support->Sprites) {}
};

class TPictureWindows : public WindowFactory {
public:
    std::unique_ptr<TextEditor> CreateTextEditor() override { return std::make_unique<TMemoryTextEditor>(); }
    std::unique_ptr<ScopeSink> CreateScopeSink() override { return std::make_unique<TMemoryScope>(); }
    std::unique_ptr<Canvas> CreateImage(int width, int height) override
    {
        return std::make_unique<TBoardImage>(width, height);
    }

private:
    std::shared_ptr<TPictureSupport> support_ = PictureSupport();
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

std::unique_ptr<WindowFactory> MakePictureWindows() { return std::make_unique<TPictureWindows>(); }

namespace {

std::string EncodePng(const QImage& image)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    if (image.isNull() || !buffer.open(QIODevice::WriteOnly) || !image.save(&buffer, "PNG")) return {};
    return bytes.toStdString();
}

bool WritePng(const std::string& bytes, const std::string& path)
{
    if (bytes.empty()) return false;
    try {
        WriteFileBytes(path, bytes);
        return true;
    } catch (const TFileError&) {
        return false;
    }
}

}  // namespace

std::string EncodeCanvasPng(const Canvas& surface)
{
    const auto* image = dynamic_cast<const QImageCanvas*>(&surface);
    return image ? EncodePng(image->Image()) : std::string();
}

bool SaveCanvasPng(const Canvas& surface, const std::string& path) { return WritePng(EncodeCanvasPng(surface), path); }

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
    const std::shared_ptr<TPictureSupport> support = PictureSupport();
    return WritePng(EncodePng(ContactSheet(support->Sprites)), path);
}
