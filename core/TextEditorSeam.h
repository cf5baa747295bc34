#pragma once

#include "Geometry.h"

#include <functional>
#include <string>
#include <vector>

// What a text box needs of its edit control: a multi-line, fixed-pitch editor without word wrap
// that stays hidden until the box is opened for editing. Text is UTF-8, one string per line.
class TextEditor {
public:
    virtual ~TextEditor() = default;

    virtual std::vector<std::string> Lines() const = 0;
    virtual void SetLines(const std::vector<std::string>& lines) = 0;
    // Answers exactly the size last set, even one no font can render; the control itself shows
    // the nearest size it can.
    virtual int FontSize() const = 0;
    virtual void SetFontSize(int size) = 0;

    // Places the control over the board; Right and Bottom are excluded.
    virtual void SetBounds(const TRect& bounds) = 0;
    virtual void SetVisible(bool visible) = 0;
    virtual bool Visible() const = 0;
    virtual void SetFocus() = 0;

    virtual std::string SelText() const = 0;
    // Deletes the selected text.
    virtual void ClearSelection() = 0;
    // Puts text in place of the selection (inserts it at the caret when nothing is selected).
    virtual void ReplaceSelection(const std::string& text) = 0;

    // Called when another control of the window takes the mouse while this one has the focus.
    std::function<void()> EndEditHook;
};
