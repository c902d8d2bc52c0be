#pragma once
// A FIFO in place of a file, watched while the test runs: it tells whether
// anything opened it to read. Such an open waits for a writer that never
// comes; the watch is that writer, so a reader that should have left the FIFO
// alone goes on (it reads an empty file) instead of hanging the test, and the
// watch reports it.

#include <QFile>
#include <QString>

#include <atomic>
#include <chrono>
#include <thread>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

class FifoWatch {
public:
    explicit FifoWatch(const QString& path) : m_path(QFile::encodeName(path))
    {
        m_made = ::mkfifo(m_path.constData(), 0600) == 0;
        if (m_made)
            m_thread = std::thread([this] { watch(); });
    }
    ~FifoWatch() { opened(); }
    FifoWatch(const FifoWatch&) = delete;
    FifoWatch& operator=(const FifoWatch&) = delete;

    // Whether the FIFO could be made at the path.
    bool made() const { return m_made; }

    // Ends the watch; true when something opened the FIFO to read meanwhile.
    bool opened()
    {
        m_stop = true;
        if (m_thread.joinable())
            m_thread.join();
        return m_opened;
    }

private:
    void watch()
    {
        while (!m_stop) {
            // A non-blocking open for writing succeeds only while a reader
            // has the FIFO open or waits in its open; closing again gives
            // that reader the end of the file.
            const int fd = ::open(m_path.constData(), O_WRONLY | O_NONBLOCK);
            if (fd >= 0) {
                m_opened = true;
                ::close(fd);
            } else {
                std::this_thread::sleep_for(std::chrono::milliseconds(1));
            }
        }
    }

    QByteArray m_path;
    bool m_made = false;
    std::atomic<bool> m_stop{false};
    std::atomic<bool> m_opened{false};
    std::thread m_thread;
};
