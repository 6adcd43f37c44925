#include "common/fake_clock.h"
#include "common/store_fixture.h"
#include "model/local_time.h"
#include "model/reminder_json.h"
#include "scheduler/scheduler.h"
#include "scheduler/wake_monitor.h"
#include "store/store.h"
#include "store/user_defaults.h"

#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

namespace {

// 2026-03-09 is a Monday (weekday 2).
const QDate monday(2026, 3, 9);

double g_suspended = 0;
double fakeSuspended()
{
    return g_suspended;
}

} // namespace

class TestScheduler : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init();
    void launchTwentyMinutesLateFires();
    void launchFortyMinutesLateDoesNot();
    void sleepRecordsOldAndShowsRecent_data();
    void sleepRecordsOldAndShowsRecent();
    void sleepAcrossMidnight_data();
    void sleepAcrossMidnight();
    void pausedFiresAndWritesNothing();
    void firedTodayBlocksUntilTomorrow();
    void noDaysOrDisabledNeverFire();
    void twoDueFireInListOrder();
    void handAddedAheadFiresInTheSameTick();
    void midnightFiresOnFirstTickOfTheDay();
    void daylightSavingChanges_data();
    void daylightSavingChanges();
    void zoneIsReadAtEveryTick();
    void wakeGivesOneExtraTick();
    void onTheMinute();

private:
    void makeStore(const QList<Reminder>& reminders)
    {
        m_store = &m_files->make(reminders, m_clock);
    }
    std::unique_ptr<Scheduler> makeScheduler();
    QList<Reminder> onDisk() const { return m_files->onDisk(); }

    std::unique_ptr<StoreFixture> m_files;
    Store* m_store = nullptr;
    FakeClock m_clock;
    QList<Reminder> m_shown;
};

void TestScheduler::init()
{
    m_files = std::make_unique<StoreFixture>();
    m_clock.setZone("Europe/Berlin");
    m_shown.clear();
}

std::unique_ptr<Scheduler> TestScheduler::makeScheduler()
{
    return std::make_unique<Scheduler>([this]() -> Store& { return *m_store; },
                                       [this](const Reminder& r) { m_shown << r; }, m_clock);
}

void TestScheduler::launchTwentyMinutesLateFires()
{
    const Reminder r{
        .hour = 8, .minute = 10, .days = {2}, .lastFired = QStringLiteral("2026-03-06")};
    makeStore({r});
    m_clock.setLocal(monday, QTime(8, 30));
    makeScheduler()->tick();
    QCOMPARE(m_shown.size(), 1);
    QCOMPARE(m_shown.first().lastFired, QStringLiteral("2026-03-06")); // the copy as it was read
    QCOMPARE(onDisk().first().lastFired, QStringLiteral("2026-03-09"));
}

void TestScheduler::launchFortyMinutesLateDoesNot()
{
    makeStore({Reminder{.hour = 8, .minute = 10, .days = {2}}});
    m_clock.setLocal(monday, QTime(8, 50));
    auto scheduler = makeScheduler();
    scheduler->tick();
    m_clock.advance(10);
    scheduler->tick();
    QVERIFY(m_shown.isEmpty());
    QVERIFY(m_store->reminders().first().lastFired.isEmpty());
    QVERIFY(onDisk().first().lastFired.isEmpty());
}

void TestScheduler::sleepRecordsOldAndShowsRecent_data()
{
    QTest::addColumn<QTime>("due");
    QTest::addColumn<QTime>("wake");
    QTest::addColumn<bool>("shown");
    QTest::newRow("100 minutes late") << QTime(6, 20) << QTime(8, 0) << false;
    QTest::newRow("15 minutes late") << QTime(7, 45) << QTime(8, 0) << true;
    QTest::newRow("exactly 1800 s") << QTime(7, 30) << QTime(8, 0) << false;
    QTest::newRow("1799 s") << QTime(7, 30) << QTime(7, 59, 59) << true;
}

