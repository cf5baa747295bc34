#pragma once

#include "ActionManager.h"
#include "Document.h"
#include "EditSession.h"

#include <QObject>

#include <functional>
#include <string>

class QWidget;
class Shell;

// The circuit as a picture, for worksheets and other programs: exported to a PNG, SVG or PDF file,
// copied to the clipboard, or printed in black on white. Each takes the selection when there is one,
// else the whole circuit.
class TPictureCommands : public QObject {
public:
    // scale: device pixels per board unit of the view, which a PNG and a copied picture are drawn at.
    TPictureCommands(QWidget& window, TActionManager& actions, TEditSession& session, const TDocument& document,
                     Shell& shell, std::function<double()> scale);

    // The board rectangle pictured: around the selection, or around every object, with a margin.
    TRect PicturedArea() const;
    // Writes the picture to the file as its extension says (.svg, .pdf, else PNG); false when it
    // cannot, with an error box.
    bool Export(const std::string& path);
    // Puts the picture on the clipboard as PNG and as SVG.
    void CopyPicture();

private:
    void ChooseAndExport();
    void Print();
    // The circuit's file name and today, under a printed page.
    std::string Footer() const;

    QWidget& window_;
    TEditSession& s_;
    const TDocument& document_;
    Shell& shell_;
    std::function<double()> scale_;
};
