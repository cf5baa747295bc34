#include "RunLoop.h"

#include "LiveImage.h"

#include <QCoreApplication>

#include <algorithm>

TQtMessagePump::TQtMessagePump()
{
    wake_.setSingleShot(true);
    wake_.setTimerType(Qt::PreciseTimer);
}

bool TQtMessagePump::Flush(Clock::time_point now, bool always)
{
    if (!always && now < nextFrame_) return false;
    nextFrame_ = now + FrameInterval;
    if (BeforeFrame) BeforeFrame();
    AskRestCheck();
    TLiveImage::FlushAll();
    return true;
}

void TQtMessagePump::ProcessMessages()
{
    if (AfterPass) AfterPass();
    const Clock::time_point now = Clock::now();
    if (now < nextEvents_) return;
    nextEvents_ = now + EventInterval;
    const bool frame = Flush(now, false);
    QCoreApplication::processEvents(QEventLoop::AllEvents);
    // A frame, with the events that paint it, takes a tenth of the run's time at most: a costly one
    // puts the next one further off, so that the passes keep nine tenths of the machine.
    if (frame) {
        const Clock::time_point end = Clock::now();
        nextFrame_ = std::max(nextFrame_, end + (end - now) * 9);
    }
}

void TQtMessagePump::WaitForMessages(std::optional<Clock::time_point> until)
{
    const Clock::time_point now = Clock::now();
    // Whatever the last pass drew is on the screen before a pause; a slow run shows every pass.
    Flush(now, !until);
    if (until) {
        if (*until <= now) return;
        wake_.start(std::chrono::ceil<std::chrono::milliseconds>(*until - now));
    }
    QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
    wake_.stop();
}
