#include "scheduler.h"

#include "model/local_time.h"
#include "store/store.h"
#include "wake_monitor.h"

#include <algorithm>
#include <climits>
#include <utility>

Scheduler::Scheduler(StoreAccess store, AlertSink alerts, const Clock& clock, WakeMonitor* wake,
                     QObject* parent)
    : QObject(parent), m_store(std::move(store)), m_alerts(std::move(alerts)), m_clock(clock),
      m_wake(wake), m_lastTick(clock.now().addSecs(-graceSeconds))
{
    // Precise: a coarse timer may run up to five per cent early or late.
    m_timer.setTimerType(Qt::PreciseTimer);
    m_timer.setInterval(tickMsecs);
    connect(&m_timer, &QTimer::timeout, this, &Scheduler::onTimer);
    m_dueTimer.setTimerType(Qt::PreciseTimer);
    m_dueTimer.setSingleShot(true);
    connect(&m_dueTimer, &QTimer::timeout, this, &Scheduler::tick);
}

Scheduler& Scheduler::shared()
{
    // Never deleted: timers and wake handling refer to it for the whole run.
    static Scheduler* scheduler = [] {
        auto* wake = new WakeMonitor;
        auto* created = new Scheduler(&Store::shared, {}, Clock::system(), wake);
        wake->setParent(created);
        return created;
    }();
    return *scheduler;
}

void Scheduler::start()
{
    m_timer.start();
    if (m_wake)
        connect(m_wake, &WakeMonitor::resumed, this, &Scheduler::onResumed, Qt::UniqueConnection);
    tick();
    // Connected only now: the first tick is what brings the Store up.
    Store& store = m_store();
    connect(&store, &Store::reminderChanged, this, &Scheduler::arm, Qt::UniqueConnection);
    connect(&store, &Store::reminderInserted, this, &Scheduler::arm, Qt::UniqueConnection);
    connect(&store, &Store::reminderRemoved, this, &Scheduler::arm, Qt::UniqueConnection);
    connect(&store, &Store::remindersReset, this, &Scheduler::arm, Qt::UniqueConnection);
    connect(&store, &Store::pausedChanged, this, &Scheduler::arm, Qt::UniqueConnection);
}

void Scheduler::onTimer()
{
    if (m_wake)
        m_wake->poll();
    tick();
}

void Scheduler::onResumed()
{
    QTimer::singleShot(wakeTickDelayMsecs, Qt::PreciseTimer, this, &Scheduler::tick);
}

void Scheduler::tick()
{
    m_ticking = true;
    fire();
    m_ticking = false;
    arm();
}

void Scheduler::arm()
{
    if (m_ticking) // the tick's own saves; it re-arms once when done
        return;
    m_dueTimer.stop();
    m_armedFor.reset();
    const Store& store = m_store();
    if (store.paused())
        return;
    const QDateTime now = m_clock.now();
    m_armedFor = LocalTime::nextDue(store.reminders(), now, m_clock.zone());
    if (!m_armedFor)
        return;
    // At most eight days ahead, well inside a timer's range; re-armed at
    // every tick, so a sleep or a clock change never leaves it stale.
    const qint64 wait = std::clamp<qint64>(now.msecsTo(*m_armedFor), 0, INT_MAX);
    m_dueTimer.start(static_cast<int>(wait));
}

void Scheduler::fire()
{
    const QDateTime now = m_clock.now();
    Store& store = m_store();
    if (store.paused()) {
        m_lastTick = now;
        Q_EMIT ticked();
        return;
    }
    const QTimeZone zone = LocalTime::usableZone(m_clock.zone());
    const QDate today = LocalTime::dateOf(now, zone);
    // Every local day the span touches, oldest first: a reminder at 23:55 is
    // still caught up after a sleep that ended past midnight. A span longer
    // than a week only marks what fell due, so a week is looked at at most.
    const QDate first = std::max(LocalTime::dateOf(m_lastTick, zone), today.addDays(-7));
    const Span span{m_lastTick.toMSecsSinceEpoch(), now.toMSecsSinceEpoch()};
    for (QDate date = first; date <= today; date = date.addDays(1))
        fireDay(store, LocalTime(date, zone), span);
    m_lastTick = now;
    Q_EMIT ticked();
}

void Scheduler::fireDay(Store& store, const LocalTime& day, Span span)
{
    const QString key = LocalTime::dayKey(day.date());
    // A save can take in the file as someone else changed it, which replaces
    // the list: the walk then starts over, passing what fired already.
    bool replaced = false;
    const auto watch =
        connect(&store, &Store::remindersReset, this, [&replaced] { replaced = true; });
    QList<QUuid> firedNow;
    bool again = false;

    // By position, over the positions that exist now; a pop-up never edits the list.
    qsizetype count = store.reminders().size();
    for (qsizetype i = 0; i < count && i < store.reminders().size(); ++i) {
        const Reminder& current = store.reminders().at(i);
        if (again && firedNow.contains(current.id))
            continue;
        const auto dueSecs = day.dueSecs(current);
        if (!dueSecs)
            continue;
        const qint64 due = *dueSecs * 1000;
        if (due <= span.afterMsecs || due > span.nowMsecs)
            continue;

        const Reminder shown = current; // the copy as read, before lastFired changes
        Reminder fired = shown;
        fired.lastFired = key;
        store.setReminder(i, fired);
        firedNow.append(fired.id);
        if (span.nowMsecs - due < graceSeconds * 1000 && m_alerts)
            m_alerts(shown);
        if (std::exchange(replaced, false)) {
            again = true;
            count = store.reminders().size();
            i = -1;
        }
    }
    disconnect(watch);
}
