// The local date and time, as the scripts' Today() and Now() read them.
#pragma once

namespace runtime {

struct DateTime {
    int year = 0, month = 0, day = 0;   // month and day from 1
    int hour = 0, minute = 0, second = 0; // hour 0-23
};

// The computer's local date and time now.
DateTime Now();

} // namespace runtime
