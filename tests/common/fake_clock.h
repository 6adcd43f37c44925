#pragma once

#include "model/clock.h"

// A clock that stands still until a test moves it.
class FakeClock : public Clock {
public:
    explicit FakeClock(const QByteArray& zoneId = "Europe/Berlin") : m_zone(zoneId) {}

    QDateTime now() const override { return m_now; }
    QTimeZone zone() const override { return m_zone; }

    // Sets the clock to a wall-clock time in the clock's zone.
    void setLocal(QDate date, QTime time) { m_now = QDateTime(date, time, m_zone).toUTC(); }
    void setUtc(const QDateTime& moment) { m_now = moment.toUTC(); }
    void advance(qint64 seconds) { m_now = m_now.addSecs(seconds); }
    void setZone(const QByteArray& zoneId) { m_zone = QTimeZone(zoneId); }

private:
    QDateTime m_now = QDateTime::currentDateTimeUtc();
    QTimeZone m_zone;
};