void TestScheduler::sleepRecordsOldAndShowsRecent()
{
    QFETCH(QTime, due);
    QFETCH(QTime, wake);
    QFETCH(bool, shown);
    makeStore({Reminder{.hour = due.hour(), .minute = due.minute(), .days = {2}}});
    m_clock.setLocal(monday, QTime(6, 0));
    auto scheduler = makeScheduler();
    scheduler->tick();
    m_clock.setLocal(monday, wake); // asleep in between
    scheduler->tick();
    QCOMPARE(m_shown.size(), shown ? 1 : 0);
    QCOMPARE(onDisk().first().lastFired, QStringLiteral("2026-03-09"));
}

void TestScheduler::sleepAcrossMidnight_data()
{
    QTest::addColumn<QByteArray>("zone");
    QTest::addColumn<QTime>("due");
    QTest::addColumn<int>("weekday");
    QTest::addColumn<QDateTime>("asleep"); // UTC
    QTest::addColumn<QDateTime>("awake");  // UTC
    QTest::addColumn<bool>("shown");
    QTest::addColumn<QString>("lastFired");
    const QDateTime monday2350(monday, QTime(22, 50), Qt::UTC); // Berlin, UTC+1
    QTest::newRow("ten minutes late")
        << QByteArray("Europe/Berlin") << QTime(23, 55) << 2 << monday2350
        << monday2350.addSecs(900) << true << QStringLiteral("2026-03-09");
    QTest::newRow("an hour late") << QByteArray("Europe/Berlin") << QTime(23, 0) << 2
                                  << monday2350.addSecs(-3600) << monday2350.addSecs(1800) << false
                                  << QStringLiteral("2026-03-09");
    QTest::newRow("not on that weekday")
        << QByteArray("Europe/Berlin") << QTime(23, 55) << 3 << monday2350
        << monday2350.addSecs(900) << false << QString();
    // Havana springs forward at midnight: 23:50 to 01:10 is twenty minutes.
    QTest::newRow("clocks jump at midnight") << QByteArray("America/Havana") << QTime(23, 55) << 7
                                             << QDateTime(QDate(2026, 3, 8), QTime(4, 50), Qt::UTC)
                                             << QDateTime(QDate(2026, 3, 8), QTime(5, 10), Qt::UTC)
                                             << true << QStringLiteral("2026-03-07");
}

void TestScheduler::sleepAcrossMidnight()
{
    QFETCH(QByteArray, zone);
    QFETCH(QTime, due);
    QFETCH(int, weekday);
    QFETCH(QDateTime, asleep);
    QFETCH(QDateTime, awake);
    QFETCH(bool, shown);
    QFETCH(QString, lastFired);
    m_clock.setZone(zone);
    makeStore(
        {Reminder{.hour = due.hour(), .minute = due.minute(), .days = {weekday, weekday % 7 + 1}},
         Reminder{.title = QStringLiteral("early"),
                  .hour = 0,
                  .minute = 1,
                  .days = {1, 2, 3, 4, 5, 6, 7}}});
    m_clock.setUtc(asleep);
    auto scheduler = makeScheduler();
    scheduler->tick();
    m_clock.setUtc(awake);
    scheduler->tick();
    QCOMPARE(m_shown.size(), (shown ? 1 : 0) + 1);
    QCOMPARE(m_shown.last().title, QStringLiteral("early")); // the new day's own, after
    QCOMPARE(onDisk().first().lastFired, lastFired);
    // The same reminder still rings on the new day.
    m_clock.setLocal(LocalTime::dateOf(awake, m_clock.zone()), due.addSecs(60));
    scheduler->tick();
    QCOMPARE(m_shown.size(), (shown ? 1 : 0) + 2);
}

