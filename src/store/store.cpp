#include "store.h"

#include "atomic_file.h"
#include "conflict_copies.h"
#include "kept_copies.h"
#include "model/local_time.h"
#include "model/reminder_json.h"
#include "user_defaults.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QScopeGuard>
#include <QStandardPaths>

#include <algorithm>
#include <utility>

namespace {

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
      m_file(QDir(folder).filePath(QStringLiteral("reminders.json")), clock),
      m_base(MergeBase::standardPath(m_file.path())), m_copies(m_file.path())
{
    m_paused = m_defaults.value(UserDefaults::Key::Paused);
    AtomicFile::makeFolder(folder);
    auto loaded = m_file.load();
    m_base.load();
    m_reminders = loaded ? *loaded : QList<Reminder>{seedReminder()};
    if (loaded && (m_base.history().isEmpty() || m_base.history().latest() != *loaded)) {
        // Changed while Pendrel was not running: a sync tool may have brought
        // the other computer's version, with this one's as its conflict copy.
        m_reminders = mergedWithHistory(*loaded);
        m_unsaved = ListChange::between(*loaded, m_reminders);
        m_dirty = !m_unsaved.isEmpty();
    }
    m_loading = false;
    connect(&m_copies, &CopyMerger::merged, this, &Store::onCopyMerged);
    connect(&m_copies, &CopyMerger::finished, this, &Store::mergeNextCopy);
    connect(&m_copies, &CopyMerger::unreadableChanged, this, &Store::safetyChanged);
    QTimer::singleShot(0, this, [this] {
        if (m_dirty && !m_file.busy() && writeNow())
            Q_EMIT remindersReset();
        mergeNextCopy();
    });
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
    ++m_generation;
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
    m_writtenList = m_reminders;
    m_writtenHoldsMerge = std::exchange(m_writeHoldsMerge, false);
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
        m_base.record(m_writtenList, true, !m_writtenHoldsMerge);
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
    if (ok && !m_dirty && !m_file.busy())
        removeMergedCopies(); // the list on disk holds them now
}

void Store::retry()
{
    if (!m_file.busy() && writeNow())
        Q_EMIT remindersReset();
}

bool Store::finishWrites(int msecs)
{
    QDeadlineTimer deadline(msecs);
    const auto flushHistory =
        qScopeGuard([&] { m_base.flush(int(std::max<qint64>(0, deadline.remainingTime()))); });
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

QList<Reminder> Store::mergedWithHistory(const QList<Reminder>& outside)
{
    QList<Reminder> merged = outside;
    // A sync tool's conflict copy next to it: the file comes from another
    // computer that did not see what this one wrote since the two last
    // agreed. Merged from there, and where both changed a field, the file the
    // tool kept wins on both computers.
    if (!m_base.history().isEmpty() && m_copies.waiting()) {
        auto result = ReminderMerge::mergeLists(
            m_base.history().ancestorOf(outside, QFileInfo(m_file.path()).lastModified()),
            m_base.history().latest(), outside, ReminderMerge::Side::Theirs);
        const QString keptIn = KeptCopies::keepOthers(
            m_file.path(), LocalTime::wallClock(m_clock.now(), m_clock.zone()), result.clashes);
        // What gave way stays in the conflict copy until it can be kept.
        if (result.clashes.isEmpty() || !keptIn.isEmpty()) {
            merged = std::move(result.list);
            m_writeHoldsMerge = true;
            noteClashes(result.clashes, keptIn);
        }
    }
    m_base.record(outside, false);
    return merged;
}

bool Store::adopt(QList<Reminder> outside)
{
    QList<Reminder> merged = mergedWithHistory(outside);
    bool clean = true;
    for (const ListChange& change : std::as_const(m_unsaved))
        clean = change.applyTo(merged) && clean;
    // Nothing anyone wrote is lost: what had to be overridden is kept aside.
    if (!clean)
        m_file.keepAsideBeforeReplacing();
    // Whatever the file lacks is still to be saved.
    m_unsaved = ListChange::between(outside, merged);
    m_dirty = !m_unsaved.isEmpty();
    if (merged == m_reminders)
        return false;
    m_reminders = std::move(merged);
    ++m_generation;
    return true;
}

void Store::takeMerged(const QList<Reminder>& merged)
{
    m_writeHoldsMerge = true;
    m_unsaved.append(ListChange::between(m_reminders, merged));
    m_reminders = merged;
    ++m_generation;
    m_dirty = true;
    if (!m_file.busy())
        writeNow();
    Q_EMIT remindersReset();
}

void Store::noteClashes(const QList<ReminderMerge::Clash>& clashes, const QString& keptIn)
{
    if (clashes.isEmpty())
        return;
    for (const ReminderMerge::Clash& clash : clashes)
        m_clashes.append({clash.kept.shownTitle(), keptIn});
    Q_EMIT safetyChanged();
}

void Store::mergeNextCopy()
{
    // A sync tool puts the copy and the file it kept in place together: the
    // file is taken in first, knowing of the copy.
    takeOutsideChange();
    m_copies.start(m_base.history(), m_reminders,
                   LocalTime::wallClock(m_clock.now(), m_clock.zone()), m_generation);
}

void Store::onCopyMerged(const QString& copy, quint64 generation,
                         const ReminderMerge::Result& result, const QString& keptIn)
{
    if (generation != m_generation)
        return; // the list changed meanwhile: merged again with it
    if (!result.clashes.isEmpty() && keptIn.isEmpty()) {
        m_copies.leave(copy); // what would give way could not be kept
        return;
    }
    noteClashes(result.clashes, keptIn);
    m_copies.taken(copy);
    if (result.list != m_reminders)
        takeMerged(result.list);
    else if (!m_dirty && !m_file.busy())
        removeMergedCopies();
}

void Store::removeMergedCopies()
{
    // Only while the file holds the list: a missing or unreadable one does not.
    if (!m_file.holdsUnreadable() && QFileInfo::exists(m_file.path()))
        m_copies.removeMerged();
}

void Store::takeOutsideChange()
{
    const bool unreadable = m_file.holdsUnreadable();
    if (auto outside = m_file.outsideChange(); outside && adopt(std::move(*outside)))
        Q_EMIT remindersReset();
    if (m_file.holdsUnreadable() != unreadable)
        Q_EMIT safetyChanged();
    // A merge the file does not hold yet goes to it; what the file already
    // holds is never written back.
    if (m_dirty && !m_file.busy() && m_saveError.isEmpty() && writeNow())
        Q_EMIT remindersReset();
}

void Store::onTouched()
{
    mergeNextCopy();
    // The folder changed: perhaps what made saving fail is gone. Not for
    // the traces of the failed write itself, which arrive right after it.
    if (!m_saveError.isEmpty() && !m_file.busy() && m_sinceWrite.hasExpired(ownTraceMsecs) &&
        writeNow())
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
    m_defaults.set(UserDefaults::Key::Paused, paused);
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
