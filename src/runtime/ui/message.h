// The message object: what Open hands to the window it opens, and what
// CloseWithReturn hands back to the opener.
#pragma once

#include "runtime/text/text.h"

#include <any>

namespace runtime {

struct Message {
    String StringParm;
    double DoubleParm = 0;
    std::any PowerObjectParm; // an object pointer; read with std::any_cast
};
extern Message message;

} // namespace runtime
