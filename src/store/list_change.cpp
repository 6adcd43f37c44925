#include "list_change.h"

#include "model/reminder_json.h"

#include <QCborValue>

#include <algorithm>

namespace {

// Exact, where comparing JSON numbers would go through doubles.
bool same(const QJsonValue& a, const QJsonValue& b)
{
    return QCborValue::fromJsonValue(a) == QCborValue::fromJsonValue(b);
}

} // namespace

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

ListChange ListChange::replace(const QList<Reminder>& list)
{
    return {.kind = Kind::Replace, .list = list};
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
    case Kind::Replace:
        target = list;
        return false;
    case Kind::Edit:
        break;
    }
    qsizetype seen = 0;
    for (Reminder& theirs : target) {
        if (theirs.id != id || seen++ != occurrence)
            continue;
        // Field by field, so that a change made there to another field stays.
        const QJsonObject was = ReminderJson::toObject(before);
        const QJsonObject now = ReminderJson::toObject(after);
        QJsonObject merged = ReminderJson::toObject(theirs);
        bool clean = true;
        for (auto it = now.begin(); it != now.end(); ++it) {
            if (same(it.value(), was.value(it.key())))
                continue;
            const QJsonValue other = merged.value(it.key());
            clean = clean && (same(other, was.value(it.key())) || same(other, it.value()));
            merged.insert(it.key(), it.value());
        }
        theirs = *ReminderJson::fromValue(merged);
        return clean;
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
