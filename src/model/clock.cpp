#include "clock.h"

#include "local_time.h"

QDateTime Clock::now() const
{
    return QDateTime::currentDateTimeUtc();
}

QTimeZone Clock::zone() const
{
    return LocalTime::usableZone(QTimeZone::systemTimeZone());
}

const Clock& Clock::system()
{
    static const Clock clock;
    return clock;
}
