#include "list_change.h"

#include "reminder_merge.h"

#include <QHash>
#include <QSet>

#include <algorithm>

ListChange ListChange::edit(const QList<Reminder>& list, qsizetype index, const Reminder& after)
{
    const Reminder& before = list.at(index);
    qsizetype occurrence = 0;
    for (qsizetype i = 0; i < index; ++i)
        occurrence += list[i].id == before.id;
    return {.kind = Kind::Edit,
            .id = before.id,
            .occurrence = occurrence,
            .before = before,
            .after = after};
}

ListChange ListChange::add(const Reminder& added, qsizetype position)
{
    return {.kind = Kind::Add, .after = added, .position = position};
}

ListChange ListChange::remove(const QUuid& id)
{
    return {.kind = Kind::Remove, .id = id};
}

QList<ListChange> ListChange::between(const QList<Reminder>& from, const QList<Reminder>& to)
{
    QList<ListChange> changes;
    QSet<QUuid> kept;
    for (const Reminder& r : to)
        kept.insert(r.id);
    QSet<QUuid> removed;
    for (const Reminder& r : from) {
        if (!kept.contains(r.id) && !removed.contains(r.id)) {
            removed.insert(r.id);
            changes.append(remove(r.id));
        }
    }
    // Matched by id, not by place: a new order is not a change worth making
    // again on top of someone else's.
    const QList<ReminderMerge::Key> fromKeys = ReminderMerge::keysOf(from);
    QHash<ReminderMerge::Key, qsizetype> fromIndex;
    for (qsizetype i = 0; i < fromKeys.size(); ++i)
        fromIndex.insert(fromKeys[i], i);
    const QList<ReminderMerge::Key> toKeys = ReminderMerge::keysOf(to);
    for (qsizetype i = 0; i < to.size(); ++i) {
        const auto was = fromIndex.constFind(toKeys[i]);
        if (was == fromIndex.cend())
            changes.append(add(to[i], i));
        else if (!(from[*was] == to[i]))
            changes.append({.kind = Kind::Edit,
                            .id = to[i].id,
                            .occurrence = toKeys[i].second,
                            .before = from[*was],
                            .after = to[i]});
    }
    return changes;
}

bool ListChange::absorb(const ListChange& later)
{
    if (kind != Kind::Edit || later.kind != Kind::Edit || later.id != id ||
        later.occurrence != occurrence)
        return false;
    after = later.after;
    return true;
}

bool ListChange::applyTo(QList<Reminder>& target) const
{
    switch (kind) {
    case Kind::Add:
        // Made once: a file that already holds it keeps one.
        if (std::any_of(target.cbegin(), target.cend(),
                        [this](const Reminder& r) { return r.id == after.id; }))
            return true;
        if (position >= 0 && position <= target.size())
            target.insert(position, after);
        else
            target.append(after);
        return true;
    case Kind::Remove:
        target.removeIf([this](const Reminder& r) { return r.id == id; });
        return true;
    case Kind::Edit:
        break;
    }
    qsizetype seen = 0;
    for (Reminder& theirs : target) {
        if (theirs.id != id || seen++ != occurrence)
            continue;
        // Field by field, so that a change made there to another field stays.
        QList<Reminder::Field> clashes;
        theirs = ReminderMerge::mergeReminder(&before, after, theirs, ReminderMerge::Side::Ours,
                                              &clashes);
        return clashes.isEmpty();
    }
    // Removed there. A firing only records the day it rang, so the removal
    // stands; any other edit is the newer word on it and keeps the reminder.
    Reminder fired = before;
    fired.lastFired = after.lastFired;
    if (fired == after)
        return true;
    target.append(after);
    return false;
}
