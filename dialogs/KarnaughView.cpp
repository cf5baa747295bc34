#include "KarnaughView.h"

#include <QMouseEvent>
#include <QPainter>

#include <algorithm>

namespace {

constexpr int Cell = 34;
constexpr int Left = 64;
constexpr int Top = 44;
// Between the maps of five and six inputs.
constexpr int MapGap = 18;

std::string Names(const std::vector<std::string>& names, const std::vector<int>& inputs)
{
    std::string text;
    for (const int input : inputs) text += names[static_cast<size_t>(input)];
    return text;
}

}  // namespace

TKarnaughView::TKarnaughView(QWidget* parent) : QWidget(parent) { setObjectName(QStringLiteral("pboxKarnaugh")); }

void TKarnaughView::Show(const TBoolFunction* function, const std::vector<std::string>& names,
                         std::vector<TCube> groups, std::vector<uint32_t> differing)
{
    function_ = function && function->Inputs() <= TKarnaughMap::MaxInputs ? function : nullptr;
    map_.reset();
    if (function_) map_.emplace(function_->Inputs());
    names_ = names;
    groups_ = std::move(groups);
    differing_ = std::move(differing);
    updateGeometry();
    update();
}

QRect TKarnaughView::GridCell(int row, int column) const
{
    const int x = Left + column * Cell + (column / map_->MapColumns()) * MapGap;
    const int y = Top + row * Cell + (row / map_->MapRows()) * MapGap;
    return QRect(x, y, Cell, Cell);
}

QRect TKarnaughView::CellRect(uint32_t row) const
{
    if (!map_) return {};
    const TMapCell cell = map_->Place(row);
    return GridCell(cell.Row, cell.Column);
}

std::optional<uint32_t> TKarnaughView::RowAt(const QPoint& at) const
{
    if (!map_) return std::nullopt;
    for (int r = 0; r < map_->Rows(); ++r)
        for (int c = 0; c < map_->Columns(); ++c)
            if (GridCell(r, c).contains(at)) return map_->TableRow({r, c});
    return std::nullopt;
}

QSize TKarnaughView::sizeHint() const
{
    if (!map_) return {Left + 4 * Cell, Top + 4 * Cell};
    const QRect last = GridCell(map_->Rows() - 1, map_->Columns() - 1);
    return {last.right() + 12, last.bottom() + 12};
}

void TKarnaughView::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), colours_.Background);
    if (!map_ || !function_) return;
    painter.setRenderHint(QPainter::Antialiasing);
    // The corner names the inputs down the rows and across the columns; a set-minus sign parts them,
    // as a backslash shows as a yen sign in Japanese fonts.
    painter.setPen(colours_.Text);
    painter.drawText(
        QRect(0, 0, Left - 4, Top - 4), Qt::AlignRight | Qt::AlignBottom,
        QString::fromStdString(Names(names_, map_->RowInputs()) + " \u2216 " + Names(names_, map_->ColumnInputs())));
    for (int c = 0; c < map_->Columns(); ++c) {
        const QRect cell = GridCell(0, c);
        painter.drawText(QRect(cell.left(), 0, Cell, Top - 4), Qt::AlignHCenter | Qt::AlignBottom,
                         QString::fromStdString(map_->ColumnLabel(c)));
    }
    for (int r = 0; r < map_->Rows(); ++r) {
        const QRect cell = GridCell(r, 0);
        painter.drawText(QRect(0, cell.top(), Left - 8, Cell), Qt::AlignRight | Qt::AlignVCenter,
                         QString::fromStdString(map_->RowLabel(r)));
    }
    for (int r = 0; r < map_->Rows(); ++r)
        for (int c = 0; c < map_->Columns(); ++c) {
            const QRect cell = GridCell(r, c);
            const uint32_t row = map_->TableRow({r, c});
            const TLogicValue value = function_->At(row);
            painter.setPen(colours_.Grid);
            painter.drawRect(cell);
            painter.setPen(value == TLogicValue::Zero ? colours_.Zero : colours_.Text);
            painter.drawText(cell, Qt::AlignCenter,
                             value == TLogicValue::One    ? QStringLiteral("1")
                             : value == TLogicValue::Zero ? QStringLiteral("0")
                                                          : QStringLiteral("X"));
        }
    // Each group in its colour, a little further in than the one before, so that overlapping ones show.
    for (size_t g = 0; g < groups_.size(); ++g) {
        const size_t k = g % TMapColours::GroupCount;
        painter.setPen(QPen(colours_.Groups[k], 2, colours_.GroupStyles[k]));
        const int inset = 3 + static_cast<int>(g % 4) * 2;
        for (const TMapBlock& block : map_->BlocksOf(groups_[g])) {
            const QRect first = GridCell(block.Row, block.Column);
            const QRect last = GridCell(block.Row + block.Rows - 1, block.Column + block.Columns - 1);
            painter.drawRoundedRect(first.united(last).adjusted(inset, inset, -inset, -inset), 10, 10);
        }
    }
    painter.setPen(QPen(colours_.Differing, 3));
    for (const uint32_t row : differing_) painter.drawRect(CellRect(row).adjusted(1, 1, -1, -1));
}

void TKarnaughView::SetScheme(TColourSchemeId scheme)
{
    colours_ = MapColours(scheme);
    update();
}

void TKarnaughView::mousePressEvent(QMouseEvent* event)
{
    if (const auto row = RowAt(event->position().toPoint()); row && OnCellClicked) OnCellClicked(*row);
}
