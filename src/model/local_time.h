#pragma once

#include <QDate>
#include <QDateTime>
#include <QTimeZone>

#include <QList>

#include <optional>

struct Reminder;

// One calendar day in a time zone, turning its wall-clock times into moments
// with daylight-saving changes resolved the same way everywhere: a time
// skipped by a forward change becomes the first moment after the gap, a time
// that occurs twice its first occurrence. Built from the zone's offsets alone,
// because QDateTime's own handling of gaps and repeated hours differs between
// Qt versions.
class LocalTime {
public:
    LocalTime(QDate date, const QTimeZone& zone);

    // The moment at hour:minute:00 on this day in seconds since the epoch, or
    // nothing when the values do not name a time of day.
    std::optional<qint64> resolveSecs(qint64 hour, qint64 minute) const;

    QDate date() const { return m_date; }
    // When the reminder falls due on this day, in seconds since the epoch:
    // only when it is on, this is one of its weekdays, it has not fired on
    // this day and its time is a time of day. The one rule the Scheduler
    // fires by and the next-ring search looks ahead by.
    std::optional<qint64> dueSecs(const Reminder& reminder) const;

    // A date as the text lastFired holds: "yyyy-MM-dd".
    static QString dayKey(QDate date);
    // The weekday of a date, 1 = Sunday to 7 = Saturday.
    static int weekday(QDate date);
    // From and to Qt's numbering, 1 = Monday to 7 = Sunday.
    static int weekdayFromQt(int qtDayOfWeek);
    static int qtDayOfWeek(int weekday);

    // The local date and time of a moment, as a QDateTime whose fields are the
    // wall-clock values (it is marked UTC, which carries no meaning here).
    static QDateTime wallClock(const QDateTime& moment, const QTimeZone& zone);
    // The local calendar date of a moment.
    static QDate dateOf(const QDateTime& moment, const QTimeZone& zone);

    // The zone to compute in: an unknown or invalid one is taken as UTC, as
    // the C library does, so reminders still ring on a misconfigured system.
    static QTimeZone usableZone(const QTimeZone& zone);

    // The first moment after `after` at which one of the reminders falls
    // due, by dueSecs(). Looks eight days ahead (today and a week); nothing
    // when none ever falls due.
    static std::optional<QDateTime> nextDue(const QList<Reminder>& reminders,
                                            const QDateTime& after, const QTimeZone& zone);
    // The same, with the reminder due then: of several, the first in the
    // list, as they ring.
    struct Due {
        QDateTime moment;
        qsizetype index;
    };
    static std::optional<Due> nextDueReminder(const QList<Reminder>& reminders,
                                              const QDateTime& after, const QTimeZone& zone);

private:
    std::optional<qint64> resolveAcrossChange(qint64 wall) const;

    QTimeZone m_zone;
    QDate m_date;
    bool m_valid;
    qint64 m_midnightWall = 0; // local midnight read as if it were UTC
    // The zone's offset when it does not change within two days of this day.
    std::optional<qint64> m_steadyOffset;
};
