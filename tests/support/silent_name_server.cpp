// A name server that never answers, for a test that starts a process with
// this library in LD_PRELOAD: every name lookup blocks for good, as one does
// whose questions are lost on the way. When SILENT_NAME_SERVER_MARK names a
// file, the first lookup creates it, so that the test knows one is under way.
#include <fcntl.h>
#include <netdb.h>
#include <unistd.h>

#include <cstdlib>

namespace {

[[noreturn]] void neverAnswer()
{
    if (const char *mark = std::getenv("SILENT_NAME_SERVER_MARK"); mark && *mark)
        close(open(mark, O_WRONLY | O_CREAT | O_CLOEXEC, 0644));
    for (;;)
        pause();
}

} // namespace

extern "C" {

int getaddrinfo(const char *, const char *, const struct addrinfo *, struct addrinfo **) { neverAnswer(); }

struct hostent *gethostbyname(const char *) { neverAnswer(); }

int gethostbyname_r(const char *, struct hostent *, char *, size_t, struct hostent **, int *) { neverAnswer(); }

} // extern "C"
