#include "runtime/ui/clock.h"

#include "runtime/script/script_state.h"

#include <QDateTime>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>

#include <algorithm>
#include <memory>

namespace runtime {

namespace {

class RealClock : public Clock {
public:
    int Start(Milliseconds interval, std::function<void()> tick) override
    {
        auto timer = std::make_unique<QTimer>();
        timer->setInterval(static_cast<int>(interval.count()));
        QObject::connect(timer.get(), &QTimer::timeout, std::move(tick));
        timer->start();
        const int id = nextId_++;
        timers_[id] = std::move(timer);
        return id;
    }
    void Stop(int id) override { timers_.erase(id); }
    Milliseconds Now() const override { return Milliseconds(started_.elapsed()); }
    void Pause(Milliseconds duration) override
    {
        QEventLoop loop;
        QTimer::singleShot(duration, &loop, &QEventLoop::quit);
        RunNestedLoop([&] { loop.exec(QEventLoop::ExcludeUserInputEvents); });
    }

private:
    QElapsedTimer started_ = [] {
        QElapsedTimer timer;
        timer.start();
        return timer;
    }();
    int nextId_ = 1;
    std::map<int, std::unique_ptr<QTimer>> timers_;
};

Clock *installed = nullptr;

std::function<String()> &dateTimeSource()
{
    static std::function<String()> source;
    return source;
}

} // namespace

String DateTimeNow()
{
    if (dateTimeSource())
        return dateTimeSource()();
    return FromQString(QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")));
}

void SetDateTimeSource(std::function<String()> source) { dateTimeSource() = std::move(source); }

Clock &CurrentClock()
{
    static RealClock real;
    return installed ? *installed : real;
}

void SetClock(Clock *clock) { installed = clock; }

int ManualClock::Start(Milliseconds interval, std::function<void()> tick)
{
    interval = std::max(interval, Milliseconds(1));
    const int id = nextId_++;
    timers_[id] = {interval, now_ + interval, std::move(tick)};
    return id;
}

void ManualClock::Stop(int id) { timers_.erase(id); }

void ManualClock::Advance(Milliseconds by)
{
    const Milliseconds end = now_ + by;
    for (;;) {
        // The earliest due timer; a tick may start or stop timers.
        auto next = timers_.end();
        for (auto it = timers_.begin(); it != timers_.end(); ++it)
            if (it->second.due <= end && (next == timers_.end() || it->second.due < next->second.due))
                next = it;
        if (next == timers_.end())
            break;
        now_ = next->second.due;
        next->second.due += next->second.interval;
        const auto tick = next->second.tick;
        tick();
    }
    now_ = end;
}

} // namespace runtime
