#include "PictureCommands.h"

#include "BoardImage.h"
#include "BoardVector.h"
#include "FileAccess.h"
#include "MessageText.h"
#include "PictureLookDialog.h"
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

TPictureUse UseOf(const std::string& extension)
{
    return extension == ".pdf" ? TPictureUse::Paper : TPictureUse::Screen;
}

}  // namespace

TPictureCommands::TPictureCommands(QWidget& window, TActionManager& actions, TEditSession& session,
                                   const TDocument& document, Shell& shell, std::function<double()> scale)
    : QObject(&window), window_(window), s_(session), document_(document), shell_(shell), scale_(std::move(scale))
{
    connect(actions.actExportPicture, &QAction::triggered, this, [this] { ChooseAndExport(); });
    connect(actions.actCopyPicture, &QAction::triggered, this, [this] { ChooseAndCopy(); });
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

bool TPictureCommands::Export(const std::string& path, std::optional<TPictureLook> look)
{
    const TRect area = PicturedArea();
    const std::string extension = Extension(path);
    const TPictureLook how = look.value_or(LastLook(UseOf(extension)));
    const std::string bytes = extension == ".svg"   ? BoardSvg(s_.Bord, area, how)
                              : extension == ".pdf" ? BoardPdf(s_.Bord, area, Footer(), how)
                                                    : BoardPng(s_.Bord, area, std::max(1.0, scale_()), how);
    try {
        if (bytes.empty())
            throw TFileError(
                Tr("Cannot write the file %1 (the picture cannot be converted to PNG)", {MessagePath(path)}));
        WriteFileBytes(path, bytes);
    } catch (const TFileError& error) {
        shell_.ShowError(error.what());
        return false;
    }
    return true;
}

void TPictureCommands::ChooseAndExport()
{
    const std::string base =
        document_.Untitled() ? Tr("Untitled") : std::filesystem::path(document_.Path()).stem().string();
    const Shell::TFileDialog dialog{std::string(Tr("PNG pictures (*.png)")) + "|*.png|" + Tr("SVG pictures (*.svg)") +
                                        "|*.svg|" + Tr("PDF documents (*.pdf)") + "|*.pdf",
                                    "png", base + ".png"};
    const auto path = shell_.SaveFileName(dialog);
    if (!path) return;
    // The file's kind is known once it is named, and with it the look a picture of its kind starts from.
    if (const auto look = AskLook(TrIn("picture look", "Export picture"), UseOf(Extension(*path))))
        Export(*path, *look);
}

void TPictureCommands::ChooseAndCopy()
{
    if (const auto look = AskLook(TrIn("picture look", "Copy as picture"), TPictureUse::Screen)) CopyPicture(*look);
}

void TPictureCommands::CopyPicture(const TPictureLook& look)
{
    const TRect area = PicturedArea();
    auto* data = new QMimeData;
    const std::string png = BoardPng(s_.Bord, area, std::max(1.0, scale_()), look);
    data->setImageData(QImage::fromData(QByteArray::fromStdString(png), "PNG"));
    data->setData(QStringLiteral("image/svg+xml"), QByteArray::fromStdString(BoardSvg(s_.Bord, area, look)));
    QApplication::clipboard()->setMimeData(data);
}

std::optional<TPictureLook> TPictureCommands::AskLook(const std::string& caption, TPictureUse use)
{
    const std::optional<TPictureLook> look = AskPictureLook(&window_, caption, LastLook(use));
    if (look) looks_[static_cast<size_t>(use)] = *look;
    return look;
}

void TPictureCommands::Print()
{
    const std::optional<TPictureLook> look = AskLook(TrIn("picture look", "Print"), TPictureUse::Paper);
    if (!look) return;
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(QString::fromStdString(document_.Untitled() ? Tr("Untitled") : document_.Path()));
    const TRect area = PicturedArea();
    printer.setPageOrientation(area.Right - area.Left > area.Bottom - area.Top ? QPageLayout::Landscape
                                                                               : QPageLayout::Portrait);
    QPrintDialog dialog(&printer, &window_);
    if (dialog.exec() != QDialog::Accepted) return;
    PaintBoardPage(printer, s_.Bord, area, Footer(), *look);
}

std::string TPictureCommands::Footer() const
{
    return PageFooter(document_.Untitled() ? Tr("Untitled") : document_.Path(), std::time(nullptr));
}
