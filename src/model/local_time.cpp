#include "local_time.h"

#include <algorithm>
#include <array>

namespace {

qint64 offsetAt(const QTimeZone& zone, qint64 utcSecs)
{
    return zone.offsetFromUtc(QDateTime::fromSecsSinceEpoch(utcSecs, Qt::UTC));
}

} // namespace

std::optional<QDateTime> LocalTime::resolve(QDate date, qint64 hour, qint64 minute,
                                            const QTimeZone& zone)
{
    if (!date.isValid() || !zone.isValid() || hour < 0 || hour > 23 || minute < 0 || minute > 59)
        return std::nullopt;

    // The wall-clock time read as if it were UTC; a real moment is this minus the offset.
    const qint64 wall =
        QDateTime(date, QTime(0, 0), Qt::UTC).toSecsSinceEpoch() + hour * 3600 + minute * 60;

    // Every offset the zone uses within two days of the wall time.
    constexpr qint64 day = 86400;
    std::array<qint64, 5> offsets{};
    for (size_t i = 0; i < offsets.size(); ++i)
        offsets[i] = offsetAt(zone, wall + (static_cast<qint64>(i) - 2) * day);

    std::optional<qint64> first;
    for (qint64 offset : offsets) {
        const qint64 candidate = wall - offset;
        if (offsetAt(zone, candidate) == offset && (!first || candidate < *first))
            first = candidate;
    }
    if (first)
        return QDateTime::fromSecsSinceEpoch(*first, Qt::UTC);

    // No offset fits: the time falls in a gap. The gap lies between the
    // earliest and latest candidate; find where the offset changes.
    const auto [minIt, maxIt] = std::minmax_element(offsets.begin(), offsets.end());
    qint64 lo = wall - *maxIt; // before the change
    qint64 hi = wall - *minIt; // after the change
    const qint64 before = offsetAt(zone, lo);
    if (offsetAt(zone, hi) == before)
        return std::nullopt;
    while (hi - lo > 1) {
        const qint64 mid = lo + (hi - lo) / 2;
        if (offsetAt(zone, mid) == before)
            lo = mid;
        else
            hi = mid;
    }
    return QDateTime::fromSecsSinceEpoch(hi, Qt::UTC);
}

QDateTime LocalTime::wallClock(const QDateTime& moment, const QTimeZone& zone)
{
    const qint64 msecs = moment.toMSecsSinceEpoch();
    const qint64 offset = offsetAt(zone, moment.toSecsSinceEpoch());
    return QDateTime::fromMSecsSinceEpoch(msecs + offset * 1000, Qt::UTC);
}

QDate LocalTime::dateOf(const QDateTime& moment, const QTimeZone& zone)
{
    return wallClock(moment, zone).date();
}

int LocalTime::weekdayOf(const QDateTime& moment, const QTimeZone& zone)
{
    // Qt counts Monday = 1 .. Sunday = 7; reminders count Sunday = 1 .. Saturday = 7.
    return dateOf(moment, zone).dayOfWeek() % 7 + 1;
}
