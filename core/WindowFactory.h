#pragma once

#include "Canvas.h"
#include "ScopeSink.h"
#include "TextEditorSeam.h"

#include <cstdint>
#include <memory>

// What parts ask of the window that shows the circuit: the edit control of a text box, the
// oscilloscope window of a probe and the off-screen images of displays. The part that asks owns
// what it gets. A circuit without one installed gets headless stand-ins from the part library.
class WindowFactory {
public:
    virtual ~WindowFactory() = default;
    virtual std::unique_ptr<TextEditor> CreateTextEditor() = 0;
    virtual std::unique_ptr<ScopeSink> CreateScopeSink() = 0;
    // An off-screen image of the board size given, which copies onto the window's surfaces.
    virtual std::unique_ptr<Canvas> CreateImage(int width, int height) = 0;
    // Changes whenever the images made before no longer suit the surfaces (the view's scale
    // changed): a part then makes its images afresh and draws them again before it shows them.
    virtual uint64_t ImageGeneration() const { return 0; }
};
