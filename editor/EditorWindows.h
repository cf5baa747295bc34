#pragma once

#include "Context.h"
#include "DisplayImages.h"
#include "ProbeHub.h"

#include <QPointer>

#include <vector>

class QWidget;
class Shell;
class SpriteSource;
class TScopeForm;
class TViewport;

// What the circuit asks of the main window: oscilloscope windows, display images on the sprite
// lists, the in-place editors of text boxes over the board, and message boxes for the program's
// own messages.
class TEditorWindows : public WindowFactory, public MessageSink {
public:
    TEditorWindows(Shell& shell, const SpriteSource* sprites, QWidget& board, const TViewport& viewport)
        : shell_(shell), sprites_(sprites), board_(board), viewport_(viewport)
    {
    }

    std::unique_ptr<TextEditor> CreateTextEditor() override;
    std::unique_ptr<ScopeSink> CreateScopeSink() override;
    std::unique_ptr<Canvas> CreateImage(int width, int height) override { return images_.Create(width, height); }
    uint64_t ImageGeneration() const override { return images_.Generation(); }
    // The display images follow the scale the board is drawn at.
    void SetImageScale(double scale) { images_.SetScale(scale); }
    void ShowMessage(const std::string& text) override;
    // Where every probe's window hands its levels too, for the timing diagram.
    TProbeHub& Probes() { return probes_; }
    // The oscilloscope windows, those open and those made later, show the scheme's colours.
    void SetScheme(TColourSchemeId scheme);

private:
    Shell& shell_;
    const SpriteSource* sprites_;
    QWidget& board_;
    const TViewport& viewport_;
    TDisplayImages images_{sprites_};
    TProbeHub probes_;
    TColourSchemeId scheme_ = TColourSchemeId::Normal;
    // The scopes' windows belong to their parts; those freed drop out by themselves.
    std::vector<QPointer<TScopeForm>> scopes_;
};
