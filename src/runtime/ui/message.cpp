#include "runtime/ui/message.h"

namespace runtime {

Message message;

} // namespace runtime
