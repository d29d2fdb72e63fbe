// Helpers for tests that open real windows.
#pragma once

#include "runtime/net/inet.h"
#include "runtime/ui/window.h"

#include <QCoreApplication>
#include <QTimer>

#include <functional>

// Closes every open window and frees the closed ones.
inline void CloseAllWindows()
{
    while (!runtime::OpenWindows().empty())
        runtime::Close(*runtime::OpenWindows().back());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// While it lives, every page fetch answers at once: with the page given, or
// with nothing (no network).
class FakeNetwork {
public:
    explicit FakeNetwork(std::optional<runtime::Blob> page = std::nullopt)
    {
        runtime::SetPageFetcher([this, page](const runtime::String &url, auto done) {
            asked.push_back(url);
            done(page);
        });
    }
    ~FakeNetwork() { runtime::SetPageFetcher(nullptr); }
    FakeNetwork(const FakeNetwork &) = delete;
    FakeNetwork &operator=(const FakeNetwork &) = delete;

    std::vector<runtime::String> asked;
};

// Runs fn once the window is open, from the event loop: inside the nested
// loop of a response window that its opener is waiting on. Gives up after a
// few thousand turns of the loop.
template <class W>
void WhenOpen(runtime::GlobalWindow<W> &window, std::function<void()> fn)
{
    auto *poll = new QTimer;
    poll->setInterval(0);
    QObject::connect(poll, &QTimer::timeout, [poll, &window, fn, turns = 0]() mutable {
        if (!window.IsValid() && ++turns < 5000)
            return;
        poll->stop();
        poll->deleteLater();
        if (window.IsValid())
            fn();
    });
    poll->start();
}
