// Inserting an option digit into a multiple-choice answer.
#pragma once

#include "runtime/text/text.h"

// as_string with the digit as_para inserted in its ascending place: ("13", "2")
// gives "123". A digit not below the last one is appended. The answer has
// room for four digits: inserting into a longer one is an array-bounds
// run-time error.
runtime::String f_ts(const runtime::String &as_string, const runtime::String &as_para);
