#pragma once

#include "copy_merger.h"
#include "list_change.h"
#include "merge_base.h"
#include "model/clock.h"
#include "model/reminder.h"
#include "reminder_file.h"

#include <QDateTime>
#include <QElapsedTimer>
#include <QHash>
#include <QList>
#include <QObject>
#include <QSet>
#include <QTimer>
#include <QUuid>

class UserDefaults;

// The one owner of the user's reminders and of the pause switch. Loads the
// reminders file when created and rewrites it whole after every change of
// the list, in the background: while one write is on its way the newest list
// waits, and the next write takes it. The file stays the truth: a change
// someone else makes to it is taken in, and a save made after one is applied
// on top of it. Another computer's version of the list, from a sync tool, is
// merged with this one from the point where the two went apart, and a sync
// tool's conflict copy is merged in and then removed. A failed save is tried
// again until one succeeds, and said meanwhile. The pause switch lives in the
// user defaults.
class Store : public QObject {
    Q_OBJECT

public:
    // folder holds reminders.json; it is created when missing.
    Store(const QString& folder, UserDefaults& defaults, const Clock& clock = Clock::system(),
          QObject* parent = nullptr);

    // The user's Store, created on first use from $XDG_DATA_HOME/Pendrel;
    // never deleted, as it watches its file for the whole run.
    static Store& shared();
    static QString standardFolder();

    const QList<Reminder>& reminders() const { return m_reminders; }
    // Replaces one element in place; an index outside the list is ignored.
    // Signals remindersReset rather than reminderChanged when the save took
    // in a file someone else changed.
    void setReminder(qsizetype index, const Reminder& reminder);
    // Position of the first reminder with this id, or -1.
    qsizetype indexOf(const QUuid& id) const;

    // Whether a pop-up of this reminder may still come back: it is in the
    // list, on, and nothing is paused.
    bool stillRings(const QUuid& id) const;

    bool paused() const { return m_paused; }
    void setPaused(bool paused);

    // Appends a new reminder five minutes from now, rounded down to five
    // minutes, and returns its id.
    QUuid add();
    // Removes every reminder with this id; saves even when none matched.
    void remove(const QUuid& id);
    // Puts a reminder back at a position (at the end when past it): undo.
    void insert(qsizetype index, const Reminder& reminder);

    QString filePath() const { return m_file.path(); }
    // Whether the last write reached the disk; saveError() says why not.
    bool lastSaveSucceeded() const { return m_saveError.isEmpty(); }
    QString saveError() const { return m_saveError; }
    // The file found at start could not be read and is not yet kept aside.
    bool holdsUnreadableFile() const { return m_file.holdsUnreadable(); }
    // Where an unreadable or overridden file was last kept, or empty.
    QString keptAside() const { return m_file.keptAside(); }
    // A reminder both computers changed in one field differently: its title,
    // and the copy next to the list that holds the other computer's values.
    struct Clash {
        QString title;
        QString keptIn;
    };
    QList<Clash> clashes() const { return m_clashes; }
    // Sync tools' conflict copies that could not be read as a reminders list;
    // they are left as they are.
    QStringList unreadableCopies() const { return m_copies.unreadable(); }

    // Waits up to `msecs` for the list to be on disk, trying once more if
    // the last write failed; false when it is not. For quitting.
    bool finishWrites(int msecs);

    static constexpr int firstRetryMsecs = 1000;
    static constexpr int lastRetryMsecs = 60'000;

Q_SIGNALS:
    void reminderChanged(qsizetype index);
    // One reminder came in at, or went from, this position. Signalled
    // instead when the save took in a file someone else changed.
    void reminderInserted(qsizetype index);
    void reminderRemoved(qsizetype index);
    void remindersReset();
    void pausedChanged(bool paused);
    // saveError(), holdsUnreadableFile(), keptAside(), clashes() or
    // unreadableCopies() changed.
    void safetyChanged();

private:
    // Saves the list after `change`; true when a change found in the file
    // replaced the list on the way.
    bool save(const ListChange& change);
    // Takes the file's list with the changes not yet saved on top; true
    // when that differs from the list.
    bool adopt(QList<Reminder> outside);
    // The file's list, merged with this one's from where the two went apart
    // when a sync tool's conflict copy says they did; recorded as the file's.
    QList<Reminder> mergedWithHistory(const QList<Reminder>& outside);
    // Takes in a merged list: the changes that make the list into it are
    // saved like any other.
    void takeMerged(const QList<Reminder>& merged);
    void noteClashes(const QList<ReminderMerge::Clash>& clashes, const QString& keptIn);
    // Merges the sync tools' conflict copies, one at a time.
    void mergeNextCopy();
    void onCopyMerged(const QString& copy, quint64 generation, const ReminderMerge::Result& result,
                      const QString& keptIn);
    void removeMergedCopies();
    void takeOutsideChange();
    void onTouched();
    // Writes the newest list, after taking in what changed in the file.
    bool writeNow();
    void onWritten(bool ok, const QString& error);
    void retry();

    UserDefaults& m_defaults;
    const Clock& m_clock;
    ReminderFile m_file;
    MergeBase m_base;
    CopyMerger m_copies;
    QList<Reminder> m_reminders;
    quint64 m_generation = 0; // counts the list's changes, for merges made meanwhile
    QList<ListChange> m_unsaved;
    bool m_paused = false;
    bool m_loading = true;
    bool m_dirty = false;          // changed since the last write began
    qsizetype m_writing = 0;       // how many of m_unsaved the write on its way holds
    QList<Reminder> m_writtenList; // what the write on its way holds
    QString m_saveError;
    QString m_lastKeptAside;
    QList<Clash> m_clashes;
    bool m_writeHoldsMerge = false;   // the next write holds what a merge took in
    bool m_writtenHoldsMerge = false; // the write on its way does
    QTimer m_retry;
    QElapsedTimer m_sinceWrite;
    static constexpr int ownTraceMsecs = 1000;
    int m_retryMsecs = firstRetryMsecs;
};
