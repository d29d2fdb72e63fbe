// Opening an address in the desktop's web browser. A test replaces the
// opener to see the address instead of starting a browser.
#pragma once

#include "runtime/text/text.h"

#include <functional>

namespace runtime {

// True when the address was handed on (a replaced opener always takes it).
bool OpenUrl(const String &url);

using UrlOpener = std::function<void(const String &url)>;
// Replaces the opener; an empty opener restores the desktop's.
void SetUrlOpener(UrlOpener opener);

} // namespace runtime
