#include "ExMemo.h"

#include "Canvas.h"
#include "Fonts.h"

#include <QApplication>
#include <QMouseEvent>
#include <QTextBlock>

#include <algorithm>
#include <cmath>

namespace {

// A line break inside selected text: Qt gives a paragraph separator, the circuit keeps CR LF.
std::string WithCrLf(const QString& text)
{
    QString copy = text;
    copy.replace(QChar::ParagraphSeparator, QStringLiteral("\r\n"));
    return copy.toStdString();
}

constexpr int MaxShownFontSize = 200;

}  // namespace

TExMemo::TExMemo(QWidget* board, const TViewport& viewport) : QPlainTextEdit(board), viewport_(viewport)
{
    setFrameStyle(QFrame::NoFrame);
    setLineWrapMode(QPlainTextEdit::NoWrap);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    document()->setDocumentMargin(0);
    SetFontSize(fontSize_);
    SetVisible(false);
}

TExMemo::~TExMemo()
{
    if (watching_) qApp->removeEventFilter(this);
}

std::vector<std::string> TExMemo::Lines() const
{
    std::vector<std::string> lines;
    for (QTextBlock block = document()->begin(); block.isValid(); block = block.next())
        lines.push_back(block.text().toStdString());
    // An empty editor holds one empty block but no line.
    if (lines.size() == 1 && lines.front().empty()) lines.clear();
    return lines;
}

void TExMemo::SetLines(const std::vector<std::string>& lines)
{
    QStringList text;
    for (const std::string& line : lines) text << QString::fromStdString(line);
    setPlainText(text.join(QLatin1Char('\n')));
}

void TExMemo::SetFontSize(int size)
{
    fontSize_ = size;
    Place();
}

void TExMemo::SetBounds(const TRect& bounds)
{
    bounds_ = bounds;
    Place();
}

void TExMemo::Place()
{
    QFont font = PointSizedFont(BoardFontFace, std::clamp(fontSize_, 1, MaxShownFontSize));
    font.setPixelSize(std::max(1, static_cast<int>(std::lround(font.pixelSize() * viewport_.Zoom()))));
    if (font != this->font()) setFont(font);
    const TRect shown = viewport_.ToView(bounds_);
    const int64_t width = std::clamp<int64_t>(int64_t{shown.Right} - shown.Left, 0, QWIDGETSIZE_MAX);
    const int64_t height = std::clamp<int64_t>(int64_t{shown.Bottom} - shown.Top, 0, QWIDGETSIZE_MAX);
    setGeometry(shown.Left, shown.Top, static_cast<int>(width), static_cast<int>(height));
}

void TExMemo::SetVisible(bool visible)
{
    // Hidden, the editor takes no keys: they would rewrite the label unseen and its own undo, copy and
    // delete would swallow the board's shortcuts. The board it lies on takes the keyboard back.
    setFocusPolicy(visible ? Qt::StrongFocus : Qt::NoFocus);
    if (!visible && hasFocus() && parentWidget()) parentWidget()->setFocus(Qt::OtherFocusReason);
    setVisible(visible);
    // Watching every press of the application costs a little, so only while the editor is shown.
    if (visible == watching_) return;
    watching_ = visible;
    if (visible)
        qApp->installEventFilter(this);
    else
        qApp->removeEventFilter(this);
}

std::string TExMemo::SelText() const { return WithCrLf(textCursor().selectedText()); }

void TExMemo::ReplaceSelection(const std::string& text)
{
    QString inserted = QString::fromStdString(text);
    inserted.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    insertPlainText(inserted);
}

bool TExMemo::eventFilter(QObject* watched, QEvent* event)
{
    const QEvent::Type type = event->type();
    if (type != QEvent::MouseButtonPress && type != QEvent::MouseButtonDblClick) return false;
    auto* pressed = qobject_cast<QWidget*>(watched);
    if (!pressed || pressed->window() != window()) return false;
    if (pressed == this || isAncestorOf(pressed)) return false;
    if (EndEditHook) EndEditHook();
    return false;
}
