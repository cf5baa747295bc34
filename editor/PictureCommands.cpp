#include "PictureCommands.h"

#include "BoardImage.h"
#include "BoardVector.h"
#include "FileAccess.h"
#include "MessageText.h"
#include "Shell.h"
#include "Translated.h"

#include <QApplication>
#include <QClipboard>
#include <QMimeData>
#include <QPrintDialog>
#include <QPrinter>

#include <algorithm>
#include <ctime>
#include <filesystem>

namespace {

// Room around the pictured objects, in board units.
constexpr int Margin = 10;

std::string Extension(const std::string& path)
{
    std::string extension = std::filesystem::path(path).extension().string();
    std::transform(extension.begin(), extension.end(), extension.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return extension;
}

}  // namespace

TPictureCommands::TPictureCommands(QWidget& window, TActionManager& actions, TEditSession& session,
                                   const TDocument& document, Shell& shell, std::function<double()> scale)
    : QObject(&window), window_(window), s_(session), document_(document), shell_(shell), scale_(std::move(scale))
{
    connect(actions.actExportPicture, &QAction::triggered, this, [this] { ChooseAndExport(); });
    connect(actions.actCopyPicture, &QAction::triggered, this, [this] { CopyPicture(); });
    connect(actions.actPrint, &QAction::triggered, this, [this] { Print(); });
}

TRect TPictureCommands::PicturedArea() const
{
    const TPartsList& selected = s_.State.SelectedParts;
    const bool some = !selected.Empty();
    const int count = some ? selected.Count() : s_.Bord.Count();
    if (count == 0) return {0, 0, 2 * Margin, 2 * Margin};
    TRect area = (some ? selected.Items(0) : s_.Bord.Items(0))->GetRect();
    for (int i = 1; i < count; ++i) {
        const TRect r = (some ? selected.Items(i) : s_.Bord.Items(i))->GetRect();
        area = {std::min(area.Left, r.Left), std::min(area.Top, r.Top), std::max(area.Right, r.Right),
                std::max(area.Bottom, r.Bottom)};
    }
    return {area.Left - Margin, area.Top - Margin, area.Right + Margin, area.Bottom + Margin};
}

bool TPictureCommands::Export(const std::string& path)
{
    const TRect area = PicturedArea();
    const std::string extension = Extension(path);
    const std::string bytes = extension == ".svg"   ? BoardSvg(s_.Bord, area)
                              : extension == ".pdf" ? BoardPdf(s_.Bord, area, Footer())
                                                    : BoardPng(s_.Bord, area, std::max(1.0, scale_()));
    try {
        if (bytes.empty()) throw TFileError(Tr("Cannot write the file %1 (the picture cannot be converted to PNG)", {MessagePath(path)}));
        WriteFileBytes(path, bytes);
    } catch (const TFileError& error) {
        shell_.ShowError(error.what());
        return false;
    }
    return true;
}

void TPictureCommands::ChooseAndExport()
{
    const std::string base = document_.Untitled() ? Tr("Untitled") : std::filesystem::path(document_.Path()).stem().string();
    const Shell::TFileDialog dialog{std::string(Tr("PNG pictures (*.png)")) + "|*.png|" + Tr("SVG pictures (*.svg)") +
                                        "|*.svg|" + Tr("PDF documents (*.pdf)") + "|*.pdf",
                                    "png", base + ".png"};
    if (const auto path = shell_.SaveFileName(dialog)) Export(*path);
}

void TPictureCommands::CopyPicture()
{
    const TRect area = PicturedArea();
    auto* data = new QMimeData;
    const std::string png = BoardPng(s_.Bord, area, std::max(1.0, scale_()));
    data->setImageData(QImage::fromData(QByteArray::fromStdString(png), "PNG"));
    data->setData(QStringLiteral("image/svg+xml"), QByteArray::fromStdString(BoardSvg(s_.Bord, area)));
    QApplication::clipboard()->setMimeData(data);
}

void TPictureCommands::Print()
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(QString::fromStdString(document_.Untitled() ? Tr("Untitled") : document_.Path()));
    const TRect area = PicturedArea();
    printer.setPageOrientation(area.Right - area.Left > area.Bottom - area.Top ? QPageLayout::Landscape
                                                                              : QPageLayout::Portrait);
    QPrintDialog dialog(&printer, &window_);
    if (dialog.exec() != QDialog::Accepted) return;
    PaintBoardPage(printer, s_.Bord, area, Footer(), TInk::Printer);
}

std::string TPictureCommands::Footer() const
{
    return PageFooter(document_.Untitled() ? Tr("Untitled") : document_.Path(), std::time(nullptr));
}
