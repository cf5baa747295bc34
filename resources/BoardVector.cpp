#include "BoardVector.h"

#include "Board.h"
#include "Context.h"
#include "PictureSupport.h"
#include "QPainterCanvas.h"
#include "Simulation.h"

#include <QBuffer>
#include <QPageLayout>
#include <QPdfWriter>
#include <QSvgGenerator>

#include <algorithm>

namespace {

// A board unit is a pixel of a screen at 96 dots per inch.
constexpr int UnitsPerInch = 96;

std::string BytesOf(const QByteArray& bytes) { return bytes.toStdString(); }

// Has the board draw on the picture's canvas until it ends.
class TCanvasScope {
public:
    TCanvasScope(TBord& board, Canvas& canvas) : board_(board), previous_(board.GetCanvas())
    {
        board.SetCanvas(&canvas);
    }
    ~TCanvasScope() { board_.SetCanvas(previous_); }
    TCanvasScope(const TCanvasScope&) = delete;
    TCanvasScope& operator=(const TCanvasScope&) = delete;

private:
    TBord& board_;
    Canvas* previous_;
};

}  // namespace

void PaintBoard(QPainter& painter, TBord& board, const TRect& area, const TPictureLook& look)
{
    const std::shared_ptr<TPictureSupport> support = PictureSupport();
    QPainterCanvas canvas(painter, area, &support->Sprites, PictureInk(look));
    const TPictureLookScope held(board.Context(), look);
    const TCanvasScope drawing(board, canvas);
    RedrawBoard(board, canvas, area);
}

std::string BoardSvg(TBord& board, const TRect& area, const TPictureLook& look)
{
    const std::shared_ptr<TPictureSupport> support = PictureSupport();
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QSvgGenerator svg;
    svg.setOutputDevice(&buffer);
    svg.setResolution(UnitsPerInch);
    const QRect box(0, 0, area.Right - area.Left, area.Bottom - area.Top);
    svg.setSize(box.size());
    svg.setViewBox(box);
    svg.setTitle(QStringLiteral("Voltrane"));
    QPainter painter(&svg);
    painter.translate(-area.Left, -area.Top);
    PaintBoard(painter, board, area, look);
    painter.end();
    return BytesOf(bytes);
}

void PaintPage(QPainter& painter, const QRectF& page, TBord& board, const TRect& area, const std::string& footer,
               const TPictureLook& look)
{
    const QFontMetricsF metrics(painter.font());
    const double footerHeight = footer.empty() ? 0 : metrics.height() * 2;
    const double width = std::max(1, area.Right - area.Left), height = std::max(1, area.Bottom - area.Top);
    const double room = page.height() - footerHeight;
    const double scale = std::min(page.width() / width, room / height);
    // Centred in the room above the footer, so that a small circuit does not cling to the top.
    const double left = page.left() + (page.width() - width * scale) / 2;
    const double top = page.top() + (room - height * scale) / 2;
    painter.save();
    painter.translate(left - area.Left * scale, top - area.Top * scale);
    painter.scale(scale, scale);
    PaintBoard(painter, board, area, look);
    painter.restore();
    if (!footer.empty()) {
        painter.setPen(Qt::black);
        painter.drawText(QRectF(page.left(), page.bottom() - metrics.height(), page.width(), metrics.height()),
                         Qt::AlignLeft | Qt::AlignVCenter, QString::fromStdString(footer));
    }
}

void PaintBoardPage(QPagedPaintDevice& device, TBord& board, const TRect& area, const std::string& footer,
                    const TPictureLook& look)
{
    QPainter painter(&device);
    PaintPage(painter, device.pageLayout().paintRectPixels(device.logicalDpiX()), board, area, footer, look);
}

std::string BoardPdf(TBord& board, const TRect& area, const std::string& footer, const TPictureLook& look)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter pdf(&buffer);
        pdf.setCreator(QStringLiteral("Voltrane"));
        pdf.setResolution(300);
        const bool wide = area.Right - area.Left > area.Bottom - area.Top;
        pdf.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), wide ? QPageLayout::Landscape : QPageLayout::Portrait,
                                      QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter));
        PaintBoardPage(pdf, board, area, footer, look);
    }
    return BytesOf(bytes);
}