void TestScheduler::pausedFiresAndWritesNothing()
{
    makeStore({Reminder{.hour = 8, .minute = 10, .days = {2}}});
    m_store->setPaused(true);
    const QDateTime written = QFileInfo(m_store->filePath()).lastModified();
    QTest::qWait(20);
    m_clock.setLocal(monday, QTime(8, 0));
    auto scheduler = makeScheduler();
    scheduler->tick();
    m_clock.setLocal(monday, QTime(8, 15));
    scheduler->tick();
    QVERIFY(m_shown.isEmpty());
    QCOMPARE(QFileInfo(m_store->filePath()).lastModified(), written);
    QVERIFY(onDisk().first().lastFired.isEmpty());
    m_store->setPaused(false);
    m_clock.advance(10);
    scheduler->tick();
    QVERIFY(m_shown.isEmpty()); // what fell due during the pause stays unfired
    QCOMPARE(scheduler->lastTick(), m_clock.now());
}

void TestScheduler::firedTodayBlocksUntilTomorrow()
{
    makeStore({Reminder{
        .hour = 8, .minute = 10, .days = {2, 3}, .lastFired = QStringLiteral("2026-03-09")}});
    m_clock.setLocal(monday, QTime(8, 15));
    auto scheduler = makeScheduler();
    scheduler->tick();
    QVERIFY(m_shown.isEmpty());
    m_clock.setLocal(monday.addDays(1), QTime(8, 0));
    scheduler->tick();
    m_clock.setLocal(monday.addDays(1), QTime(8, 10));
    scheduler->tick();
    QCOMPARE(m_shown.size(), 1);
    scheduler->tick();
    QCOMPARE(m_shown.size(), 1);
}

void TestScheduler::noDaysOrDisabledNeverFire()
{
    makeStore({Reminder{.hour = 8, .minute = 10, .days = {}},
               Reminder{.hour = 8, .minute = 10, .days = {1, 2, 3, 4, 5, 6, 7}, .enabled = false},
               Reminder{.hour = 8, .minute = 10, .days = {0, 9, -2}},
               Reminder{.hour = 25, .minute = 10, .days = {2}}});
    m_clock.setLocal(monday, QTime(8, 15));
    makeScheduler()->tick();
    QVERIFY(m_shown.isEmpty());
}

void TestScheduler::twoDueFireInListOrder()
{
    makeStore(
        {Reminder{.title = QStringLiteral("second by time"), .hour = 8, .minute = 12, .days = {2}},
         Reminder{.title = QStringLiteral("off"), .hour = 8, .minute = 11, .enabled = false},
         Reminder{.title = QStringLiteral("first by time"), .hour = 8, .minute = 11, .days = {2}}});
    QSignalSpy saves(m_store, &Store::reminderChanged);
    m_clock.setLocal(monday, QTime(8, 13));
    makeScheduler()->tick();
    QCOMPARE(m_shown.size(), 2);
    QCOMPARE(m_shown[0].title, QStringLiteral("second by time"));
    QCOMPARE(m_shown[1].title, QStringLiteral("first by time"));
    QCOMPARE(saves.size(), 2);
    QCOMPARE(saves[0].first().value<qsizetype>(), 0);
    QCOMPARE(saves[1].first().value<qsizetype>(), 2);
}

void TestScheduler::handAddedAheadFiresInTheSameTick()
{
    const Reminder standUp{
        .title = QStringLiteral("Stand-up"), .hour = 8, .minute = 11, .days = {2}};
    makeStore({standUp});
    // Added by hand ahead of it; the first save of the tick finds it.
    const Reminder added{.title = QStringLiteral("Added"), .hour = 8, .minute = 12, .days = {2}};
    QFile file(m_files->filePath());
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(ReminderJson::encodeList({added, standUp}));
    file.close();
    m_clock.setLocal(monday, QTime(8, 13));
    makeScheduler()->tick();
    QCOMPARE(m_shown.size(), 2);
    QCOMPARE(m_shown[0].title, standUp.title);
    QCOMPARE(m_shown[1].title, added.title);
    for (const Reminder& r : onDisk())
        QCOMPARE(r.lastFired, QStringLiteral("2026-03-09"));
}

