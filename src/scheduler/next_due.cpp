#include "next_due.h"

#include "model/local_time.h"

std::optional<NextDue> nextDue(const QList<Reminder>& reminders, const QDateTime& now,
                               const QTimeZone& zone)
{
    const QDate today = LocalTime::dateOf(now, zone);
    const QString todayKey = today.toString(u"yyyy-MM-dd");
    const qint64 nowSecs = now.toSecsSinceEpoch();
    std::optional<NextDue> next;
    // A week and a day: a weekly reminder whose time passed today comes round
    // again on the same weekday next week.
    for (qint64 offset = 0; offset <= 7 && !next; ++offset) {
        const QDate date = today.addDays(offset);
        const LocalTime day(date, zone);
        const qint64 weekday = date.dayOfWeek() % 7 + 1;
        for (qsizetype i = 0; i < reminders.size(); ++i) {
            const Reminder& r = reminders.at(i);
            if (!r.enabled || !r.days.contains(weekday) || (offset == 0 && r.lastFired == todayKey))
                continue;
            const auto due = day.resolveSecs(r.hour, r.minute);
            if (!due || *due <= nowSecs)
                continue;
            if (!next || *due < next->moment.toSecsSinceEpoch())
                next = NextDue{i, QDateTime::fromSecsSinceEpoch(*due, Qt::UTC)};
        }
    }
    return next;
}
