// The internet service: fetching a page into a result receiver.
//
// Every fetch goes through one replaceable page fetcher, so a test answers
// with a page, or with nothing, without the network.
#pragma once

#include "runtime/text/text.h"

#include <chrono>
#include <functional>
#include <optional>
#include <string>

namespace runtime {

// Raw bytes as they arrived.
using Blob = std::string;

// A fetched page: its bytes, and the Content-Type its server sent with them
// ("" when none), which may name the bytes' charset.
struct Page {
    Page(Blob bytes, std::string contentType = {}) : bytes(std::move(bytes)), contentType(std::move(contentType)) {}
    Blob bytes;
    std::string contentType;
};

// Receives what a fetch delivers; the program derives its receiver from it.
class InternetResult {
public:
    virtual ~InternetResult() = default;
    // Called with the received bytes; returns 1.
    virtual int InternetData(const Blob &data) = 0;
};

// The longest a GetURL waits for an answer.
inline constexpr std::chrono::milliseconds kGetUrlTimeout{2000};

class Inet {
public:
    // Fetches the page and hands it to result, waiting for at most
    // kGetUrlTimeout. Returns 1 when a page arrived, -1 otherwise (nothing
    // is delivered then).
    int GetURL(const String &url, InternetResult &result);
};

// A page fetcher calls done once: with the page, or with nothing when the
// fetch failed. It may call done before it returns.
using PageDone = std::function<void(std::optional<Page>)>;
using PageFetcher = std::function<void(const String &url, PageDone done)>;
// Replaces the fetcher; an empty fetcher restores the network's.
void SetPageFetcher(PageFetcher fetcher);
// Fetches through the fetcher in use.
void FetchPage(const String &url, PageDone done);

} // namespace runtime
