// Preloaded into every test program (LD_PRELOAD, set by ctest): faults that
// a failing disk or another process would cause, on the files a test names,
// whoever runs the tests. Without its variables set it only passes calls on.
//   TDR_FAIL_SYNC=<part of a path>: fsync and fdatasync of a file whose path
//     holds it fail, with the errno in TDR_FAIL_SYNC_ERRNO (EIO when unset).
//   TDR_SWAP_FOR_FIFO=<part of a path>: a regular file whose path holds it is
//     replaced by a FIFO just before it is opened to read, as a swap between
//     a check of the file and its open would.
// No Qt here: the tools the tests start inherit the preload.

// The plain names: no large-file renaming of open to open64 in the headers.
#undef _FILE_OFFSET_BITS

#include <cerrno>
#include <climits>
#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <dlfcn.h>
#include <fcntl.h>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace {

template <typename F>
F nextDefinition(const char* name)
{
    return reinterpret_cast<F>(dlsym(RTLD_NEXT, name));
}

bool holds(const char* path, const char* variable)
{
    const char* part = std::getenv(variable);
    return path && part && *part && std::strstr(path, part);
}

// Whether a sync of the open file is to fail; errno is set when it is.
bool syncFails(int fd)
{
    if (!std::getenv("TDR_FAIL_SYNC"))
        return false;
    char link[64];
    std::snprintf(link, sizeof link, "/proc/self/fd/%d", fd);
    char path[PATH_MAX];
    const ssize_t n = ::readlink(link, path, sizeof path - 1);
    if (n < 0)
        return false;
    path[n] = '\0';
    if (!holds(path, "TDR_FAIL_SYNC"))
        return false;
    const char* code = std::getenv("TDR_FAIL_SYNC_ERRNO");
    errno = code ? std::atoi(code) : EIO;
    return true;
}

void swapForFifo(const char* path, int flags)
{
    if ((flags & O_ACCMODE) != O_RDONLY || !holds(path, "TDR_SWAP_FOR_FIFO"))
        return;
    struct stat st{};
    if (::lstat(path, &st) != 0 || !S_ISREG(st.st_mode))
        return;
    const std::string fifo = std::string(path) + ".swap";
    if (::mkfifo(fifo.c_str(), 0600) == 0 && std::rename(fifo.c_str(), path) != 0)
        ::unlink(fifo.c_str());
}

mode_t modeOf(int flags, va_list args) { return (flags & (O_CREAT | O_TMPFILE)) ? va_arg(args, mode_t) : 0; }

} // namespace

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

// Every entry point through which a file is opened by name.
#define TDR_INTERPOSE_OPEN(name)                                                        \
    int name(const char* path, int flags, ...)                                          \
    {                                                                                   \
        static const auto next = nextDefinition<int (*)(const char*, int, ...)>(#name); \
        va_list args;                                                                   \
        va_start(args, flags);                                                          \
        const mode_t mode = modeOf(flags, args);                                        \
        va_end(args);                                                                   \
        swapForFifo(path, flags);                                                       \
        return next(path, flags, mode);                                                 \
    }
#define TDR_INTERPOSE_OPENAT(name)                                                           \
    int name(int dir, const char* path, int flags, ...)                                      \
    {                                                                                        \
        static const auto next = nextDefinition<int (*)(int, const char*, int, ...)>(#name); \
        va_list args;                                                                        \
        va_start(args, flags);                                                               \
        const mode_t mode = modeOf(flags, args);                                             \
        va_end(args);                                                                        \
        swapForFifo(path, flags);                                                            \
        return next(dir, path, flags, mode);                                                 \
    }

TDR_INTERPOSE_OPEN(open)
TDR_INTERPOSE_OPEN(open64)
TDR_INTERPOSE_OPENAT(openat)
TDR_INTERPOSE_OPENAT(openat64)

// The checked forms that fortified callers use.
int __open_2(const char* path, int flags)
{
    static const auto next = nextDefinition<int (*)(const char*, int)>("__open_2");
    swapForFifo(path, flags);
    return next(path, flags);
}

int __open64_2(const char* path, int flags)
{
    static const auto next = nextDefinition<int (*)(const char*, int)>("__open64_2");
    swapForFifo(path, flags);
    return next(path, flags);
}

// Lets a test tell that the faults it asks for will happen.
int tdr_fault_injection_loaded() { return 1; }

} // extern "C"
