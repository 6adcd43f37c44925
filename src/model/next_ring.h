#pragma once

#include "reminder.h"

#include <QDateTime>
#include <QList>
#include <QLocale>
#include <QTimeZone>

// What rings next, snoozed pop-ups included, and how to tell the user when:
// the line of the tray's tooltip and of the manager window.
class NextRing {
public:
    struct Snooze {
        QDateTime ends;
        QString title; // as shown
    };

    // "Next: <title>, <when>", "Paused" or "No reminders on".
    static QString statusText(bool paused, const QList<Reminder>& reminders,
                              const QList<Snooze>& snoozes, const QDateTime& now,
                              const QTimeZone& zone, const QLocale& locale = QLocale());
    // "Today 16:45", "Tomorrow 08:10", the weekday within the coming week,
    // a date beyond it; in the locale's words and time format.
    static QString when(const QDateTime& moment, const QDateTime& now, const QTimeZone& zone,
                        const QLocale& locale = QLocale());
};
