// The C library's entry points through which a file is opened by name or put
// on the disk, defined in every test program: the dynamic linker binds the
// program's and Qt's calls to these, which pass them on to the library's own
// (RTLD_NEXT) unless a guard of FaultInjection.h asks for a fault.

// The plain names: no large-file renaming of open to open64 in the headers.
#undef _FILE_OFFSET_BITS

#include "FaultInjection.h"

#include <cerrno>
#include <climits>
#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <dlfcn.h>
#include <fcntl.h>
#include <mutex>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace {

template <typename F>
F nextDefinition(const char* name)
{
    return reinterpret_cast<F>(dlsym(RTLD_NEXT, name));
}

// What the guards ask for. The calls come from any thread (a test's FIFO
// watch opens from its own), so all of it is read and written under the lock.
struct Faults {
    std::mutex lock;
    std::string syncPart;
    int syncError = 0;
    bool syncFolders = false;
    int syncFailed = 0;
    std::string swapPart;
    int swaps = 0;
    std::string countPart;
    int opens = 0;
    std::string failPart;
    int failError = 0;
    int failTimes = 0;
    bool failNonBlocking = false;
    int failFailed = 0;
};

// Made on first use: an open can come before the program's globals are made.
Faults& faults()
{
    static Faults f;
    return f;
}

bool holds(const char* path, const std::string& part)
{
    return path && !part.empty() && std::strstr(path, part.c_str());
}

// Takes a guard's part; a second guard of a kind while one lives is a
// mistake of the test.
void take(std::string& slot, const QString& part, const char* kind)
{
    if (!slot.empty()) {
        std::fprintf(stderr, "fault injection: a second %s guard while one lives\n", kind);
        std::abort();
    }
    slot = part.toLocal8Bit().toStdString();
    if (slot.empty()) {
        std::fprintf(stderr, "fault injection: a %s guard needs a part of a path\n", kind);
        std::abort();
    }
}

void swapForFifo(const char* path)
{
    struct stat st{};
    if (::lstat(path, &st) != 0 || !S_ISREG(st.st_mode))
        return;
    const std::string fifo = std::string(path) + ".swap";
    if (::mkfifo(fifo.c_str(), 0600) != 0)
        return;
    if (std::rename(fifo.c_str(), path) == 0)
        ++faults().swaps;
    else
        ::unlink(fifo.c_str());
}

// What an open of the path is to do: 0 to go on (after any swap), or the
// errno it fails with.
int openFault(const char* path, int flags)
{
    Faults& f = faults();
    const std::lock_guard<std::mutex> held(f.lock);
    if ((flags & O_ACCMODE) != O_WRONLY && holds(path, f.countPart))
        ++f.opens;
    if (holds(path, f.failPart) && f.failTimes != 0 && (!f.failNonBlocking || (flags & O_NONBLOCK))) {
        if (f.failTimes > 0)
            --f.failTimes;
        ++f.failFailed;
        return f.failError;
    }
    if ((flags & O_ACCMODE) == O_RDONLY && holds(path, f.swapPart))
        swapForFifo(path);
    return 0;
}

// Whether a sync of the open file is to fail; errno is set when it is.
bool syncFails(int fd)
{
    Faults& f = faults();
    const std::lock_guard<std::mutex> held(f.lock);
    if (f.syncPart.empty())
        return false;
    struct stat st{};
    if (::fstat(fd, &st) != 0 || S_ISDIR(st.st_mode) != f.syncFolders)
        return false;
    char link[64];
    std::snprintf(link, sizeof link, "/proc/self/fd/%d", fd);
    char path[PATH_MAX];
    const ssize_t n = ::readlink(link, path, sizeof path - 1);
    if (n < 0)
        return false;
    path[n] = '\0';
    if (!holds(path, f.syncPart))
        return false;
    ++f.syncFailed;
    errno = f.syncError;
    return true;
}

// The mode argument is passed only with O_CREAT or O_TMPFILE (whose bits
// include O_DIRECTORY's, which passes none).
bool takesMode(int flags) { return (flags & O_CREAT) || (flags & O_TMPFILE) == O_TMPFILE; }

} // namespace

bool faultInjectionLoaded()
{
    // Qt calls open64: the dynamic linker must find this program's.
    return dlsym(RTLD_DEFAULT, "open64") == reinterpret_cast<void*>(&open64);
}

