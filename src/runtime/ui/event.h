// An event of a runtime object: a script that the platform, the user or
// another script runs.
//
// A window declares its events and its controls' scripts are assigned in its
// constructor:
//
//     cb_1.clicked = [this] { Close(*this); };
//
// Trigger runs the script at once, whatever the state of the object (a
// disabled or hidden control too); Post queues it to run after the current
// event has returned. Either way the script runs through RunScript, so a
// run-time error inside it reaches the application's systemerror event.
#pragma once

#include "runtime/ui/object.h"
#include "runtime/ui/systemerror.h"

#include <functional>
#include <source_location>
#include <tuple>

namespace runtime {

template <typename... Args>
class Event {
public:
    using Script = std::function<void(Args...)>;

    // A script with the place in the program where it is assigned, so that
    // an error report can name the script's line.
    struct PlacedScript {
        template <typename F>
        PlacedScript(F &&f, std::source_location where = std::source_location::current())
            : script(std::forward<F>(f)), where(where)
        {
        }
        Script script;
        std::source_location where;
    };

    Event(PowerObject *owner, const char *name) : owner_(owner), name_(name) {}
    Event(const Event &) = delete;
    Event &operator=(const Event &) = delete;

    Event &operator=(PlacedScript placed)
    {
        script_ = std::move(placed.script);
        where_ = placed.where;
        return *this;
    }
    bool HasScript() const { return static_cast<bool>(script_); }
    const char *Name() const { return name_; }

    // Runs the script now. Returns 1, or -1 when the event has no script.
    int Trigger(Args... args) const
    {
        if (!script_)
            return -1;
        // A copy: the script may replace itself or close its window.
        const Script script = script_;
        RunScript({owner_->WindowMenuName(), owner_->ClassName(), name_, where_}, [&] { script(args...); });
        return 1;
    }

    // Queues the script. Returns 1, or -1 when the event has no script. A
    // posted event of an object that is destroyed before it runs is dropped.
    int Post(Args... args) const
    {
        if (!script_)
            return -1;
        QMetaObject::invokeMethod(
            owner_, [this, saved = std::make_tuple(args...)] { std::apply([this](auto... a) { Trigger(a...); }, saved); },
            Qt::QueuedConnection);
        return 1;
    }

private:
    PowerObject *owner_;
    const char *name_;
    Script script_;
    std::source_location where_{};
};

} // namespace runtime
