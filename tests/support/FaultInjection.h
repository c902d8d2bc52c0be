#pragma once
// Faults that a failing disk or another process would cause, on the files a
// test names, each asked for while a guard lives. FaultInjection.cpp defines
// the C library's open, fsync and fdatasync in every test program, where they
// stand before the library's own for the program and for Qt alike; without a
// guard they only pass each call on. At most one guard of each kind lives at
// a time. A test first checks that the calls come through them, so that a
// program built without them fails instead of passing unchallenged.

#include <QString>

#include <cerrno>

// True when the program's and Qt's opens go through the faults' definitions.
bool faultInjectionLoaded();

namespace faultinjection {
// What the guards below have in common: a part of a path and what to do to
// the calls on a path that holds it.
class Guard {
public:
    Guard(const Guard&) = delete;
    Guard& operator=(const Guard&) = delete;

protected:
    Guard() = default;
};
} // namespace faultinjection

// While it lives, every sync to disk of an open file (or, with Folders, of an
// open folder) whose path holds `part` fails with `error`, as on a failing
// disk or a full network file system.
class SyncFails : faultinjection::Guard {
public:
    enum class Of { Files, Folders };
    explicit SyncFails(const QString& part, int error = EIO, Of of = Of::Files);
    ~SyncFails();
    // How many syncs it failed.
    int failed() const;
};

// While it lives, a regular file whose path holds `part` becomes a FIFO the
// moment it is opened to read, after whatever checked it before.
class SwappedForFifo : faultinjection::Guard {
public:
    explicit SwappedForFifo(const QString& part);
    ~SwappedForFifo();
    // How many files it swapped.
    int swaps() const;
};

// While it lives, counts the opens to read of a path that holds `part`,
// whatever is there (a stat of the path is no open).
class OpensCounted : faultinjection::Guard {
public:
    explicit OpensCounted(const QString& part);
    ~OpensCounted();
    int opens() const;
};

// While it lives, opens of a path that holds `part` fail with `error`: the
// first `times` of them (all when negative), or only those that ask not to
// wait (O_NONBLOCK), as a file under another's write lease does.
class OpenFails : faultinjection::Guard {
public:
    enum class Which { Any, NonBlocking };
    OpenFails(const QString& part, int error, int times, Which which = Which::Any);
    ~OpenFails();
    // How many opens it failed.
    int failed() const;
};
