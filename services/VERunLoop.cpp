#include "services/VERunLoop.h"

#include <QEventLoop>
#include <cmath>

namespace VERunLoop {

int milliseconds(double seconds)
{
    return static_cast<int>(std::lround(std::max(0.0, seconds) * 1000.0));
}

void runForSeconds(double seconds)
{
    QEventLoop loop;
    QTimer::singleShot(milliseconds(seconds), &loop, &QEventLoop::quit);
    loop.exec();
}

void performAfterDelay(QObject* context, double seconds, std::function<void()> action)
{
    QTimer::singleShot(milliseconds(seconds), context, std::move(action));
}

QTimer* scheduledRepeatingTimer(QObject* context, double seconds, std::function<void()> action)
{
    auto* timer = new QTimer(context);
    timer->setInterval(milliseconds(seconds));
    QObject::connect(timer, &QTimer::timeout, context, std::move(action));
    timer->start();
    return timer;
}

} // namespace VERunLoop
