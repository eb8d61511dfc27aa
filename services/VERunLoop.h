#pragma once

#include <QObject>
#include <QTimer>
#include <functional>

// Timers and the run loop, on Qt's event loop of the main thread.
namespace VERunLoop {

// Lets the run loop run for the given time (a nested event loop), then returns.
void runForSeconds(double seconds);

// Runs the action once after the given delay, unless the context object has been
// destroyed by then.
void performAfterDelay(QObject* context, double seconds, std::function<void()> action);

// A repeating timer owned by the context object; stopped and destroyed with it.
QTimer* scheduledRepeatingTimer(QObject* context, double seconds, std::function<void()> action);

// Milliseconds for a delay in seconds, rounded to the nearest.
int milliseconds(double seconds);

} // namespace VERunLoop
