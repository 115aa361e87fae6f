#include "platform/Timer.h"

#include "platform/Application.h"
#include "platform/win32/Win32Bridge.h"

#include <map>

namespace Platform {

// A SetTimer timer of the program's message window. Windows makes its WM_TIMER in whatever
// message loop runs, so the next tick comes on time even inside its own handler's wait, as the
// game's minute needs during a phone call.
struct Timer::Impl {
    bool running = false;

    UINT_PTR Id() const { return reinterpret_cast<UINT_PTR>(this); }
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
    : interval_(intervalMs),
      enabled_(enabled),
      impl_(std::make_unique<Impl>())
{
    StartApplication();
    LiveTimers()[impl_->Id()] = &tick_;
    Apply();
}

Timer::~Timer()
{
    enabled_ = false;
    Apply();
    LiveTimers().erase(impl_->Id());
}

void Timer::Apply()
{
    if (enabled_ && interval_ > 0) {
        SetTimer(MessageWindow(), impl_->Id(), static_cast<UINT>(interval_), nullptr);  // restarts the count
        impl_->running = true;
    } else if (impl_->running) {
        KillTimer(MessageWindow(), impl_->Id());
        impl_->running = false;
    }
}

}  // namespace Platform
