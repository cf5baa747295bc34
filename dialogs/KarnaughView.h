#pragma once

#include "KarnaughMap.h"
#include "WindowColours.h"

#include <QWidget>

#include <functional>
#include <optional>
#include <string>
#include <vector>

// A Karnaugh map of one output in the textbook's Gray-code order, its cells' values, the groups of
// a minimal form drawn around them, and the cells that differ from another table framed in red.
// Five and six inputs show as two or four 4×4 maps.
class TKarnaughView : public QWidget {
public:
    explicit TKarnaughView(QWidget* parent = nullptr);

    // Nothing to show for none or for more inputs than a map takes.
    void Show(const TBoolFunction* function, const std::vector<std::string>& names, std::vector<TCube> groups,
              std::vector<uint32_t> differing);
    // The truth-table row of the cell under a point of the widget; none off the cells.
    std::optional<uint32_t> RowAt(const QPoint& at) const;
    // The rectangle of a cell's truth-table row.
    QRect CellRect(uint32_t row) const;
    // Draws the map and its groups in the scheme's colours from now on.
    void SetScheme(TColourSchemeId scheme);
    const TMapColours& Colours() const { return colours_; }

    // A cell was clicked: the window changes that row's value.
    std::function<void(uint32_t row)> OnCellClicked;

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    QRect GridCell(int row, int column) const;

    std::optional<TKarnaughMap> map_;
    const TBoolFunction* function_ = nullptr;
    std::vector<std::string> names_;
    std::vector<TCube> groups_;
    std::vector<uint32_t> differing_;
    TMapColours colours_ = MapColours(TColourSchemeId::Normal);
};
