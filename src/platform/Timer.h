#pragma once
// A ticking timer of a window: a tick every interval while enabled; a new interval restarts the
// count, interval 0 stops the ticks.
#include <functional>
#include <memory>

namespace Platform {

class Timer {
public:
    Timer(int intervalMs, bool enabled);
    ~Timer();
    Timer(const Timer&) = delete;
    Timer& operator=(const Timer&) = delete;

    void SetInterval(int intervalMs);
    int Interval() const;
    void SetEnabled(bool enabled);
    bool IsEnabled() const;
    void OnTick(std::function<void()> handler);

private:
    struct Impl;   // the system's timer
    void Apply();  // starts the count afresh, or stops it, as interval and enabled now say

    int interval_ = 0;
    bool enabled_ = false;
    std::function<void()> tick_;
    std::unique_ptr<Impl> impl_;
};

}  // namespace Platform
