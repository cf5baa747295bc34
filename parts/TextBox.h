#pragma once

#include "PartsBase.h"
#include "TextEditorSeam.h"

#include <memory>

// The font size's key in the circuit text and in the published-property lookup; the size's
// stored rule (12 keeps the stored box size) is the text box's own.
inline constexpr const char* FontSizeKey = "FontSize";
// The lines are stored under "Text" and published as "CommaText", both as comma text.
inline constexpr const char* TextKey = "Text";
inline constexpr const char* CommaTextProp = "CommaText";

// A block of text lines placed on the board as a label, edited in place through its own hidden
// edit control. It has no terminals and no part in the passes. The control is made with the box
// and freed with it, so its end-edit hook never outlives the box.
class TTextBox : public TPart {
public:
    TTextBox(TBord& board, Canvas* windowSurface);
    const char* ClassName() const override { return "TTextBox"; }
    // DrawnLines in the editor's font size, one below the other, on the button-face colour.
    void Draw() override;
    void SetTanshi() override {}
    void LoadFromStrings(const TStrings& lines) override;
    void SaveToStrings(TStrings& lines) const override;
    std::optional<TPublishedProp> FindProp(std::string_view name) const override;

    // Readies the hidden control for a box just placed or read: empty, size 12, and the box 80 × 40.
    void CreateEditor();
    // Shows the control over the box, twice as wide and three times as high, with the focus.
    void OpenEditor();
    // Records a changed text as one undo step "Text", hides the control, then resizes and draws the box.
    void CloseEditor();
    // Sizes the box to the text: the fixed-pitch width of "H" per code page 932 byte of the longest
    // line, the height of "H" per line.
    void MeasureText();

    int FontSize() const { return Editor->FontSize(); }
    // Resizes the box to the text in the new size; no drawing.
    void SetFontSize(int size);
    std::string CommaText() const;
    // Replaces the editor's lines when the text differs; DrawnLines stay as they are.
    void SetCommaText(const std::string& text);
    // The text set from outside the editor (undo, redo): a closed label shows it at once, sized to it.
    void SetShownText(const std::string& text);

    // A stored size that no font renders is drawn at the nearest of these; the value is kept.
    static constexpr int MinDrawnFontSize = 1, MaxDrawnFontSize = 1000;

    std::string TextBeforeEdit;
    TStrings DrawnLines;
    std::unique_ptr<TextEditor> Editor;

private:
    void UseEditorFont(Canvas& surface) const;
};
