// The clock behind window timers and animations. The real clock runs on Qt
// timers; a test installs a ManualClock and advances time by hand, so no test
// waits.
#pragma once

#include <chrono>
#include <functional>
#include <map>

#include "runtime/text/text.h"

namespace runtime {

// The date and time now, as "yyyy-mm-dd hh:mm:ss" (the form date-time
// columns take). A test may fix it.
String DateTimeNow();
// Replaces the source of DateTimeNow; an empty source restores the system's.
void SetDateTimeSource(std::function<String()> source);

using Milliseconds = std::chrono::milliseconds;

class Clock {
public:
    virtual ~Clock() = default;
    // Calls tick every interval until stopped; returns the timer's id (> 0).
    virtual int Start(Milliseconds interval, std::function<void()> tick) = 0;
    virtual void Stop(int id) = 0;
    // Time since some fixed start; it never goes back.
    virtual Milliseconds Now() const = 0;
    // Lets about that much time pass before returning. Meanwhile the screen
    // keeps up and timers fire, but the user's keys and mouse wait until the
    // script that paused has ended: for a script that animates.
    virtual void Pause(Milliseconds duration) = 0;
};

// The clock in use; the real one unless a test has installed another.
Clock &CurrentClock();
// Installs a clock (nullptr restores the real one). Timers already running
// stay on the clock they were started on.
void SetClock(Clock *clock);

// A clock that moves only when told: Advance fires every tick that falls due,
// in time order, at once.
class ManualClock : public Clock {
public:
    int Start(Milliseconds interval, std::function<void()> tick) override;
    void Stop(int id) override;
    void Advance(Milliseconds by);
    Milliseconds Now() const override { return now_; }
    // Advances the clock by duration.
    void Pause(Milliseconds duration) override { Advance(duration); }
    int RunningTimers() const { return static_cast<int>(timers_.size()); }

private:
    struct Timer {
        Milliseconds interval;
        Milliseconds due;
        std::function<void()> tick;
    };
    Milliseconds now_{0};
    int nextId_ = 1;
    std::map<int, Timer> timers_;
};

} // namespace runtime
