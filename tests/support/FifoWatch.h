#pragma once
// A FIFO in place of a file, watched while the test runs: it tells whether a
// reader waited in it. Opening a FIFO to read waits for a writer that never
// comes; the watch is that writer, so a reader that should not have waited
// goes on (it reads an empty file) instead of hanging the test, and the watch
// reports it. A reader that opens the FIFO without waiting and leaves it at
// once, as the program's readers do with what is not a regular file, does not
// count.

#include <QFile>
#include <QString>

#include <atomic>
#include <chrono>
#include <thread>

#include <fcntl.h>
#include <poll.h>
#include <sys/stat.h>
#include <unistd.h>

class FifoWatch {
public:
    // Who makes the FIFO: the watch, or something the test sets off later.
    enum class Made { ByWatch, Later };

    explicit FifoWatch(const QString& path, Made made = Made::ByWatch) : m_path(QFile::encodeName(path))
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

    // Ends the watch; true when a reader waited in the FIFO meanwhile.
    bool readerWaited()
    {
        m_stop = true;
        if (m_thread.joinable())
            m_thread.join();
        return m_waited;
    }

private:
    void watch()
    {
        using namespace std::chrono_literals;
        while (!m_stop) {
            // A non-blocking open for writing succeeds only while a reader
            // has the FIFO open or waits in its open.
            struct stat st{};
            const int fd = ::lstat(m_path.constData(), &st) == 0 && S_ISFIFO(st.st_mode)
                               ? ::open(m_path.constData(), O_WRONLY | O_NONBLOCK)
                               : -1;
            if (fd < 0) {
                std::this_thread::sleep_for(1ms);
                continue;
            }
            // A reader still there a while later was waiting (the open has
            // freed it and it now reads); one that only looked is gone.
            pollfd gone{fd, POLLOUT, 0};
            const auto until = std::chrono::steady_clock::now() + 100ms;
            bool left = false;
            while (!left && std::chrono::steady_clock::now() < until) {
                left = ::poll(&gone, 1, 5) > 0 && (gone.revents & POLLERR);
                if (!left)
                    std::this_thread::sleep_for(1ms);
            }
            if (!left)
                m_waited = true;
            // Closing gives a waiting reader the end of the file.
            ::close(fd);
        }
    }

    QByteArray m_path;
    bool m_made = false;
    std::atomic<bool> m_stop{false};
    std::atomic<bool> m_waited{false};
    std::thread m_thread;
};