void TestScheduler::midnightFiresOnFirstTickOfTheDay()
{
    makeStore({Reminder{.hour = 0, .minute = 0, .days = {3}}});
    m_clock.setLocal(monday, QTime(23, 59, 55));
    auto scheduler = makeScheduler();
    scheduler->tick();
    QVERIFY(m_shown.isEmpty());
    m_clock.advance(10);
    scheduler->tick();
    QCOMPARE(m_shown.size(), 1);
    QCOMPARE(onDisk().first().lastFired, QStringLiteral("2026-03-10"));
}

void TestScheduler::daylightSavingChanges_data()
{
    QTest::addColumn<QByteArray>("zone");
    QTest::addColumn<QDate>("date");
    QTest::addColumn<int>("hour");
    QTest::addColumn<int>("minute");
    QTest::addColumn<QDateTime>("firesAt"); // UTC
    QTest::newRow("New York gap") << QByteArray("America/New_York") << QDate(2026, 3, 8) << 2 << 30
                                  << QDateTime(QDate(2026, 3, 8), QTime(7, 0), Qt::UTC);
    QTest::newRow("New York repeat") << QByteArray("America/New_York") << QDate(2026, 11, 1) << 1
                                     << 30 << QDateTime(QDate(2026, 11, 1), QTime(5, 30), Qt::UTC);
    QTest::newRow("Berlin gap") << QByteArray("Europe/Berlin") << QDate(2026, 3, 29) << 2 << 30
                                << QDateTime(QDate(2026, 3, 29), QTime(1, 0), Qt::UTC);
    QTest::newRow("Berlin repeat") << QByteArray("Europe/Berlin") << QDate(2026, 10, 25) << 2 << 30
                                   << QDateTime(QDate(2026, 10, 25), QTime(0, 30), Qt::UTC);
    QTest::newRow("Tokyo") << QByteArray("Asia/Tokyo") << QDate(2026, 3, 8) << 9 << 0
                           << QDateTime(QDate(2026, 3, 8), QTime(0, 0), Qt::UTC);
    QTest::newRow("Kolkata") << QByteArray("Asia/Kolkata") << QDate(2026, 3, 8) << 9 << 15
                             << QDateTime(QDate(2026, 3, 8), QTime(3, 45), Qt::UTC);
    QTest::newRow("unknown zone as UTC") << QByteArray("Nowhere/Atlantis") << QDate(2026, 3, 9) << 9
                                         << 0 << QDateTime(QDate(2026, 3, 9), QTime(9, 0), Qt::UTC);
    QTest::newRow("Adelaide gap") << QByteArray("Australia/Adelaide") << QDate(2026, 10, 4) << 2
                                  << 15 << QDateTime(QDate(2026, 10, 3), QTime(16, 30), Qt::UTC);
}

void TestScheduler::daylightSavingChanges()
{
    QFETCH(QByteArray, zone);
    QFETCH(QDate, date);
    QFETCH(int, hour);
    QFETCH(int, minute);
    QFETCH(QDateTime, firesAt);
    m_clock.setZone(zone);
    makeStore({Reminder{.hour = hour, .minute = minute, .days = {1, 2, 3, 4, 5, 6, 7}}});
    m_clock.setUtc(firesAt.addSecs(-15));
    // What the tray announces is the moment the ticks ring it.
    const auto announced = LocalTime::nextDue(m_store->reminders(), m_clock.now(), m_clock.zone());
    QVERIFY(announced);
    QCOMPARE(*announced, firesAt);
    auto scheduler = makeScheduler();
    scheduler->tick();
    QVERIFY(m_shown.isEmpty());
    m_clock.advance(10);
    scheduler->tick();
    QVERIFY2(m_shown.isEmpty(), "fired before its moment");
    m_clock.advance(10);
    scheduler->tick();
    QCOMPARE(m_shown.size(), 1);
    QCOMPARE(m_store->reminders().first().lastFired, date.toString(Qt::ISODate));
    // Ten-second ticks through the next three hours never fire it again.
    for (int i = 0; i < 3 * 360; ++i) {
        m_clock.advance(10);
        scheduler->tick();
    }
    QCOMPARE(m_shown.size(), 1);
    const auto after = LocalTime::nextDue(m_store->reminders(), m_clock.now(), m_clock.zone());
    QVERIFY(after && LocalTime::dateOf(*after, m_clock.zone()) == date.addDays(1));
}

