#include "runtime/win32/username.h"

#include <pwd.h>
#include <unistd.h>

#include <cstdlib>

namespace runtime {

namespace {

std::function<String()> &userNameSource()
{
    static std::function<String()> source;
    return source;
}

} // namespace

void SetUserNameSource(std::function<String()> source) { userNameSource() = std::move(source); }

bool GetUserName(String &name)
{
    name.clear();
    if (userNameSource()) {
        name = userNameSource()();
        return !name.empty();
    }
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
