#include "store.h"

#include "model/local_time.h"
#include "model/reminder_json.h"
#include "user_defaults.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QStandardPaths>

#include <algorithm>
#include <utility>

namespace {

const QString pausedKey = QStringLiteral("paused");

// The texts Pendrel writes into a new reminder are in the user's language;
// once saved they are the reminder's own and never change with the locale.
Reminder seedReminder()
{
    return Reminder{
        .title = QCoreApplication::translate("Store", "Take attendance"),
        .note = QCoreApplication::translate("Store", "Good morning! Time to take attendance."),
    };
}

} // namespace

Store::Store(const QString& folder, UserDefaults& defaults, const Clock& clock, QObject* parent)
    : QObject(parent), m_defaults(defaults), m_clock(clock),
      m_file(QDir(folder).filePath(QStringLiteral("reminders.json")), clock)
{
    m_paused = m_defaults.boolValue(pausedKey);
    QDir().mkpath(folder);
    auto loaded = m_file.load();
    m_reminders = loaded ? std::move(*loaded) : QList<Reminder>{seedReminder()};
    m_loading = false;
    connect(&m_file, &ReminderFile::touched, this, &Store::onTouched);
    connect(&m_file, &ReminderFile::written, this, &Store::onWritten);
    m_retry.setSingleShot(true);
    connect(&m_retry, &QTimer::timeout, this, &Store::retry);
}

Store& Store::shared()
{
    static Store* store = new Store(standardFolder(), UserDefaults::standard());
    return *store;
}

QString Store::standardFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
           QStringLiteral("/Pendrel");
}

bool Store::save(const ListChange& change)
{
    if (m_loading)
        return false;
    // A change already on its way to the disk takes nothing more in.
    if (m_unsaved.size() <= m_writing || !m_unsaved.last().absorb(change))
        m_unsaved.append(change);
    m_dirty = true;
    // A write on its way takes the newest list when it ends.
    if (m_file.busy())
        return false;
    return writeNow();
}

bool Store::writeNow()
{
    // Checked at every write: a change the watcher has not reported yet is
    // taken in rather than overwritten.
    bool replaced = false;
    if (auto outside = m_file.outsideChange())
        replaced = adopt(std::move(*outside));
    m_dirty = false;
    m_writing = m_unsaved.size();
    m_file.startWrite(m_reminders);
    return replaced;
}

void Store::onWritten(bool ok, const QString& error)
{
    const QString before = m_saveError;
    m_sinceWrite.start();
    // What that write held is on disk; only later changes are still to be
    // made again on top of a file someone else changes.
    const qsizetype written = std::exchange(m_writing, 0);
    if (ok) {
        m_saveError.clear();
        m_retry.stop();
        m_retryMsecs = firstRetryMsecs;
        m_unsaved.remove(0, std::min(written, m_unsaved.size()));
    } else {
        m_saveError = error.isEmpty() ? QStringLiteral("?") : error;
        m_dirty = true;
        m_retry.start(m_retryMsecs);
        m_retryMsecs = std::min(m_retryMsecs * 2, lastRetryMsecs);
    }
    if (m_saveError != before || m_file.keptAside() != m_lastKeptAside) {
        m_lastKeptAside = m_file.keptAside();
        Q_EMIT safetyChanged();
    }
    // What changed meanwhile, in the file or here.
    takeOutsideChange();
    if (ok && m_dirty && writeNow())
        Q_EMIT remindersReset();
}

void Store::retry()
{
    if (!m_file.busy() && writeNow())
        Q_EMIT remindersReset();
}

bool Store::finishWrites(int msecs)
{
    QDeadlineTimer deadline(msecs);
    bool tried = false;
    for (;;) {
        if (m_file.busy()) {
            if (!m_file.waitForWrite(int(std::max<qint64>(0, deadline.remainingTime()))))
                return false;
            continue;
        }
        if (!m_dirty)
            return true;
        if (tried || deadline.hasExpired())
            return false;
        tried = true;
        m_retry.stop();
        writeNow();
    }
}

