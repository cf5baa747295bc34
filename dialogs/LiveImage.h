#pragma once

#include <QImage>
#include <QWidget>

// A widget that shows an image the program draws into. Drawing from inside the run loop only
// marks it (a flag, no event), and the loop's message pump repaints every marked one at most
// once per frame through FlushAll, so a part that draws in every pass costs no repaint per pass.
class TLiveImage : public QWidget {
public:
    explicit TLiveImage(QWidget* parent = nullptr);
    ~TLiveImage() override;

    // The image shown, owned elsewhere; it must outlive this widget or be replaced first.
    void SetSource(const QImage* image) { source_ = image; }
    void MarkDirty() { dirty_ = true; }
    // Asks for a repaint of every marked widget.
    static void FlushAll();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    const QImage* source_ = nullptr;
    bool dirty_ = false;
};
