#pragma once

#include <QImage>
#include <QWidget>

// A widget that shows an image the program draws into. While the run loop defers repaints,
// drawing only marks it (a flag, no event) and the loop's message pump repaints every marked one
// at most once per frame through FlushAll, so a part drawing in every pass costs no repaint per pass.
class TLiveImage : public QWidget {
public:
    explicit TLiveImage(QWidget* parent = nullptr);
    ~TLiveImage() override;

    // The image shown, owned elsewhere; it must outlive this widget or be replaced first.
    void SetSource(const QImage* image) { source_ = image; }
    // Device pixels of the image per pixel of the widget: a picture drawn for a dense screen.
    void SetSourceRatio(double ratio) { ratio_ = ratio; }
    // Asks for a repaint, or only marks the widget while repaints are deferred.
    void MarkDirty();
    // The same for the widget's part that shows these pixels of the image.
    void MarkDirty(const QRect& pixels);
    // Turning deferral off repaints what was marked meanwhile.
    static void DeferRepaints(bool defer);
    // Asks for a repaint of every marked widget.
    static void FlushAll();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    const QImage* source_ = nullptr;
    double ratio_ = 1;
    bool dirty_ = false;
    // What to repaint once deferral ends; empty for the whole widget.
    QRect dirtyArea_;
};
