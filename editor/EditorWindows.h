#pragma once

#include "Context.h"

class QWidget;
class Shell;
class SpriteSource;

// What the circuit asks of the main window: oscilloscope windows, display images on the sprite
// lists, the in-place editors of text boxes over the board, and message boxes for the program's
// own messages.
class TEditorWindows : public WindowFactory, public MessageSink {
public:
    TEditorWindows(Shell& shell, const SpriteSource* sprites, QWidget& board)
        : shell_(shell), sprites_(sprites), board_(board)
    {
    }

    std::unique_ptr<TextEditor> CreateTextEditor() override;
    std::unique_ptr<ScopeSink> CreateScopeSink() override;
    std::unique_ptr<Canvas> CreateImage(int width, int height) override;
    void ShowMessage(const std::string& text) override;

private:
    Shell& shell_;
    const SpriteSource* sprites_;
    QWidget& board_;
};
