#pragma once

#include "list_history.h"
#include "reminder_merge.h"

#include <QDateTime>
#include <QHash>
#include <QObject>
#include <QSet>
#include <QStringList>
#include <QThreadPool>

// Merges the conflict copies sync tools leave beside the reminders file into
// a list, one at a time and off the GUI thread (a copy of ten thousand
// reminders takes longer than a frame), and removes each once the list that
// holds it is on disk. Copies it cannot read, or cannot remove, are
// remembered as they were, so that none is tried again and again.
class CopyMerger : public QObject {
    Q_OBJECT

public:
    explicit CopyMerger(const QString& remindersPath, QObject* parent = nullptr);

    // Whether a copy waits that can be read, or may be.
    bool waiting() const;
    // Starts merging the next copy into `ours`, from where `history` says the
    // two went apart, unless one is on its way; false when there is none.
    bool start(const ListHistory& history, const QList<Reminder>& ours, const QDateTime& localNow,
               quint64 generation);
    // The copy's merge was taken in: it goes with the next removeMerged().
    void taken(const QString& copy);
    // The copy stays as it is, and is not merged again unless it changes.
    void leave(const QString& copy);
    // Removes the copies taken in; call once the file holds the list.
    void removeMerged();
    // Copies that could not be read as a reminders list, left as they are.
    QStringList unreadable() const { return m_unreadable.keys(); }
    // For quitting: waits up to `msecs` for a merge on its way.
    void waitForDone(int msecs) { m_worker.waitForDone(msecs); }

Q_SIGNALS:
    // A copy merged with the list of `generation`; `keptIn` holds what gave
    // way, when anything did (empty when that could not be written).
    void merged(const QString& copy, quint64 generation, const ReminderMerge::Result& result,
                const QString& keptIn);
    void unreadableChanged();
    // A merge on its way ended, taken or not; the next may start.
    void finished();

private:
    // A copy's size and time, to tell it from a later one of the same name.
    static QString identity(const QString& path);
    void onRead(const QString& copy, quint64 generation,
                const std::optional<ReminderMerge::Result>& result, const QString& keptIn);

    QString m_path;
    bool m_busy = false;
    QHash<QString, QString> m_unreadable; // by path, as they were
    QStringList m_taken;                  // removed once the list holding them is on disk
    QSet<QString> m_left;                 // as they were
    QThreadPool m_worker;                 // last: its destructor waits for a merge in progress
};
