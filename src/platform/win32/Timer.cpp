#include "platform/Timer.h"

#include "platform/Application.h"
#include "platform/win32/Win32Bridge.h"

#include <map>

namespace Platform {

// A SetTimer timer of the program's message window. Windows makes its WM_TIMER in whatever
// message loop runs, so the next tick comes on time even inside its own handler's wait, as the
// game's minute needs during a phone call.
struct Timer::Impl {
    int interval = 0;
    bool enabled = false;
    bool running = false;
    std::function<void()> tick;

    UINT_PTR Id() const { return reinterpret_cast<UINT_PTR>(this); }

    void Apply()
    {
        if (enabled && interval > 0) {
            SetTimer(MessageWindow(), Id(), static_cast<UINT>(interval), nullptr);  // restarts the count
            running = true;
        } else if (running) {
            KillTimer(MessageWindow(), Id());
            running = false;
        }
    }
};

namespace {

// The handlers of the timers alive, by their ids.
std::map<UINT_PTR, const std::function<void()>*>& LiveTimers()
{
    static std::map<UINT_PTR, const std::function<void()>*> live;
    return live;
}

}  // namespace

void TickTimer(UINT_PTR id)
{
    const auto timer = LiveTimers().find(id);
    if (timer == LiveTimers().end())
        return;  // a tick made just before its timer went
    if (*timer->second)
        (*timer->second)();
}

Timer::Timer(int intervalMs, bool enabled)
    : impl_(std::make_unique<Impl>())
{
    StartApplication();
    impl_->interval = intervalMs;
    impl_->enabled = enabled;
    LiveTimers()[impl_->Id()] = &impl_->tick;
    impl_->Apply();
}

Timer::~Timer()
{
    impl_->enabled = false;
    impl_->Apply();
    LiveTimers().erase(impl_->Id());
}

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
