#include "clock.h"

QDateTime Clock::now() const
{
    return QDateTime::currentDateTimeUtc();
}

QTimeZone Clock::zone() const
{
    return QTimeZone::systemTimeZone();
}

const Clock& Clock::system()
{
    static const Clock clock;
    return clock;
}
