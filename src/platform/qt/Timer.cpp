#include "platform/Timer.h"

#include "platform/Application.h"

#include <QTimer>

namespace Platform {

struct Timer::Impl {
    QTimer timer;
};

Timer::Timer(int intervalMs, bool enabled)
    : interval_(intervalMs),
      enabled_(enabled),
      impl_(std::make_unique<Impl>())
{
    StartApplication();
    // Qt holds back a timer while the handler of its own last tick still runs, even when that
    // handler waits for clicks. The game's minute must keep counting inside a phone call, so
    // the count is started afresh before the handler runs: the next tick comes on time and runs
    // nested inside the wait, as every other window's ticks do.
    QObject::connect(&impl_->timer, &QTimer::timeout, [this] {
        Apply();
        if (tick_)
            tick_();
    });
    Apply();
}

Timer::~Timer() = default;

// Ticks of a minute or more keep the real clock to the millisecond; the short ones may be
// gathered with the system's other wake-ups, which keeps an idle game idle.
void Timer::Apply()
{
    impl_->timer.setTimerType(interval_ >= 60000 ? Qt::PreciseTimer : Qt::CoarseTimer);
    if (enabled_ && interval_ > 0)
        impl_->timer.start(interval_);
    else
        impl_->timer.stop();
}

}  // namespace Platform
