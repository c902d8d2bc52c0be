#pragma once
// A FIFO in place of a file, watched while the test runs: it tells whether a
// reader opened it and whether one waited in it. Opening a FIFO to read waits
// for a writer that never comes. The readers run in the test's own thread, so
// one that waits holds the test up until the watch, after a patience no
// reader that only looks comes near, becomes that writer: the reader goes on
// (it reads an empty file) instead of hanging the test, and the watch reports
// it. A reader that opens the FIFO without waiting and leaves it at once, as
// the program's readers do with what turns out not to be a regular file, is
// counted as an open, not as a wait.

#include "FaultInjection.h"

#include <QFile>
#include <QString>

#include <chrono>
#include <condition_variable>
#include <mutex>
#include <thread>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

class FifoWatch {
public:
    // Who makes the FIFO: the watch, or something the test sets off later.
    enum class Made { ByWatch, Later };

    explicit FifoWatch(const QString& path, Made made = Made::ByWatch) : m_path(QFile::encodeName(path)), m_opens(path)
    {
        m_made = made == Made::Later || ::mkfifo(m_path.constData(), 0600) == 0;
        if (m_made)
            m_thread = std::thread([this] { watch(); });
    }
    ~FifoWatch() { readerWaited(); }
    FifoWatch(const FifoWatch&) = delete;
    FifoWatch& operator=(const FifoWatch&) = delete;

    // Whether the FIFO could be made at the path.
    bool made() const { return m_made; }

    // How many times a reader opened the path meanwhile, waiting or not.
    int readerOpens() const { return m_opens.opens(); }

    // Ends the watch; true when a reader waited in the FIFO meanwhile.
    bool readerWaited()
    {
        {
            const std::lock_guard<std::mutex> held(m_lock);
            m_stop = true;
        }
        m_woken.notify_all();
        if (m_thread.joinable())
            m_thread.join();
        return m_waited;
    }

private:
    void watch()
    {
        using namespace std::chrono_literals;
        std::unique_lock<std::mutex> held(m_lock);
        // A test whose readers never wait ends its watch well within this.
        if (m_woken.wait_for(held, 5s, [this] { return m_stop; }))
            return;
        while (!m_stop) {
            held.unlock();
            // A non-blocking open for writing succeeds only while a reader
            // has the FIFO open or waits in its open; it frees a waiting one.
            struct stat st{};
            const int fd = ::lstat(m_path.constData(), &st) == 0 && S_ISFIFO(st.st_mode)
                               ? ::open(m_path.constData(), O_WRONLY | O_NONBLOCK)
                               : -1;
            if (fd >= 0) {
                m_waited = true;
                // Closing gives the freed reader the end of the file.
                ::close(fd);
            }
            held.lock();
            m_woken.wait_for(held, 1ms, [this] { return m_stop; });
        }
    }

    QByteArray m_path;
    OpensCounted m_opens;
    bool m_made = false;
    std::mutex m_lock;
    std::condition_variable m_woken;
    bool m_stop = false;
    bool m_waited = false; // written by the watch only, read after it ends
    std::thread m_thread;
};
