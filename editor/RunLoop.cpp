#include "RunLoop.h"

#include "LiveImage.h"

#include <QCoreApplication>

TQtMessagePump::TQtMessagePump()
{
    wake_.setSingleShot(true);
    wake_.setTimerType(Qt::PreciseTimer);
}

void TQtMessagePump::Flush(Clock::time_point now, bool always)
{
    if (!always && now < nextFrame_) return;
    nextFrame_ = now + FrameInterval;
    if (BeforeFrame) BeforeFrame();
    AskRestCheck();
    TLiveImage::FlushAll();
}

void TQtMessagePump::ProcessMessages()
{
    if (AfterPass) AfterPass();
    const Clock::time_point now = Clock::now();
    if (now < nextEvents_) return;
    nextEvents_ = now + EventInterval;
    Flush(now, false);
    QCoreApplication::processEvents(QEventLoop::AllEvents);
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
