#pragma once

#include "LiveImage.h"

#include <vector>

class TfrmVoltrane;

// The client area of the main window: shows the window surface and hands pointer events, also
// moves without a button held, and resizes to the window.
class TBoardView : public TLiveImage {
public:
    explicit TBoardView(TfrmVoltrane& window);

    // Frames these board rectangles over the picture, in a thin orange line: the parts whose
    // outputs the last pass changed. They are no part of the surfaces, so nothing has to be
    // drawn back when they go.
    void SetMarks(std::vector<QRect> marks);
    const std::vector<QRect>& Marks() const { return marks_; }

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    // A double click, then the press it stands for.
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    TfrmVoltrane& window_;
    std::vector<QRect> marks_;
};
