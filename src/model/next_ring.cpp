#include "next_ring.h"

#include "local_time.h"

#include <QCoreApplication>

QString NextRing::statusText(bool paused, const QList<Reminder>& reminders,
                             const QList<Snooze>& snoozes, const QDateTime& now,
                             const QTimeZone& zone, const QLocale& locale)
{
    if (paused)
        return QCoreApplication::translate("NextRing", "Paused");
    std::optional<QDateTime> moment;
    QString title;
    if (const auto due = LocalTime::nextDueReminder(reminders, now, zone)) {
        moment = due->moment;
        title = reminders.at(due->index).shownTitle();
    }
    for (const Snooze& snooze : snoozes) {
        if (snooze.ends > now && (!moment || snooze.ends < *moment)) {
            moment = snooze.ends;
            title = snooze.title;
        }
    }
    if (!moment)
        return QCoreApplication::translate("NextRing", "No reminders on");
    return QCoreApplication::translate("NextRing", "Next: %1, %2")
        .arg(oneLineText(title), when(*moment, now, zone, locale));
}

QString NextRing::when(const QDateTime& moment, const QDateTime& now, const QTimeZone& zone,
                       const QLocale& locale)
{
    const QTimeZone usable = LocalTime::usableZone(zone);
    const QDateTime wall = LocalTime::wallClock(moment, usable);
    const QString time = locale.toString(wall.time(), Reminder::shortTimeFormat(locale));
    const qint64 days = LocalTime::dateOf(now, usable).daysTo(wall.date());
    if (days == 0)
        return QCoreApplication::translate("NextRing", "Today %1").arg(time);
    if (days == 1)
        return QCoreApplication::translate("NextRing", "Tomorrow %1").arg(time);
    if (days > 1 && days < 7)
        return QCoreApplication::translate("NextRing", "%1 %2", "weekday and time")
            .arg(locale.dayName(wall.date().dayOfWeek(), QLocale::LongFormat), time);
    return QCoreApplication::translate("NextRing", "%1 %2", "date and time")
        .arg(locale.toString(wall.date(), QLocale::ShortFormat), time);
}
