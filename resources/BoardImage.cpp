#include "BoardImage.h"

#include "Board.h"
#include "BoardVector.h"
#include "ContactSheet.h"
#include "Context.h"
#include "FileAccess.h"
#include "HeadlessWindows.h"
#include "PictureSupport.h"
#include "QImageCanvas.h"
#include "Simulation.h"

#include <QBuffer>
#include <QPainter>

#include <algorithm>

namespace {

// Holds the support from before the canvas is built until after it is gone.
struct TPictureSupportHolder {
    std::shared_ptr<TPictureSupport> Support = PictureSupport();
};

class TBoardImage : private TPictureSupportHolder, public QImageCanvas {
public:
    // The board from the origin to (width, height) at the scale.
    TBoardImage(int width, int height, double scale) : QImageCanvas(0, 0, &Support->Sprites)
    {
        SetView(scale, {});
        const QRect device = DeviceRect({0, 0, width, height});
        Resize(device.width(), device.height());
    }
};

class TPictureWindows : public WindowFactory {
public:
    explicit TPictureWindows(double scale) : scale_(scale) {}
    std::unique_ptr<TextEditor> CreateTextEditor() override { return std::make_unique<TMemoryTextEditor>(); }
    std::unique_ptr<ScopeSink> CreateScopeSink() override { return std::make_unique<TMemoryScope>(); }
    std::unique_ptr<Canvas> CreateImage(int width, int height) override
    {
        return std::make_unique<TBoardImage>(width, height, scale_);
    }

private:
    std::shared_ptr<TPictureSupport> support_ = PictureSupport();
    double scale_;
};

constexpr int Margin = 20;
// Coordinates from a file may be absurd; the picture stops at this many board units and device
// pixels a side.
constexpr int64_t MaxSide = 4000;
constexpr int64_t MaxPixels = 8000;

}  // namespace

TRect BoardPictureRect(const TBord& board, double scale)
{
    int64_t right = 0, bottom = 0;
    for (int i = 0; i < board.Count(); ++i) {
        const TRect r = board.Items(i)->GetRect();
        right = std::max<int64_t>(right, r.Right);
        bottom = std::max<int64_t>(bottom, r.Bottom);
    }
    if (!(scale > 0 && scale <= MaxPixels)) scale = 1;
    const int64_t side = std::min(MaxSide, static_cast<int64_t>(static_cast<double>(MaxPixels) / scale));
    return {0, 0, static_cast<int>(std::min(right + Margin, side)), static_cast<int>(std::min(bottom + Margin, side))};
}

std::unique_ptr<Canvas> MakeBoardImage(const TBord& board, double scale)
{
    if (!(scale > 0 && scale <= MaxPixels)) scale = 1;
    const TRect area = BoardPictureRect(board, scale);
    return std::make_unique<TBoardImage>(area.Right, area.Bottom, scale);
}

std::unique_ptr<WindowFactory> MakePictureWindows(double scale) { return std::make_unique<TPictureWindows>(scale); }

TRect CanvasBoardArea(const Canvas& surface)
{
    if (const auto* image = dynamic_cast<const QImageCanvas*>(&surface)) return image->BoardArea();
    return {0, 0, surface.Width(), surface.Height()};
}

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

bool SaveBoardPng(TBord& board, const std::string& path, double scale)
{
    const std::unique_ptr<Canvas> surface = MakeBoardImage(board, scale);
    Canvas* const previous = board.GetCanvas();
    board.SetCanvas(surface.get());
    RedrawBoard(board, *surface, CanvasBoardArea(*surface));
    board.SetCanvas(previous);
    return SaveCanvasPng(*surface, path);
}

std::string BoardPng(TBord& board, const TRect& area, double scale, const TPictureLook& look)
{
    const std::shared_ptr<TPictureSupport> support = PictureSupport();
    QImageCanvas image(0, 0, &support->Sprites);
    image.SetView(scale, {});
    const QRect corner = image.DeviceRect({area.Left, area.Top, area.Left + 1, area.Top + 1});
    image.SetView(scale, {corner.left(), corner.top()});
    const QRect device = image.DeviceRect(area);
    if (look.Clean()) {
        // Printer ink needs the vector drawing: it turns each sprite into black outlines on white.
        QImage clean(device.size(), QImage::Format_RGB32);
        if (clean.isNull()) return {};
        clean.fill(Qt::white);
        QPainter painter(&clean);
        // The sprites are drawn four times as sharp: smoothing them down keeps their thin outlines whole.
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.scale(double(device.width()) / std::max(1, area.Right - area.Left),
                      double(device.height()) / std::max(1, area.Bottom - area.Top));
        painter.translate(-area.Left, -area.Top);
        PaintBoard(painter, board, area, look);
        painter.end();
        return EncodePng(clean);
    }
    image.Resize(device.width(), device.height());
    const TPictureLookScope held(board.Context(), look);
    Canvas* const previous = board.GetCanvas();
    board.SetCanvas(&image);
    RedrawBoard(board, image, area);
    board.SetCanvas(previous);
    return EncodePng(image.Image());
}

bool SaveSpriteSheetPng(const std::string& path)
{
    const std::shared_ptr<TPictureSupport> support = PictureSupport();
    return WritePng(EncodePng(ContactSheet(support->Sprites)), path);
}
