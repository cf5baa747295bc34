#include "TextBox.h"

#include "Board.h"
#include "CommaText.h"
#include "Context.h"
#include "Cp932.h"
#include "HeadlessWindows.h"
#include "PartDrawing.h"
#include "Properties.h"
#include "TextKeys.h"

#include <algorithm>

namespace {

constexpr int DefaultFontSize = 12;

int32_t Saturated(int64_t v) { return static_cast<int32_t>(std::min<int64_t>(v, INT32_MAX)); }

}  // namespace

TTextBox::TTextBox(TBord& board, Canvas* windowSurface)
    : TPart(board, windowSurface), Editor(NewTextEditor(board.Context()))
{
    SetSize(80, 16);
}

void TTextBox::CreateEditor()
{
    Editor->SetVisible(false);
    Editor->SetFontSize(DefaultFontSize);
    Editor->SetLines({});
    Editor->SetBounds(RectAt(Left, Top, 90, 50));
    SetSize(80, 40);
    Editor->EndEditHook = [this] { CloseEditor(); };
}

void TTextBox::OpenEditor()
{
    TextBeforeEdit = CommaText();
    const int64_t width = std::max<int64_t>(int64_t{Width} * 2, 0);
    const int64_t height = std::max<int64_t>(int64_t{Height} * 3, 0);
    Editor->SetBounds(RectAt(Left, Top, width, height));
    Editor->SetVisible(true);
    Editor->SetFocus();
}

void TTextBox::CloseEditor()
{
    const std::string text = CommaText();
    if (text != TextBeforeEdit && Context().UndoQue) {
        auto batch = std::make_unique<TCommandBatch>();
        batch->push_back(std::make_unique<TSetPropCommand>(this, "Text", CommaTextProp, TextBeforeEdit, text));
        Context().UndoQue->Push(std::move(batch));
    }
    DrawnLines = Editor->Lines();
    Editor->SetVisible(false);
    MeasureText();
    Draw();
}

void TTextBox::UseEditorFont(Canvas& surface) const
{
    surface.SetFont(BoardFontFace, std::clamp(FontSize(), MinDrawnFontSize, MaxDrawnFontSize));
}

void TTextBox::MeasureText()
{
    Canvas* c = BoardCanvas();
    if (!c) return;
    UseEditorFont(*c);
    const int64_t h = c->TextHeight("H");
    const int64_t w = c->TextWidth("H");
    const TStrings lines = Editor->Lines();
    size_t widest = 0;
    for (const std::string& line : lines) widest = std::max(widest, Cp932Length(line));
    const int64_t columns = static_cast<int64_t>(std::min<size_t>(widest, INT32_MAX));
    const int64_t rows = static_cast<int64_t>(std::min<size_t>(lines.size(), INT32_MAX));
    SetSize(Saturated(w * columns), Saturated(h * rows));
}

void TTextBox::Draw()
{
    Canvas* c = BoardCanvas();
    if (!c || DrawnLines.empty()) return;
    UseEditorFont(*c);
    const int64_t h = c->TextHeight("H");
    c->SetBrushStyle(TBrushStyle::Solid);
    const TColourScheme& colours = Context().Look.Colours();
    c->SetBrushColor(colours.Board);
    c->SetFontColor(colours.Text);
    for (size_t i = 0; i < DrawnLines.size(); ++i) {
        const int64_t y = int64_t{Top} + 1 + static_cast<int64_t>(i) * h;
        if (y > INT32_MAX) break;
        c->TextOut(Left, static_cast<int>(y), DrawnLines[i]);
    }
}

void TTextBox::SetFontSize(int size)
{
    if (size == Editor->FontSize()) return;
    Editor->SetFontSize(size);
    MeasureText();
}

std::string TTextBox::CommaText() const { return EncodeCommaText(Editor->Lines()); }

void TTextBox::SetCommaText(const std::string& text)
{
    if (text != CommaText()) Editor->SetLines(DecodeCommaText(text));
}

void TTextBox::SetShownText(const std::string& text)
{
    SetCommaText(text);
    if (Editor->Visible()) return;
    DrawnLines = Editor->Lines();
    MeasureText();
}

void TTextBox::LoadFromStrings(const TStrings& lines)
{
    TPart::LoadFromStrings(lines);
    SetCommaText(KeyValue(lines, TextKey));
    DrawnLines = Editor->Lines();
    // A stored size of 12 keeps the stored Width and Height; any other recomputes them.
    SetFontSize(KeyIntDef(lines, FontSizeKey, DefaultFontSize));
}

void TTextBox::SaveToStrings(TStrings& lines) const
{
    TPart::SaveToStrings(lines);
    AddKey(lines, TextKey, CommaText());
    AddKey(lines, FontSizeKey, FontSize());
}

std::optional<TPublishedProp> TTextBox::FindProp(std::string_view name) const
{
    const std::string n(name);
    if (SameText(n, FontSizeKey))
        return TPublishedProp{
            TPropKind::Integer,
            [](const TPartsBase& o) { return std::to_string(static_cast<const TTextBox&>(o).FontSize()); },
            [](TPartsBase& o, const std::string& v) { static_cast<TTextBox&>(o).SetFontSize(StrToIntDef(v, 0)); }};
    if (SameText(n, CommaTextProp))
        return TPublishedProp{TPropKind::Text,
                              [](const TPartsBase& o) { return static_cast<const TTextBox&>(o).CommaText(); },
                              [](TPartsBase& o, const std::string& v) { static_cast<TTextBox&>(o).SetShownText(v); }};
    return TPart::FindProp(name);
}
