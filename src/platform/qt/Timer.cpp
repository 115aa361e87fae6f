#include "platform/Timer.h"

#include "platform/Application.h"

#include <QTimer>

namespace Platform {

struct Timer::Impl {
    QTimer timer;
    int interval = 0;
    bool enabled = false;
    std::function<void()> tick;

    // Ticks of a minute or more keep the real clock to the millisecond; the short ones may be
    // gathered with the system's other wake-ups, which keeps an idle game idle.
    void SetInterval(int intervalMs)
    {
        interval = intervalMs;
        timer.setTimerType(intervalMs >= 60000 ? Qt::PreciseTimer : Qt::CoarseTimer);
    }

    void Apply()
    {
        if (enabled && interval > 0)
            timer.start(interval);
        else
            timer.stop();
    }

    // Qt holds back a timer while the handler of its own last tick still runs, even when that
    // handler waits for clicks. The game's minute must keep counting inside a phone call, so
    // the count is started afresh (a new Qt timer) before the handler runs: the next tick comes
    // on time and runs nested inside the wait, as every other window's ticks do.
    void Tick()
    {
        Apply();
        if (tick)
            tick();
    }
};

Timer::Timer(int intervalMs, bool enabled)
    : impl_(std::make_unique<Impl>())
{
    StartApplication();
    impl_->SetInterval(intervalMs);
    impl_->enabled = enabled;
    QObject::connect(&impl_->timer, &QTimer::timeout, [impl = impl_.get()] { impl->Tick(); });
    impl_->Apply();
}

Timer::~Timer() = default;

void Timer::SetInterval(int intervalMs)
{
    impl_->SetInterval(intervalMs);
    impl_->Apply();
}

int Timer::Interval() const { return impl_->interval; }

void Timer::SetEnabled(bool enabled)
{
    if (impl_->enabled == enabled)
        return;
    impl_->enabled = enabled;
    impl_->Apply();
}

bool Timer::IsEnabled() const { return impl_->enabled; }
void Timer::OnTick(std::function<void()> handler) { impl_->tick = std::move(handler); }

}  // namespace Platform
