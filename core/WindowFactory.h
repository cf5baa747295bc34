#pragma once

#include "Canvas.h"
#include "ScopeSink.h"
#include "TextEditorSeam.h"

#include <memory>

// What parts ask of the window that shows the circuit: the edit control of a text box, the
// oscilloscope window of a probe and the off-screen images of displays. The part that asks owns
// what it gets. A circuit without one installed gets headless stand-ins from the part library.
class WindowFactory {
public:
    virtual ~WindowFactory() = default;
    virtual std::unique_ptr<TextEditor> CreateTextEditor() = 0;
    virtual std::unique_ptr<ScopeSink> CreateScopeSink() = 0;
    virtual std::unique_ptr<Canvas> CreateImage(int width, int height) = 0;
};
