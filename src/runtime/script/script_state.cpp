#include "runtime/script/script_state.h"

#include <QThread>

#include <utility>
#include <vector>

namespace runtime {

namespace {

struct ScriptState {
    int depth = 0;
    int base = 0;
    std::vector<DeferredVisibility *> pending;
    std::vector<std::function<void()>> after;
    // The event-loop level (QThread::loopLevel) at which the innermost
    // running script was delivered: a script that arrives from a deeper
    // level while the scripts run above base comes from a loop that did not
    // start through RunNestedLoop.
    int loopLevel = 0;
    std::function<void()> unguarded;
};

// Made once and never destroyed: controls of global windows may still leave
// the pending list as the program's statics are destroyed.
ScriptState &state()
{
    static ScriptState &s = *new ScriptState;
    return s;
}

int currentLoopLevel() { return QThread::currentThread()->loopLevel(); }

void runAfter()
{
    ScriptState &s = state();
    while (!s.after.empty()) {
        auto waiting = std::move(s.after);
        s.after.clear();
        for (auto &fn : waiting)
            fn();
    }
}

// Raises base to the depth of the waiting script for as long as it lives, and
// sets it back however the loop ends.
class LoopBase {
public:
    LoopBase() : outer_(std::exchange(state().base, state().depth)) {}
    ~LoopBase() { state().base = outer_; }
    LoopBase(const LoopBase &) = delete;
    LoopBase &operator=(const LoopBase &) = delete;

private:
    int outer_;
};

} // namespace

ScriptScope::ScriptScope() : outerLoopLevel_(state().loopLevel)
{
    ScriptState &s = state();
    const int level = currentLoopLevel();
    if (s.depth > s.base && level > s.loopLevel && s.unguarded)
        s.unguarded();
    ++s.depth;
    s.loopLevel = level;
}

ScriptScope::~ScriptScope()
{
    ScriptState &s = state();
    s.loopLevel = outerLoopLevel_;
    if (--s.depth == s.base)
        ShowPendingVisibility();
    if (s.depth == 0)
        runAfter();
}

bool ScriptRunning() { return state().depth > state().base; }

void WhenScriptsHaveReturned(std::function<void()> fn)
{
    if (state().depth == 0)
        fn();
    else
        state().after.push_back(std::move(fn));
}

void RunNestedLoop(const std::function<void()> &loop)
{
    ShowPendingVisibility();
    const LoopBase base;
    loop();
}

DeferredVisibility::~DeferredVisibility() { WithdrawVisibility(); }

void DeferredVisibility::DeferVisibility()
{
    if (pending_)
        return;
    pending_ = true;
    state().pending.push_back(this);
}

void DeferredVisibility::WithdrawVisibility()
{
    if (!pending_)
        return;
    pending_ = false;
    std::erase(state().pending, this);
}

void ShowPendingVisibility()
{
    // One at a time: showing or hiding moves the focus, which runs scripts
    // that may change (or free) further controls.
    auto &pending = state().pending;
    while (!pending.empty()) {
        DeferredVisibility *control = pending.front();
        pending.erase(pending.begin());
        control->pending_ = false;
        control->ApplyVisibility();
    }
}

void SetUnguardedLoopHandler(std::function<void()> seen) { state().unguarded = std::move(seen); }

} // namespace runtime
