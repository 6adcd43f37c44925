#pragma once

#include "model/reminder.h"

#include <QList>
#include <QUuid>

// One change made to the reminder list, kept until it is on disk so that it
// can be made again on top of the file as someone else left it.
struct ListChange {
    enum class Kind { Edit, Add, Remove };

    Kind kind = Kind::Edit;
    QUuid id = {};            // Edit, Remove
    qsizetype occurrence = 0; // Edit: which of several reminders with this id
    Reminder before = {};     // Edit: the reminder as it was
    Reminder after = {};      // Edit, Add
    qsizetype position = -1;  // Add: where it goes; at the end when outside the list

    static ListChange edit(const QList<Reminder>& list, qsizetype index, const Reminder& after);
    static ListChange add(const Reminder& added, qsizetype position = -1);
    static ListChange remove(const QUuid& id);
    // The changes that make `from` into `to`, for a list merged from elsewhere.
    static QList<ListChange> between(const QList<Reminder>& from, const QList<Reminder>& to);

    // Folds a later change of the same reminder into this one.
    bool absorb(const ListChange& later);
    // Makes the change on `list`. False when it could not be made without
    // overriding something else: an edited reminder that is gone or was
    // changed there in the same field.
    bool applyTo(QList<Reminder>& list) const;
};
