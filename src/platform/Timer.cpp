#include "platform/Timer.h"

namespace Platform {

void Timer::SetInterval(int intervalMs)
{
    interval_ = intervalMs;
    Apply();
}

int Timer::Interval() const { return interval_; }

void Timer::SetEnabled(bool enabled)
{
    if (enabled_ == enabled)
        return;
    enabled_ = enabled;
    Apply();
}

bool Timer::IsEnabled() const { return enabled_; }
void Timer::OnTick(std::function<void()> handler) { tick_ = std::move(handler); }

}  // namespace Platform
