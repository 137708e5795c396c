// Loaded with LD_PRELOAD where the suite may not mount a small file system: writes to files
// in the folder named by LUMASKIN_FULL_FOLDER fail with ENOSPC once LUMASKIN_FULL_BYTES bytes
// have gone there, as they would on a full disk. With LUMASKIN_KILL_AT_SYNC set, the program
// is killed outright as it flushes a file there: the moment its data is all written.
#include <cerrno>
#include <climits>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <dlfcn.h>
#include <unistd.h>

namespace {

long long g_written;

int InFullFolder(int fd)
{
    const char *folder = getenv("LUMASKIN_FULL_FOLDER");
    if (!folder || !*folder)
        return 0;
    char link[64], target[PATH_MAX];
    snprintf(link, sizeof link, "/proc/self/fd/%d", fd);
    const ssize_t length = readlink(link, target, sizeof target - 1);
    if (length <= 0)
        return 0;
    target[length] = '\0';
    const size_t prefix = strlen(folder);
    return strncmp(target, folder, prefix) == 0 && target[prefix] == '/';
}

} // namespace

extern "C" ssize_t write(int fd, const void *buffer, size_t size)
{
    using Write = ssize_t (*)(int, const void *, size_t);
    static const auto real = reinterpret_cast<Write>(dlsym(RTLD_NEXT, "write"));
    if (InFullFolder(fd)) {
        const char *limit = getenv("LUMASKIN_FULL_BYTES");
        const long long room = (limit ? atoll(limit) : 0) - g_written;
        if (room <= 0) {
            errno = ENOSPC;
            return -1;
        }
        if ((long long)size > room)
            size = (size_t)room;
        const ssize_t done = real(fd, buffer, size);
        if (done > 0)
            g_written += done;
        return done;
    }
    return real(fd, buffer, size);
}

extern "C" int fdatasync(int fd)
{
    using Sync = int (*)(int);
    static const auto real = reinterpret_cast<Sync>(dlsym(RTLD_NEXT, "fdatasync"));
    if (getenv("LUMASKIN_KILL_AT_SYNC") && InFullFolder(fd))
        raise(SIGKILL);
    return real(fd);
}
