#pragma once

#include "Context.h"

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

// In-memory stand-ins for the window's controls, used when no front end is installed: by tests
// and by the command-line simulator.

// An edit control that only keeps its text. Selections count bytes of the text with CR LF line ends.
class TMemoryTextEditor : public TextEditor {
public:
    std::vector<std::string> Lines() const override { return lines_; }
    void SetLines(const std::vector<std::string>& lines) override;
    int FontSize() const override { return fontSize_; }
    void SetFontSize(int size) override { fontSize_ = size; }
    void SetBounds(const TRect& bounds) override { Bounds = bounds; }
    void SetVisible(bool visible) override
    {
        visible_ = visible;
        Focused = Focused && visible;
    }
    bool Visible() const override { return visible_; }
    void SetFocus() override { Focused = true; }
    std::string SelText() const override;
    void ClearSelection() override { ReplaceSelection({}); }
    void ReplaceSelection(const std::string& text) override;

    std::string Text() const;
    // Selects length bytes from start, both cut to the text.
    void Select(size_t start, size_t length);
    // A press on another control of the window: ends the edit when this control has the focus.
    void PressElsewhere();

    TRect Bounds;
    bool Focused = false;

private:
    std::vector<std::string> lines_;
    int fontSize_ = 12;
    bool visible_ = false;
    size_t selStart_ = 0;
    size_t selLength_ = 0;
};

// An oscilloscope window that keeps the last level of each channel and counts the samples.
class TMemoryScope : public ScopeSink {
public:
    void SetLevel(int channel, int32_t level) override;
    void Sample() override { ++Samples; }
    void SampleSteady(int64_t samples) override { Samples += samples; }
    void Show() override { Shown = true; }
    void Close() override { Shown = false; }

    std::array<int32_t, 4> Levels{};
    int64_t Samples = 0;
    bool Shown = false;
};

// The front end's control when the context has a window factory, else the headless stand-in.
std::unique_ptr<TextEditor> NewTextEditor(const TCircuitContext& context);
std::unique_ptr<ScopeSink> NewScopeSink(const TCircuitContext& context);
// An off-screen image of the front end, or a surface that draws nothing.
std::unique_ptr<Canvas> NewImage(const TCircuitContext& context, int width, int height);
// The front end's image generation: images made under another one are to be made afresh.
uint64_t ImageGeneration(const TCircuitContext& context);
