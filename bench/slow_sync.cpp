// Preloaded into a program to make every fsync and fdatasync SLOW_SYNC_MS
// milliseconds slower, as on a busy hard disk, a network home folder or a
// USB stick.
#include <dlfcn.h>
#include <unistd.h>

#include <cstdlib>
#include <cstring>
#include <ctime>

namespace {

void wait()
{
    static const long msecs = [] {
        const char* value = std::getenv("SLOW_SYNC_MS");
        return value ? std::atol(value) : 0L;
    }();
    if (msecs <= 0)
        return;
    timespec delay{msecs / 1000, (msecs % 1000) * 1'000'000};
    while (nanosleep(&delay, &delay) != 0) {
    }
}

using Sync = int (*)(int);

Sync next(const char* name)
{
    void* found = dlsym(RTLD_NEXT, name);
    Sync sync = nullptr;
    std::memcpy(&sync, &found, sizeof sync);
    return sync;
}

} // namespace

extern "C" int fsync(int fd)
{
    static const Sync real = next("fsync");
    wait();
    return real(fd);
}

extern "C" int fdatasync(int fd)
{
    static const Sync real = next("fdatasync");
    wait();
    return real(fd);
}