bool Store::adopt(QList<Reminder> outside)
{
    bool clean = true;
    for (const ListChange& change : std::as_const(m_unsaved))
        clean = change.applyTo(outside) && clean;
    // Nothing anyone wrote is lost: what had to be overridden is kept aside.
    if (!clean)
        m_file.keepAsideBeforeReplacing();
    if (outside == m_reminders)
        return false;
    m_reminders = std::move(outside);
    return true;
}

void Store::takeOutsideChange()
{
    // Taken in, never written back: the file already holds it.
    const bool unreadable = m_file.holdsUnreadable();
    if (auto outside = m_file.outsideChange(); outside && adopt(std::move(*outside)))
        Q_EMIT remindersReset();
    if (m_file.holdsUnreadable() != unreadable)
        Q_EMIT safetyChanged();
}

void Store::onTouched()
{
    takeOutsideChange();
    // The folder changed: perhaps what made saving fail is gone. Not for
    // the traces of the failed write itself, which arrive right after it.
    if (!m_saveError.isEmpty() && !m_file.busy() && m_sinceWrite.hasExpired(ownTraceMsecs) &&
        writeNow())
        Q_EMIT remindersReset();
}

void Store::setReminders(const QList<Reminder>& reminders)
{
    m_reminders = reminders;
    save(ListChange::replace(reminders));
    Q_EMIT remindersReset();
}

void Store::setReminder(qsizetype index, const Reminder& reminder)
{
    if (index < 0 || index >= m_reminders.size())
        return;
    const ListChange change = ListChange::edit(m_reminders, index, reminder);
    m_reminders[index] = reminder;
    if (save(change))
        Q_EMIT remindersReset();
    else
        Q_EMIT reminderChanged(index);
}

qsizetype Store::indexOf(const QUuid& id) const
{
    for (qsizetype i = 0; i < m_reminders.size(); ++i) {
        if (m_reminders[i].id == id)
            return i;
    }
    return -1;
}

bool Store::stillRings(const QUuid& id) const
{
    const qsizetype index = indexOf(id);
    return !m_paused && index >= 0 && m_reminders[index].enabled;
}

void Store::setPaused(bool paused)
{
    m_paused = paused;
    m_defaults.setBool(pausedKey, paused);
    Q_EMIT pausedChanged(paused);
}

QUuid Store::add()
{
    const QTime in5 = LocalTime::wallClock(m_clock.now().addSecs(300), m_clock.zone()).time();
    Reminder reminder{
        .title = QCoreApplication::translate("Store", "New reminder"),
        .hour = in5.hour(),
        .minute = in5.minute() / 5 * 5,
        .sound = QStringLiteral("Ping"),
    };
    m_reminders.append(reminder);
    if (save(ListChange::add(reminder)))
        Q_EMIT remindersReset();
    else
        Q_EMIT reminderInserted(m_reminders.size() - 1);
    return reminder.id;
}

void Store::insert(qsizetype index, const Reminder& reminder)
{
    const qsizetype at = index >= 0 && index <= m_reminders.size() ? index : m_reminders.size();
    m_reminders.insert(at, reminder);
    if (save(ListChange::add(reminder, at)))
        Q_EMIT remindersReset();
    else
        Q_EMIT reminderInserted(at);
}

void Store::remove(const QUuid& id)
{
    QList<qsizetype> gone;
    for (qsizetype i = m_reminders.size() - 1; i >= 0; --i) {
        if (m_reminders[i].id == id) {
            m_reminders.removeAt(i);
            gone.append(i);
        }
    }
    if (save(ListChange::remove(id))) {
        Q_EMIT remindersReset();
        return;
    }
    // Last first, so each position is still right when it is told.
    for (qsizetype index : std::as_const(gone))
        Q_EMIT reminderRemoved(index);
}
