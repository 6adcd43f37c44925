#include "wake_monitor.h"

#include <QDBusConnection>

#include <ctime>

namespace {

double seconds(clockid_t clock)
{
    timespec ts{};
    clock_gettime(clock, &ts);
    return static_cast<double>(ts.tv_sec) + static_cast<double>(ts.tv_nsec) / 1e9;
}

// Suspensions shorter than this are not worth a tick of their own; the
// regular tick is never more than ten seconds away.
constexpr double minimumSleep = 2.0;

} // namespace

WakeMonitor::WakeMonitor(bool listenOnBus, SuspendClock suspended, QObject* parent)
    : QObject(parent), m_suspended(suspended), m_lastSuspended(suspended())
{
    if (!listenOnBus)
        return;
    QDBusConnection bus = QDBusConnection::systemBus();
    if (bus.isConnected()) {
        m_onBus = bus.connect(
            QStringLiteral("org.freedesktop.login1"), QStringLiteral("/org/freedesktop/login1"),
            QStringLiteral("org.freedesktop.login1.Manager"), QStringLiteral("PrepareForSleep"),
            this, SLOT(onPrepareForSleep(bool)));
    }
}

void WakeMonitor::poll()
{
    const double suspended = m_suspended();
    const bool slept = suspended - m_lastSuspended >= minimumSleep;
    m_lastSuspended = suspended;
    if (slept && !m_onBus)
        Q_EMIT resumed();
}

double WakeMonitor::suspendedSeconds()
{
    return seconds(CLOCK_BOOTTIME) - seconds(CLOCK_MONOTONIC);
}

void WakeMonitor::onPrepareForSleep(bool sleeping)
{
    if (!sleeping)
        Q_EMIT resumed();
}
