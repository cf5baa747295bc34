// A live image repaints only the part of it that shows the pixels drawn, now or, while repaints
// are deferred, once when they are flushed.
#include "LiveImage.h"

#include <QCoreApplication>
#include <QPaintEvent>
#include <QTest>

#include <gtest/gtest.h>

#include <vector>

namespace {

class RecordedImage : public TLiveImage {
public:
    std::vector<QRect> Painted;

protected:
    void paintEvent(QPaintEvent* event) override
    {
        Painted.push_back(event->rect());
        TLiveImage::paintEvent(event);
    }
};

struct LiveImageRepaints : ::testing::Test {
    QImage picture{400, 300, QImage::Format_RGB32};
    RecordedImage view;

    LiveImageRepaints()
    {
        view.SetSource(&picture);
        view.SetSourceRatio(2);
        view.resize(200, 150);
        view.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&view));
        Settle();
    }
    void Settle()
    {
        QCoreApplication::processEvents();
        view.Painted.clear();
    }
    // The union of what was repainted since the last settle.
    QRect Repainted()
    {
        QCoreApplication::processEvents();
        QRect all;
        for (const QRect& r : view.Painted) all |= r;
        return all;
    }
};

TEST_F(LiveImageRepaints, OnlyThePartShowingTheDrawnPixelsAndAllOfItDeferredOrNot)
{
    // Pixels 40..59 of a twice as dense image lie on widget pixels 20..29.
    view.MarkDirty(QRect(40, 40, 20, 20));
    QRect painted = Repainted();
    EXPECT_TRUE(painted.contains(QRect(20, 20, 10, 10)));
    EXPECT_LE(painted.width(), 14);
    Settle();

    TLiveImage::DeferRepaints(true);
    view.MarkDirty(QRect(0, 0, 10, 10));
    view.MarkDirty(QRect(100, 100, 10, 10));
    EXPECT_TRUE(Repainted().isEmpty());
    TLiveImage::DeferRepaints(false);
    painted = Repainted();
    EXPECT_TRUE(painted.contains(QRect(0, 0, 55, 55)));
    EXPECT_LT(painted.width(), 100);
    Settle();

    // A drawing that names no pixels, deferred among others, repaints the whole widget.
    TLiveImage::DeferRepaints(true);
    view.MarkDirty(QRect(0, 0, 10, 10));
    view.MarkDirty();
    view.MarkDirty(QRect(100, 100, 10, 10));
    TLiveImage::DeferRepaints(false);
    EXPECT_EQ(Repainted(), view.rect());
    Settle();

    // Pixels outside the image's part in view ask for nothing.
    view.MarkDirty(QRect(1000, 1000, 10, 10));
    EXPECT_TRUE(Repainted().isEmpty());
}

}  // namespace
