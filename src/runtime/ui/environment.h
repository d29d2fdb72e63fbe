// What the program may ask about the machine it runs on. Tests may replace
// the answer.
#pragma once

#include <functional>

namespace runtime {

struct Environment {
    int ScreenWidth = 0;  // pixels
    int ScreenHeight = 0; // pixels
};

// Fills env: 1, or -1 when there is no screen to ask.
int GetEnvironment(Environment &env);

using EnvironmentSource = std::function<int(Environment &)>;
// Replaces what GetEnvironment asks; an empty source restores the screen.
void SetEnvironmentSource(EnvironmentSource source);

} // namespace runtime
