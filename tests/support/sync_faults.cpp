// Faults and a trace at the syncs of a process's files, for a test that
// starts the process with this library in LD_PRELOAD. Only the files of one
// folder count (SYNC_FAULTS_FOLDER, the folder included), and only while the
// library is armed, so that the process's own preparation goes untouched:
// the process arms it through sync_faults_arm, or, for a program that knows
// nothing of it (the trainer driven from outside), the library arms itself
// once the file SYNC_FAULTS_ARMED_BY exists.
//
//   SYNC_FAULTS_KILL_AFTER=N   the Nth sync (fsync or fdatasync) returns,
//                              then the process is killed at once, as a
//                              crash or a killed program ends
//   SYNC_FAULTS_TRACE=FILE     every sync and every delete is appended to
//                              FILE, one line each: "fsync PATH",
//                              "fdatasync PATH" or "unlink PATH"
#include <dlfcn.h>
#include <fcntl.h>
#include <signal.h>
#include <unistd.h>

#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

bool armed = false;
int syncs = 0;

template <class F>
F real(const char *name)
{
    return reinterpret_cast<F>(dlsym(RTLD_NEXT, name));
}

std::string pathOf(int fd)
{
    char link[64], target[PATH_MAX];
    std::snprintf(link, sizeof link, "/proc/self/fd/%d", fd);
    const ssize_t n = readlink(link, target, sizeof target - 1);
    return n < 0 ? std::string() : std::string(target, static_cast<size_t>(n));
}

// A file's path as the system resolves its folder, as /proc shows paths.
std::string resolved(const std::string &name)
{
    const size_t slash = name.rfind('/');
    const std::string folder = slash == std::string::npos ? "." : name.substr(0, slash == 0 ? 1 : slash);
    char path[PATH_MAX];
    if (!realpath(folder.c_str(), path))
        return name;
    std::string out = path;
    if (out.back() != '/')
        out += '/';
    return out + name.substr(slash == std::string::npos ? 0 : slash + 1);
}

// Whether a path lies in the watched folder or is the folder itself.
bool watched(const std::string &path)
{
    if (const char *armedBy = std::getenv("SYNC_FAULTS_ARMED_BY");
        !armed && armedBy && *armedBy && access(armedBy, F_OK) == 0) {
        armed = true;
        syncs = 0;
    }
    const char *folder = std::getenv("SYNC_FAULTS_FOLDER");
    char f[PATH_MAX];
    if (!armed || !folder || !realpath(folder, f))
        return false;
    const std::string prefix = std::string(f) + "/";
    return path == f || path.compare(0, prefix.size(), prefix) == 0;
}

void trace(const char *operation, const std::string &path)
{
    const char *file = std::getenv("SYNC_FAULTS_TRACE");
    if (!file || !*file)
        return;
    const std::string line = std::string(operation) + " " + path + "\n";
    const int fd = open(file, O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC, 0644);
    if (fd < 0)
        return;
    [[maybe_unused]] const ssize_t written = write(fd, line.data(), line.size());
    close(fd);
}

void afterSync(const char *operation, const std::string &path)
{
    trace(operation, path);
    ++syncs;
    const char *killAfter = std::getenv("SYNC_FAULTS_KILL_AFTER");
    if (killAfter && std::atoi(killAfter) == syncs)
        kill(getpid(), SIGKILL);
}

} // namespace

extern "C" {

// Arms (on) or disarms the library; returns the syncs counted since it was
// last armed.
int sync_faults_arm(int on)
{
    const int counted = syncs;
    armed = on != 0;
    syncs = 0;
    return counted;
}

int fsync(int fd)
{
    const int rc = real<int (*)(int)>("fsync")(fd);
    if (const std::string path = pathOf(fd); watched(path))
        afterSync("fsync", path);
    return rc;
}

int fdatasync(int fd)
{
    const int rc = real<int (*)(int)>("fdatasync")(fd);
    if (const std::string path = pathOf(fd); watched(path))
        afterSync("fdatasync", path);
    return rc;
}

int unlink(const char *name)
{
    const std::string path = resolved(name);
    const int rc = real<int (*)(const char *)>("unlink")(name);
    if (rc == 0 && watched(path))
        trace("unlink", path);
    return rc;
}

} // extern "C"
