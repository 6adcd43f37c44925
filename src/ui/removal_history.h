#pragma once

#include "model/reminder.h"

#include <QList>
#include <QUuid>

#include <utility>

class Store;

// The reminders removed in the manager, latest last, each with the position
// it had, so that every removal can be undone for as long as Pendrel runs.
class RemovalHistory {
public:
    // Removes the reminder from the Store, remembering it; false when the
    // Store has no reminder with this id.
    bool remove(Store& store, const QUuid& id);
    // Puts the latest removal back where it was and returns its id; a
    // reminder the list holds again meanwhile (a synced copy) is not doubled.
    QUuid undo(Store& store);

    bool isEmpty() const { return m_removals.isEmpty(); }
    // The latest removal's reminder.
    const Reminder& latest() const { return m_removals.last().first().second; }

private:
    // One removal: every element that had its id, with its position.
    using Removal = QList<std::pair<qsizetype, Reminder>>;
    QList<Removal> m_removals;
};
