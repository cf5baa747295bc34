#pragma once

#include "HeadlessWindows.h"
#include "RecordingCanvas.h"

#include <memory>
#include <vector>

// A window factory whose controls are the headless ones and whose images record their drawing,
// so that tests can follow what the parts ask of the front end.
class RecordingWindows : public WindowFactory {
public:
    std::vector<TMemoryTextEditor*> Editors;
    std::vector<TMemoryScope*> Scopes;
    std::vector<RecordingCanvas*> Images;

    std::unique_ptr<TextEditor> CreateTextEditor() override { return Keep(Editors); }
    std::unique_ptr<ScopeSink> CreateScopeSink() override { return Keep(Scopes); }
    std::unique_ptr<Canvas> CreateImage(int, int) override { return Keep(Images); }

private:
    template <class T>
    std::unique_ptr<T> Keep(std::vector<T*>& made)
    {
        auto object = std::make_unique<T>();
        made.push_back(object.get());
        return object;
    }
};
