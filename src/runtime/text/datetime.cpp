#include "runtime/text/datetime.h"

#include <ctime>

namespace runtime {

String CurrentDateTime()
{
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    char text[32];
    std::strftime(text, sizeof text, "%Y-%m-%d %H:%M:%S", &local);
    return String(text);
}

} // namespace runtime
