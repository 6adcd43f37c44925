#pragma once

#include "model/reminder.h"
#include "reminder_merge.h"

#include <QByteArray>
#include <QDateTime>
#include <QList>

#include <optional>

// What the reminders file held over time, as this computer saw it: the list
// it holds now and the steps that led there. Another computer's version of
// the file shows which of those steps it had seen, and so from which list
// the two went apart. A plain value; nothing here reads or writes a file.
class ListHistory {
public:
    // Steps kept; typing in one field makes one step, not one per key.
    static constexpr qsizetype maxSteps = 500;

    bool isEmpty() const { return !m_started; }
    const QList<Reminder>& latest() const { return m_latest; }
    qsizetype steps() const { return m_steps.size(); }

    // The file now holds `list`: written here (`own`), or found there.
    // `evidence` is false for a list that holds what a merge took from the
    // other side: having it tells nothing of what the other side had seen.
    void record(const QList<Reminder>& list, bool own, bool evidence = true,
                const QDateTime& at = QDateTime::currentDateTimeUtc());
    // The latest list that `theirs` (last changed at `theirTime`) descends
    // from, as far as its content tells: what it holds of the steps since. A
    // change both sides may make alone, such as a firing on the same day,
    // tells nothing. A version older than all this history knows of, sharing
    // none of it, has no known ancestor: nothing then counts as removed.
    QList<Reminder> ancestorOf(const QList<Reminder>& theirs, const QDateTime& theirTime) const;

    QByteArray encode() const;
    static std::optional<ListHistory> decode(const QByteArray& bytes);

private:
    struct Change {
        ReminderMerge::Key key;
        std::optional<Reminder> before; // none: added
        std::optional<Reminder> after;  // none: removed
    };
    struct Step {
        QList<Change> changes;
        bool own = false;
        bool evidence = true;
        QDateTime at;
    };
    bool seenIn(qsizetype step, const QHash<ReminderMerge::Key, qsizetype>& index,
                const QList<Reminder>& theirs) const;
    bool existedBefore(qsizetype step, const ReminderMerge::Key& key) const;

    bool m_started = false;
    QDateTime m_since; // when the oldest state kept was the file's
    QList<Reminder> m_latest;
    QList<Step> m_steps; // oldest first
};
