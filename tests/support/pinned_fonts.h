// The fonts the tests draw with: the project's own fontconfig
// (tests/support/fonts.conf.in), so that a picture a test compares is the
// same on every machine, whatever fonts and font settings it has besides.
#pragma once

#include <string>

// Makes every font of the process, and of the processes it starts, come
// from the project's fontconfig. Call before the application object starts.
void PinFonts();

// What is missing of the families the program's looks rely on, each with
// the Debian package that brings it; empty when every one is there. Call
// once the application object has started.
std::string MissingFonts();
