#include "RunLoop.h"

#include "LiveImage.h"

#include <QCoreApplication>

void TQtMessagePump::ProcessMessages()
{
    ++passes_;
    const Clock::time_point now = Clock::now();
    if (now < nextEvents_) return;
    nextEvents_ = now + EventInterval;
    if (now >= nextFrame_) {
        nextFrame_ = now + FrameInterval;
        TLiveImage::FlushAll();
    }
    QCoreApplication::processEvents(QEventLoop::AllEvents);
}
