#pragma once
// The faults of the preloaded fault-injection library (FaultInjection.cpp),
// each asked for while a guard lives. A test first checks that the library
// is loaded, so that a run without it fails instead of passing unchallenged.

#include <QByteArray>
#include <QString>

#include <cerrno>
#include <dlfcn.h>

inline bool faultInjectionLoaded() { return dlsym(RTLD_DEFAULT, "tdr_fault_injection_loaded") != nullptr; }

namespace faultinjection {
// Sets an environment variable of the library while it lives.
class Setting {
public:
    Setting(const char* name, const QByteArray& value) : m_name(name) { qputenv(name, value); }
    ~Setting() { qunsetenv(m_name); }
    Setting(const Setting&) = delete;
    Setting& operator=(const Setting&) = delete;

private:
    const char* m_name;
};
} // namespace faultinjection

// While it lives, every sync to disk of a file whose path holds `part` fails
// with `error`, as on a failing disk or a full network file system.
class SyncFails {
public:
    explicit SyncFails(const QString& part, int error = EIO)
        : m_part("TDR_FAIL_SYNC", part.toLocal8Bit()), m_errno("TDR_FAIL_SYNC_ERRNO", QByteArray::number(error))
    {
    }

private:
    faultinjection::Setting m_part;
    faultinjection::Setting m_errno;
};

// While it lives, a regular file whose path holds `part` becomes a FIFO the
// moment it is opened to read, after whatever checked it before.
class SwappedForFifo {
public:
    explicit SwappedForFifo(const QString& part) : m_part("TDR_SWAP_FOR_FIFO", part.toLocal8Bit()) {}

private:
    faultinjection::Setting m_part;
};
