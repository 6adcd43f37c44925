#pragma once

#include <QDateTime>
#include <QTimeZone>

// The current moment and the user's time zone. Everything that depends on
// "now" reads it through a Clock so tests can move time; the zone is read
// afresh at each call so a change of the system zone takes effect at once.
class Clock {
public:
    virtual ~Clock() = default;
    virtual QDateTime now() const;
    virtual QTimeZone zone() const;

    // The real clock and the system's zone.
    static const Clock& system();
};
