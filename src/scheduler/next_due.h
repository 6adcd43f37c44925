#pragma once

#include "model/reminder.h"

#include <QDateTime>
#include <QList>
#include <QTimeZone>

#include <optional>

// The reminder that rings next and when, as the Scheduler would ring it: an
// enabled reminder on one of its weekdays, at its time resolved for that day
// (DST gaps and repeated hours alike), later than `now`, and not on a day it
// has already fired.
struct NextDue {
    qsizetype index = -1; // position in the list
    QDateTime moment;
};

std::optional<NextDue> nextDue(const QList<Reminder>& reminders, const QDateTime& now,
                               const QTimeZone& zone);
