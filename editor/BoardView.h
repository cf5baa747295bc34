#pragma once

#include "LiveImage.h"

class TfrmVoltrane;

// The client area of the main window: shows the window surface and hands pointer events, also
// moves without a button held, and resizes to the window.
class TBoardView : public TLiveImage {
public:
    explicit TBoardView(TfrmVoltrane& window);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    // A double click, then the press it stands for.
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    TfrmVoltrane& window_;
};
