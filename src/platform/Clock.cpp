#include "Clock.h"

#include <QCoreApplication>
#include <QElapsedTimer>

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

} // namespace platform
