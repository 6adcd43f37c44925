#pragma once

#include <QObject>

// Tells when the computer has woken from sleep. It listens for systemd-logind's
// PrepareForSleep(false) on the system bus; where no system bus is reachable,
// it notices a sleep from the boot clock (which counts suspended time) running
// ahead of the monotonic clock (which does not) between two polls.
class WakeMonitor : public QObject {
    Q_OBJECT

public:
    using SuspendClock = double (*)();

    // listenOnBus false, or a different clock, only for tests.
    explicit WakeMonitor(bool listenOnBus = true, SuspendClock suspended = &suspendedSeconds,
                         QObject* parent = nullptr);

    // Called on every Scheduler tick; does the clock comparison when there is
    // no bus to listen to.
    void poll();

    // For tests: whether the system bus or the clocks tell of a suspend.
    bool listensOnBus() const { return m_onBus; }

    // Seconds the computer was suspended: CLOCK_BOOTTIME minus CLOCK_MONOTONIC.
    static double suspendedSeconds();

Q_SIGNALS:
    void resumed();

private Q_SLOTS:
    void onPrepareForSleep(bool sleeping);

private:
    SuspendClock m_suspended;
    bool m_onBus = false;
    double m_lastSuspended = 0;
};
