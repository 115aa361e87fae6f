#include "platform/Timer.h"

#include "platform/Application.h"

#include <QTimer>

namespace Platform {

struct Timer::Impl {
    QTimer timer;
    int interval = 0;
    bool enabled = false;
    std::function<void()> tick;

    void Apply()
    {
        if (enabled && interval > 0)
            timer.start(interval);
        else
            timer.stop();
    }
};

Timer::Timer(int intervalMs, bool enabled) : impl_(std::make_unique<Impl>())
{
    StartApplication();
    impl_->timer.setTimerType(Qt::CoarseTimer);
    impl_->interval = intervalMs;
    impl_->enabled = enabled;
    QObject::connect(&impl_->timer, &QTimer::timeout, [impl = impl_.get()] {
        if (impl->tick)
            impl->tick();
    });
    impl_->Apply();
}

Timer::~Timer() = default;

void Timer::SetInterval(int intervalMs)
{
    impl_->interval = intervalMs;
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
