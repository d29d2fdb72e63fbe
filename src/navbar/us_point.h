// A point in pixels, as the pointer functions fill it.
#pragma once

#include "runtime/win32/capture.h"

using us_point = runtime::Point;
