#include "reminder_merge.h"

#include <QHash>

#include <utility>
#include <vector>

namespace {

using Key = ReminderMerge::Key;

QHash<Key, qsizetype> indexOf(const QList<Key>& keys)
{
    QHash<Key, qsizetype> index;
    index.reserve(keys.size());
    for (qsizetype i = 0; i < keys.size(); ++i)
        index.insert(keys[i], i);
    return index;
}

// Setting a new time in the editor re-arms the reminder: its firing record
// goes with the time it was set for.
bool rearmed(const Reminder* base, const Reminder& side)
{
    return base && !side.sameField(Reminder::Field::Time, *base) &&
           !side.sameField(Reminder::Field::LastFired, *base);
}

} // namespace

QList<ReminderMerge::Key> ReminderMerge::keysOf(const QList<Reminder>& list)
{
    QHash<QUuid, qsizetype> seen;
    QList<Key> keys;
    keys.reserve(list.size());
    for (const Reminder& r : list)
        keys.append({r.id, seen[r.id]++});
    return keys;
}

Reminder ReminderMerge::mergeReminder(const Reminder* base, const Reminder& ours,
                                      const Reminder& theirs, Side winner,
                                      QList<Reminder::Field>* clashes)
{
    using Field = Reminder::Field;
    Reminder merged = ours;
    const Reminder& winning = winner == Side::Ours ? ours : theirs;
    for (const Field field : Reminder::fields()) {
        if (field == Field::LastFired || ours.sameField(field, theirs))
            continue;
        if (base && ours.sameField(field, *base)) {
            merged.copyField(field, theirs);
        } else if (!base || !theirs.sameField(field, *base)) {
            merged.copyField(field, winning);
            if (clashes)
                clashes->append(field);
        }
    }
    if (!ours.sameField(Field::LastFired, theirs)) {
        const bool oursArmed = rearmed(base, ours);
        const bool theirsArmed = rearmed(base, theirs);
        const Reminder* from = nullptr;
        if (oursArmed != theirsArmed)
            from = oursArmed ? &ours : &theirs;
        else if (oursArmed && !ours.sameField(Field::Time, theirs))
            from = &winning;
        else // Day keys sort as dates; the later firing is the one that happened.
            from = ours.lastFired > theirs.lastFired ? &ours : &theirs;
        merged.lastFired = from->lastFired;
    }
    return merged;
}

ReminderMerge::Result ReminderMerge::mergeLists(const QList<Reminder>& base,
                                                const QList<Reminder>& ours,
                                                const QList<Reminder>& theirs, Side winner)
{
    // The side that wins also gives the order, so that both computers, each
    // merging the other's version, write the same bytes.
    if (winner == Side::Theirs)
        return mergeLists(base, theirs, ours, Side::Ours);
    const QList<Key> baseKeys = keysOf(base);
    const QList<Key> ourKeys = keysOf(ours);
    const QList<Key> theirKeys = keysOf(theirs);
    const QHash<Key, qsizetype> inBase = indexOf(baseKeys);
    const QHash<Key, qsizetype> inOurs = indexOf(ourKeys);
    const QHash<Key, qsizetype> inTheirs = indexOf(theirKeys);

    // What only they added, filed behind the reminder of ours it follows
    // there (slot 0: before all of ours).
    std::vector<QList<Reminder>> addedAfter(size_t(ours.size()) + 1);
    qsizetype anchor = 0;
    for (qsizetype j = 0; j < theirs.size(); ++j) {
        const auto mine = inOurs.constFind(theirKeys[j]);
        if (mine != inOurs.cend())
            anchor = *mine + 1;
        else if (!inBase.contains(theirKeys[j]))
            addedAfter[size_t(anchor)].append(theirs[j]);
        // else: removed here, and stays removed
    }

    Result result;
    result.list.reserve(ours.size() + theirs.size());
    result.list.append(addedAfter[0]);
    for (qsizetype i = 0; i < ours.size(); ++i) {
        const auto other = inTheirs.constFind(ourKeys[i]);
        const auto was = inBase.constFind(ourKeys[i]);
        const Reminder* common = was == inBase.cend() ? nullptr : &base[*was];
        if (other != inTheirs.cend()) {
            const Reminder& their = theirs[*other];
            QList<Reminder::Field> fields;
            Reminder merged = mergeReminder(common, ours[i], their, winner, &fields);
            if (!fields.isEmpty())
                result.clashes.append(
                    {merged, winner == Side::Ours ? their : ours[i], std::move(fields)});
            result.list.append(std::move(merged));
        } else if (!common) {
            result.list.append(ours[i]); // added here
        }                                // else removed there, and stays removed
        result.list.append(addedAfter[size_t(i) + 1]);
    }
    return result;
}
