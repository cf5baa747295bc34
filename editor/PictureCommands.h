#pragma once

#include "ActionManager.h"
#include "Document.h"
#include "EditSession.h"
#include "PictureLook.h"

#include <QObject>

#include <functional>
#include <optional>
#include <string>

class QWidget;
class Shell;

// The circuit as a picture, for worksheets and other programs: exported to a PNG, SVG or PDF file,
// copied to the clipboard, or printed. Each takes the selection when there is one, else the whole
// circuit, and asks first whether the picture looks as on screen or clean; paper (print, PDF) starts
// clean, the others as on screen, and each remembers the look last chosen for it.
class TPictureCommands : public QObject {
public:
    // scale: device pixels per board unit of the view, which a PNG and a copied picture are drawn at.
    TPictureCommands(QWidget& window, TActionManager& actions, TEditSession& session, const TDocument& document,
                     Shell& shell, std::function<double()> scale);

    // The board rectangle pictured: around the selection, or around every object, with a margin.
    TRect PicturedArea() const;
    // Writes the picture to the file as its extension says (.svg, .pdf, else PNG), in the look last
    // chosen for that kind of file unless one is given; false when it cannot, with an error box.
    bool Export(const std::string& path, std::optional<TPictureLook> look = std::nullopt);
    // Puts the picture on the clipboard as PNG and as SVG.
    void CopyPicture(const TPictureLook& look);
    // The look the next picture for the use starts from.
    const TPictureLook& LastLook(TPictureUse use) const { return looks_[static_cast<size_t>(use)]; }

private:
    void ChooseAndExport();
    void ChooseAndCopy();
    void Print();
    // Asks the look with the caption, starting from the last one for the use, and remembers it.
    std::optional<TPictureLook> AskLook(const std::string& caption, TPictureUse use);
    // The circuit's file name and today, under a printed page.
    std::string Footer() const;

    QWidget& window_;
    TEditSession& s_;
    const TDocument& document_;
    Shell& shell_;
    std::function<double()> scale_;
    TPictureLook looks_[2] = {DefaultPictureLook(TPictureUse::Screen), DefaultPictureLook(TPictureUse::Paper)};
};
