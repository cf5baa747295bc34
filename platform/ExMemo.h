#pragma once

#include "TextEditorSeam.h"
#include "Viewport.h"

#include <QPlainTextEdit>

// The in-place editor of a text box: a borderless, fixed-pitch multi-line edit control over the
// box as the board's viewport shows it, its font following the zoom, hidden until the box is
// opened. While it is shown, a press on any other control of its window ends the edit through the
// end-edit hook, before that control sees the press.
class TExMemo : public QPlainTextEdit, public TextEditor {
public:
    TExMemo(QWidget* board, const TViewport& viewport);
    ~TExMemo() override;

    std::vector<std::string> Lines() const override;
    void SetLines(const std::vector<std::string>& lines) override;
    int FontSize() const override { return fontSize_; }
    void SetFontSize(int size) override;
    // Bounds in board units; the control covers them as the view shows them now.
    void SetBounds(const TRect& bounds) override;
    // Placed and sized anew after a change of zoom or scroll.
    void Place();
    void SetVisible(bool visible) override;
    bool Visible() const override { return isVisible(); }
    void SetFocus() override { setFocus(Qt::MouseFocusReason); }
    std::string SelText() const override;
    void ClearSelection() override { textCursor().removeSelectedText(); }
    void ReplaceSelection(const std::string& text) override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    const TViewport& viewport_;
    TRect bounds_{};
    int fontSize_ = 12;
    bool watching_ = false;
};
