#include "Clock.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QThread>

namespace platform {

int64_t milliseconds()
{
    static QElapsedTimer timer = [] {
        QElapsedTimer t;
        t.start();
        return t;
    }();
    return timer.elapsed();
}

void processPendingEvents()
{
    if (QCoreApplication::instance())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
}

void sleepMilliseconds(int64_t ms)
{
    if (ms > 0)
        QThread::msleep(static_cast<unsigned long>(ms));
}

} // namespace platform
