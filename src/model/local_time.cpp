#include "local_time.h"

#include "reminder.h"

#include <algorithm>
#include <array>

namespace {

constexpr qint64 day = 86400;

qint64 offsetAt(const QTimeZone& zone, qint64 utcSecs)
{
    return zone.offsetFromUtc(QDateTime::fromSecsSinceEpoch(utcSecs, Qt::UTC));
}

// The offsets the zone uses from two days before to two days after `wall`.
std::array<qint64, 5> offsetsAround(const QTimeZone& zone, qint64 wall)
{
    std::array<qint64, 5> offsets{};
    for (size_t i = 0; i < offsets.size(); ++i)
        offsets[i] = offsetAt(zone, wall + (static_cast<qint64>(i) - 2) * day);
    return offsets;
}

} // namespace

LocalTime::LocalTime(QDate date, const QTimeZone& zone)
    : m_zone(usableZone(zone)), m_date(date), m_valid(date.isValid())
{
    if (!m_valid)
        return;
    m_midnightWall = QDateTime(date, QTime(0, 0), Qt::UTC).toSecsSinceEpoch();
    const auto offsets = offsetsAround(m_zone, m_midnightWall + day / 2);
    if (std::all_of(offsets.begin(), offsets.end(), [&](qint64 o) { return o == offsets[0]; }))
        m_steadyOffset = offsets[0];
}

std::optional<qint64> LocalTime::resolveSecs(qint64 hour, qint64 minute) const
{
    if (!m_valid || hour < 0 || hour > 23 || minute < 0 || minute > 59)
        return std::nullopt;
    const qint64 wall = m_midnightWall + hour * 3600 + minute * 60;
    if (m_steadyOffset)
        return wall - *m_steadyOffset;
    return resolveAcrossChange(wall);
}

std::optional<qint64> LocalTime::dueSecs(const Reminder& reminder) const
{
    if (!reminder.enabled || !reminder.days.contains(weekday(m_date)) ||
        reminder.lastFired == dayKey(m_date))
        return std::nullopt;
    return resolveSecs(reminder.hour, reminder.minute);
}

QString LocalTime::dayKey(QDate date)
{
    return date.toString(u"yyyy-MM-dd");
}

int LocalTime::weekday(QDate date)
{
    return weekdayFromQt(date.dayOfWeek());
}

int LocalTime::weekdayFromQt(int qtDayOfWeek)
{
    return qtDayOfWeek % 7 + 1;
}

int LocalTime::qtDayOfWeek(int weekday)
{
    return (weekday + 5) % 7 + 1;
}

std::optional<qint64> LocalTime::resolveAcrossChange(qint64 wall) const
{
    // A real moment is the wall time minus the offset in force at that moment.
    const auto offsets = offsetsAround(m_zone, wall);
    std::optional<qint64> first;
    for (qint64 offset : offsets) {
        const qint64 candidate = wall - offset;
        if (offsetAt(m_zone, candidate) == offset && (!first || candidate < *first))
            first = candidate;
    }
    if (first)
        return first;

    // No offset fits: the time falls in a gap. The change lies between the
    // earliest and latest candidate; find the moment the offset changes.
    const auto [minIt, maxIt] = std::minmax_element(offsets.begin(), offsets.end());
    qint64 lo = wall - *maxIt;
    qint64 hi = wall - *minIt;
    const qint64 before = offsetAt(m_zone, lo);
    if (offsetAt(m_zone, hi) == before)
        return std::nullopt;
    while (hi - lo > 1) {
        const qint64 mid = lo + (hi - lo) / 2;
        if (offsetAt(m_zone, mid) == before)
            lo = mid;
        else
            hi = mid;
    }
    return hi;
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

QTimeZone LocalTime::usableZone(const QTimeZone& zone)
{
    return zone.isValid() ? zone : QTimeZone::utc();
}

std::optional<QDateTime> LocalTime::nextDue(const QList<Reminder>& reminders,
                                            const QDateTime& after, const QTimeZone& zone)
{
    const auto due = nextDueReminder(reminders, after, zone);
    return due ? std::optional(due->moment) : std::nullopt;
}

std::optional<LocalTime::Due> LocalTime::nextDueReminder(const QList<Reminder>& reminders,
                                                         const QDateTime& after,
                                                         const QTimeZone& zone)
{
    const QTimeZone usable = usableZone(zone);
    const qint64 afterMsecs = after.toMSecsSinceEpoch();
    const QDate today = dateOf(after, usable);
    // Day by day, because every moment of a day comes before the next day's.
    for (int i = 0; i <= 7; ++i) {
        const QDate date = today.addDays(i);
        const LocalTime localDay(date, usable);
        std::optional<qint64> earliest;
        qsizetype index = -1;
        for (qsizetype n = 0; n < reminders.size(); ++n) {
            const auto due = localDay.dueSecs(reminders.at(n));
            if (due && *due * 1000 > afterMsecs && (!earliest || *due < *earliest)) {
                earliest = due;
                index = n;
            }
        }
        if (earliest)
            return Due{QDateTime::fromSecsSinceEpoch(*earliest, Qt::UTC), index};
    }
    return std::nullopt;
}