namespace {
// A guard's count read, and its part let go, under the lock.
int counted(int Faults::* count)
{
    const std::lock_guard<std::mutex> held(faults().lock);
    return faults().*count;
}
void release(std::string Faults::* part)
{
    const std::lock_guard<std::mutex> held(faults().lock);
    (faults().*part).clear();
}
} // namespace

SyncFails::SyncFails(const QString& part, int error, Of of)
{
    Faults& f = faults();
    const std::lock_guard<std::mutex> held(f.lock);
    take(f.syncPart, part, "sync");
    f.syncError = error;
    f.syncFolders = of == Of::Folders;
    f.syncFailed = 0;
}
SyncFails::~SyncFails() { release(&Faults::syncPart); }
int SyncFails::failed() const { return counted(&Faults::syncFailed); }

SwappedForFifo::SwappedForFifo(const QString& part)
{
    const std::lock_guard<std::mutex> held(faults().lock);
    take(faults().swapPart, part, "swap");
    faults().swaps = 0;
}
SwappedForFifo::~SwappedForFifo() { release(&Faults::swapPart); }
int SwappedForFifo::swaps() const { return counted(&Faults::swaps); }

OpensCounted::OpensCounted(const QString& part)
{
    const std::lock_guard<std::mutex> held(faults().lock);
    take(faults().countPart, part, "open count");
    faults().opens = 0;
}
OpensCounted::~OpensCounted() { release(&Faults::countPart); }
int OpensCounted::opens() const { return counted(&Faults::opens); }

OpenFails::OpenFails(const QString& part, int error, int times, Which which)
{
    Faults& f = faults();
    const std::lock_guard<std::mutex> held(f.lock);
    take(f.failPart, part, "open failure");
    f.failError = error;
    f.failTimes = times;
    f.failNonBlocking = which == Which::NonBlocking;
    f.failFailed = 0;
}
OpenFails::~OpenFails() { release(&Faults::failPart); }
int OpenFails::failed() const { return counted(&Faults::failFailed); }

extern "C" {

int fsync(int fd)
{
    static const auto next = nextDefinition<int (*)(int)>("fsync");
    return syncFails(fd) ? -1 : next(fd);
}

int fdatasync(int fd)
{
    static const auto next = nextDefinition<int (*)(int)>("fdatasync");
    return syncFails(fd) ? -1 : next(fd);
}

#define TDR_INTERPOSE_OPEN(name)                                                        \
    int name(const char* path, int flags, ...)                                          \
    {                                                                                   \
        static const auto next = nextDefinition<int (*)(const char*, int, ...)>(#name); \
        mode_t mode = 0;                                                                \
        if (takesMode(flags)) {                                                         \
            va_list args;                                                               \
            va_start(args, flags);                                                      \
            mode = va_arg(args, mode_t);                                                \
            va_end(args);                                                               \
        }                                                                               \
        if (const int error = openFault(path, flags)) {                                 \
            errno = error;                                                              \
            return -1;                                                                  \
        }                                                                               \
        return next(path, flags, mode);                                                 \
    }
#define TDR_INTERPOSE_OPENAT(name)                                                           \
    int name(int dir, const char* path, int flags, ...)                                      \
    {                                                                                        \
        static const auto next = nextDefinition<int (*)(int, const char*, int, ...)>(#name); \
        mode_t mode = 0;                                                                     \
        if (takesMode(flags)) {                                                              \
            va_list args;                                                                    \
            va_start(args, flags);                                                           \
            mode = va_arg(args, mode_t);                                                     \
            va_end(args);                                                                    \
        }                                                                                    \
        if (const int error = openFault(path, flags)) {                                      \
            errno = error;                                                                   \
            return -1;                                                                       \
        }                                                                                    \
        return next(dir, path, flags, mode);                                                 \
    }

TDR_INTERPOSE_OPEN(open)
TDR_INTERPOSE_OPEN(open64)
TDR_INTERPOSE_OPENAT(openat)
TDR_INTERPOSE_OPENAT(openat64)

// The checked forms that fortified callers use.
#define TDR_INTERPOSE_CHECKED_OPEN(name)                                           \
    int name(const char* path, int flags)                                          \
    {                                                                              \
        static const auto next = nextDefinition<int (*)(const char*, int)>(#name); \
        if (const int error = openFault(path, flags)) {                            \
            errno = error;                                                         \
            return -1;                                                             \
        }                                                                          \
        return next(path, flags);                                                  \
    }

TDR_INTERPOSE_CHECKED_OPEN(__open_2)
TDR_INTERPOSE_CHECKED_OPEN(__open64_2)

} // extern "C"
