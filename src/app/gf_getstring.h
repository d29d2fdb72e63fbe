// Answer strings: option digits "1" to "4" stand for the options A to D.
#pragma once

#include "runtime/text/text.h"

// The letters of the answer digits: "134" gives "ACD"; other characters are dropped.
runtime::String gf_getstring(const runtime::String &as_string);
// The characters "1" to "7" of the text, in order.
runtime::String f_getstring(const runtime::String &as_string);
