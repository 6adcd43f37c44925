#pragma once

#include "model/reminder.h"

#include <QList>

#include <utility>

// How two versions of the reminder list that went apart from a common one
// come together again: what either side added stays, what either side
// removed stays removed, fields changed on different sides both apply, and a
// firing keeps the later day. Plain rules: nothing here reads or writes a file.
class ReminderMerge {
public:
    enum class Side { Ours, Theirs };
    // A reminder's place in a list: its id, and how many before it share that
    // id (hand-edited files may repeat one).
    using Key = std::pair<QUuid, qsizetype>;
    static QList<Key> keysOf(const QList<Reminder>& list);

    // A reminder both sides changed in one field to different values.
    struct Clash {
        Reminder kept;
        Reminder other; // the side whose values gave way, as it had the reminder
        QList<Reminder::Field> fields;
    };
    struct Result {
        QList<Reminder> list;
        QList<Clash> clashes;
    };

    // One reminder; `base` is null when both sides added it. Where both sides
    // changed a field differently, `winner`'s value stays and the field is
    // added to `clashes`.
    static Reminder mergeReminder(const Reminder* base, const Reminder& ours,
                                  const Reminder& theirs, Side winner,
                                  QList<Reminder::Field>* clashes = nullptr);

    // Whole lists, matched by id: the n-th of several reminders with one id
    // with the n-th. The result keeps the winner's order; a reminder only the
    // other side added follows the one it follows in that side's list.
    static Result mergeLists(const QList<Reminder>& base, const QList<Reminder>& ours,
                             const QList<Reminder>& theirs, Side winner);
};
