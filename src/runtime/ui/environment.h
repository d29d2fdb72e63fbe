// What the program may ask about the machine it runs on.
#pragma once

namespace runtime {

struct Environment {
    int ScreenWidth = 0;  // pixels
    int ScreenHeight = 0; // pixels
};

// Fills env: 1, or -1 when there is no screen to ask.
int GetEnvironment(Environment &env);

} // namespace runtime
