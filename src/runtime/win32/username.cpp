#include "runtime/win32/username.h"

#include <pwd.h>
#include <unistd.h>

#include <cstdlib>

namespace runtime {

bool GetUserName(String &name)
{
    name.clear();
    if (const passwd *entry = getpwuid(geteuid()); entry && entry->pw_name && *entry->pw_name) {
        name = FromUtf8(entry->pw_name);
        return true;
    }
    for (const char *variable : {"USER", "LOGNAME"}) {
        if (const char *value = std::getenv(variable); value && *value) {
            name = FromUtf8(value);
            return true;
        }
    }
    return false;
}

} // namespace runtime
