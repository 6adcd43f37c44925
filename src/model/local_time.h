#pragma once

#include <QDate>
#include <QDateTime>
#include <QTimeZone>

#include <optional>

// Wall-clock arithmetic in a time zone, with daylight-saving changes resolved
// the same way everywhere: a time skipped by a forward change becomes the
// first moment after the gap, a time that occurs twice its first occurrence.
// Built from the zone's offsets alone, because QDateTime's own handling of
// gaps and repeated hours differs between Qt versions.
class LocalTime {
public:
    // The moment at hour:minute:00 on the given local date, or nothing when
    // the values do not name a time of day.
    static std::optional<QDateTime> resolve(QDate date, qint64 hour, qint64 minute,
                                            const QTimeZone& zone);

    // The local date and time of a moment, as a QDateTime whose fields are the
    // wall-clock values (its own time spec is UTC and carries no meaning).
    static QDateTime wallClock(const QDateTime& moment, const QTimeZone& zone);

    // The local calendar date of a moment.
    static QDate dateOf(const QDateTime& moment, const QTimeZone& zone);

    // The weekday of a moment, 1 = Sunday to 7 = Saturday.
    static int weekdayOf(const QDateTime& moment, const QTimeZone& zone);
};
