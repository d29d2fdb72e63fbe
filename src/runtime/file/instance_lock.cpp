#include "runtime/file/instance_lock.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <map>
#include <sys/file.h>
#include <unistd.h>

namespace runtime {

namespace {

struct Held {
    pid_t owner = 0;
    std::map<std::string, int> files; // path -> descriptor holding its lock
};

Held &held()
{
    static Held h;
    return h;
}

} // namespace

FileHold HoldFileForThisProcess(const std::string &path, std::string &error)
{
    Held &h = held();
    // A child process inherits the descriptors but not the right to the
    // locks: it must take its own.
    if (h.owner != getpid()) {
        h.files.clear();
        h.owner = getpid();
    }
    if (h.files.count(path))
        return FileHold::Held;
    // A lock of its own kind (flock), apart from the record locks the
    // database engine takes on the same file, and held on a descriptor that
    // is never closed: closing one would drop the engine's locks too.
    const int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        error = std::strerror(errno);
        return FileHold::Failed;
    }
    if (flock(fd, LOCK_EX | LOCK_NB) != 0) {
        const int why = errno;
        close(fd);
        if (why == EWOULDBLOCK)
            return FileHold::InUse;
        error = std::strerror(why);
        return FileHold::Failed;
    }
    h.files[path] = fd;
    return FileHold::Held;
}

} // namespace runtime
