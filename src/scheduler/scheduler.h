#pragma once

#include "model/clock.h"
#include "model/reminder.h"

#include <QDateTime>
#include <QObject>
#include <QTimer>

#include <functional>
#include <optional>

class LocalTime;
class Store;
class WakeMonitor;

// Decides when reminders fire. Every ten seconds, and three seconds after the
// computer wakes, it examines the time since the previous tick: each enabled
// reminder whose minute fell in that span on one of its weekdays, and that
// has not fired on that day, is recorded as fired on that day (the Store
// saves) and, when less than thirty minutes late, raised as a pop-up. Between ticks a
// single-shot timer is armed for the next moment a reminder falls due, so its
// pop-up comes on the minute; it runs an ordinary tick.
class Scheduler : public QObject {
    Q_OBJECT

public:
    using AlertSink = std::function<void(const Reminder&)>;
    using StoreAccess = std::function<Store&()>;

    static constexpr qint64 graceSeconds = 1800;
    static constexpr int tickMsecs = 10'000;
    static constexpr int wakeTickDelayMsecs = 3'000;

    // The Store is reached through `store` at the first tick, not before.
    Scheduler(StoreAccess store, AlertSink alerts, const Clock& clock = Clock::system(),
              WakeMonitor* wake = nullptr, QObject* parent = nullptr);

    // The application's Scheduler: the shared Store, the real clock and wake
    // detection. Pop-ups go wherever setAlertSink points them.
    static Scheduler& shared();
    void setAlertSink(AlertSink alerts) { m_alerts = std::move(alerts); }

    // Starts the ten-second timer and the wake handling, and ticks at once.
    void start();
    void tick();

    // For tests: the end of the span examined so far.
    QDateTime lastTick() const { return m_lastTick; }
    // The moment the on-the-minute timer is armed for, if it is armed.
    std::optional<QDateTime> armedFor() const { return m_armedFor; }

Q_SIGNALS:
    // After every tick, paused or not, for views that tell what comes next.
    void ticked();

private:
    void onTimer();
    void onResumed();
    // Re-arms the on-the-minute timer from the current list, pause and zone.
    void arm();
    // One examination of the time since the previous tick.
    void fire();
    // The span examined: after the previous tick, up to and including now.
    struct Span {
        qint64 afterMsecs;
        qint64 nowMsecs;
    };
    // What of that span falls on one local day fires, recorded as that day.
    void fireDay(Store& store, const LocalTime& day, Span span);

    StoreAccess m_store;
    AlertSink m_alerts;
    const Clock& m_clock;
    WakeMonitor* m_wake;
    QTimer m_timer;
    QTimer m_dueTimer;
    QDateTime m_lastTick;
    std::optional<QDateTime> m_armedFor;
    bool m_ticking = false;
};
