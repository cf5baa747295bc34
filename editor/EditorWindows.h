#pragma once

#include "WindowFactory.h"

class Shell;
class SpriteSource;

// The window's controls for the parts: oscilloscope windows, display images on the sprite
// lists, and (until the in-place editor comes) a text box editor that keeps its text in memory.
class TEditorWindows : public WindowFactory {
public:
    TEditorWindows(Shell& shell, const SpriteSource* sprites) : shell_(shell), sprites_(sprites) {}

    std::unique_ptr<TextEditor> CreateTextEditor() override;
    std::unique_ptr<ScopeSink> CreateScopeSink() override;
    std::unique_ptr<Canvas> CreateImage(int width, int height) override;

private:
    Shell& shell_;
    const SpriteSource* sprites_;
};