void TestScheduler::zoneIsReadAtEveryTick()
{
    // 07:05 UTC: 08:05 in Berlin, 16:05 in Tokyo. A reminder at 16:00 fires
    // only once the zone has become Tokyo and the minute lies in the interval.
    makeStore({Reminder{.hour = 16, .minute = 0, .days = {2}}});
    m_clock.setUtc(QDateTime(monday, QTime(6, 59, 55), Qt::UTC));
    auto scheduler = makeScheduler();
    scheduler->tick();
    m_clock.setZone("Asia/Tokyo");
    m_clock.advance(10);
    scheduler->tick();
    QCOMPARE(m_shown.size(), 1);
    QCOMPARE(m_store->reminders().first().lastFired, QStringLiteral("2026-03-09"));
}

void TestScheduler::wakeGivesOneExtraTick()
{
    makeStore({});
    m_clock.setLocal(monday, QTime(9, 0));
    g_suspended = 0;
    WakeMonitor wake(false, &fakeSuspended);
    Scheduler scheduler([this]() -> Store& { return *m_store; }, {}, m_clock, &wake);
    QSignalSpy resumed(&wake, &WakeMonitor::resumed);
    scheduler.start();
    QCOMPARE(scheduler.lastTick(), m_clock.now()); // the immediate first tick

    wake.poll();
    QCOMPARE(resumed.size(), 0);
    g_suspended = 7200; // two hours asleep
    wake.poll();
    wake.poll();
    QCOMPARE(resumed.size(), 1);

    m_clock.advance(7200);
    QTest::qWait(Scheduler::wakeTickDelayMsecs - 500);
    QVERIFY(scheduler.lastTick() < m_clock.now());
    QTRY_COMPARE_WITH_TIMEOUT(scheduler.lastTick(), m_clock.now(), 2000);
}

void TestScheduler::onTheMinute()
{
    makeStore({Reminder{.hour = 8, .minute = 10, .days = {2}},
               Reminder{.hour = 9, .minute = 0, .days = {2}}});
    const auto at = [](QTime time) { return QDateTime(monday, time, QTimeZone("Europe/Berlin")); };
    m_clock.setLocal(monday, QTime(8, 0));
    Scheduler scheduler([this]() -> Store& { return *m_store; },
                        [this](const Reminder& r) { m_shown << r; }, m_clock);
    scheduler.start();
    QCOMPARE(scheduler.armedFor(), at(QTime(8, 10)));

    // Re-armed by an edit and by the pause switch.
    Reminder moved = m_store->reminders().at(0);
    moved.minute = 30;
    m_store->setReminder(0, moved);
    QCOMPARE(scheduler.armedFor(), at(QTime(8, 30)));
    m_store->setPaused(true);
    QVERIFY(!scheduler.armedFor());
    m_clock.setLocal(monday, QTime(8, 29, 59, 900));
    m_store->setPaused(false);
    QCOMPARE(scheduler.armedFor(), at(QTime(8, 30)));

    // The timer itself runs the tick, long before the ten-second one would.
    m_clock.setLocal(monday, QTime(8, 30));
    QTRY_COMPARE_WITH_TIMEOUT(m_shown.size(), 1, 2000);
    QCOMPARE(scheduler.armedFor(), at(QTime(9, 0)));
    scheduler.tick();
    m_clock.advance(10);
    scheduler.tick();
    QTest::qWait(200);
    QCOMPARE(m_shown.size(), 1);
    QCOMPARE(m_store->reminders().at(0).lastFired, QStringLiteral("2026-03-09"));
    replaceList(*m_store, {Reminder{.hour = 8, .minute = 45, .days = {2}}}); // a new list
    QCOMPARE(scheduler.armedFor(), at(QTime(8, 45)));
}

QTEST_GUILESS_MAIN(TestScheduler)
#include "tst_scheduler.moc"
