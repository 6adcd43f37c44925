// Starts the built pendrel program the way a user would, each time with a
// fresh home folder, the offscreen platform, and faketime where the clock matters.
#include "model/reminder_json.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

#include "common/files.h"
#include "common/pendrel_launch.h"

namespace {

struct Run {
    int exitCode = -1;
    bool finished = false;
    QByteArray out;
    QByteArray err;
};

constexpr const char* fakeTimeLibrary = PENDREL_FAKETIME_LIBRARY;

} // namespace

class TestEndToEnd : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init();
    void firstLaunchSnapshotsManagerAndWritesNoReminders();
    void loginStatusPrintsOneWordAndTouchesNothing();
    void demoSnapshotHasManagerAndPopup();
    void shortDelayHasManagerOnly();
    void missingFolderStillQuits();
    void snapshotAsLastArgumentKeepsRunning();
    void reminderDueTwentyMinutesAgoFires_data();
    void reminderDueTwentyMinutesAgoFires();
    void secondLaunchOpensTheFirstsManager_data();
    void secondLaunchOpensTheFirstsManager();
    void twoStartsAtOnceLeaveOne();
    void clockJumpsNeverFireTwice();
    void handEditWhileRunningSurvivesAndFires();

private:
    QProcessEnvironment environment() const;
    std::unique_ptr<QProcess> start(const QStringList& arguments, const QString& fakeTime = {});
    Run run(const QStringList& arguments, const QString& fakeTime = {}, int timeoutMsecs = 20000);
    QString home(const QString& relative) const { return m_home->path(relative); }
    QStringList snapshots() const;

    std::unique_ptr<PrivateHome> m_home;
    QString m_out;
    QString m_binary;
};

void TestEndToEnd::init()
{
    m_home = std::make_unique<PrivateHome>();
    m_out = home(QStringLiteral("shots"));
    QDir().mkpath(m_out);
    m_binary = QStringLiteral(PENDREL_BINARY);
}

QProcessEnvironment TestEndToEnd::environment() const
{
    return pendrelEnvironment(*m_home);
}

std::unique_ptr<QProcess> TestEndToEnd::start(const QStringList& arguments, const QString& fakeTime)
{
    auto process = std::make_unique<QProcess>();
    process->setWorkingDirectory(m_home->root());
    // Always a known moment, by default a Sunday noon when the seed reminder
    // is not due. The start-time form: the faked clock runs on, so Qt's timers work.
    const QString moment = fakeTime.isEmpty() ? QStringLiteral("2026-03-08 12:00:00") : fakeTime;
    // The faked clock is preloaded into Pendrel itself, not started through
    // the faketime wrapper, so the process held here, and stopped, is Pendrel.
    QProcessEnvironment env = environment();
    env.insert(QStringLiteral("LD_PRELOAD"), QString::fromLatin1(fakeTimeLibrary));
    env.insert(QStringLiteral("FAKETIME_DONT_FAKE_MONOTONIC"), QStringLiteral("1"));
    if (moment.startsWith(u"file:")) {
        // A file the library reads at every call: the test moves the clock.
        env.insert(QStringLiteral("FAKETIME_TIMESTAMP_FILE"), moment.sliced(5));
        env.insert(QStringLiteral("FAKETIME_NO_CACHE"), QStringLiteral("1"));
    } else {
        env.insert(QStringLiteral("FAKETIME"), QLatin1Char('@') + moment);
    }
    process->setProcessEnvironment(env);
    process->start(m_binary, arguments);
    process->waitForStarted(5000);
    return process;
}

Run TestEndToEnd::run(const QStringList& arguments, const QString& fakeTime, int timeoutMsecs)
{
    auto process = start(arguments, fakeTime);
    Run result;
    result.finished = process->waitForFinished(timeoutMsecs);
    if (!result.finished) {
        process->kill();
        process->waitForFinished(2000);
    }
    result.exitCode = process->exitCode();
    result.out = process->readAllStandardOutput();
    result.err = process->readAllStandardError();
    return result;
}

QStringList TestEndToEnd::snapshots() const
{
    return QDir(m_out).entryList({QStringLiteral("*.png")}, QDir::Files, QDir::Name);
}

void TestEndToEnd::firstLaunchSnapshotsManagerAndWritesNoReminders()
{
    QElapsedTimer timer;
    timer.start();
    const Run r = run({QStringLiteral("--snapshot"), m_out});
    QVERIFY(r.finished);
    QCOMPARE(r.exitCode, 0);
    QVERIFY(timer.elapsed() >= 2900);
    QCOMPARE(snapshots(), QStringList{QStringLiteral("manager.png")});
    QVERIFY(r.out.isEmpty());
    QVERIFY2(r.err.isEmpty(), r.err.constData());
    QSettings settings(home(QStringLiteral("config/Pendrel/Pendrel.conf")), QSettings::IniFormat);
    QVERIFY(settings.value(QStringLiteral("hasLaunched")).toBool());
    QVERIFY(readFile(home(QStringLiteral("config/autostart/pendrel.desktop")))
                .contains("Exec=\"" PENDREL_BINARY "\" --autostart\n"));
    QVERIFY(QDir(home(QStringLiteral("data/Pendrel"))).exists());
    QVERIFY(!QFile::exists(home(QStringLiteral("data/Pendrel/reminders.json"))));

    // Running again into the same folder replaces the picture.
    QFile::resize(m_out + QStringLiteral("/manager.png"), 0);
    QCOMPARE(run({QStringLiteral("--demo"), QStringLiteral("--snapshot"), m_out,
                  QStringLiteral("--snapshot-after"), QStringLiteral("0.2")})
                 .exitCode,
             0);
    QVERIFY(QFileInfo(m_out + QStringLiteral("/manager.png")).size() > 1000);
}

void TestEndToEnd::loginStatusPrintsOneWordAndTouchesNothing()
{
    const Run r = run({QStringLiteral("--demo"), QStringLiteral("--login-status"),
                       QStringLiteral("--snapshot"), m_out});
    QVERIFY(r.finished);
    QCOMPARE(r.exitCode, 0);
    QCOMPARE(r.out, QByteArray("notRegistered\n"));
    QVERIFY(snapshots().isEmpty());
    QVERIFY(!QFile::exists(home(QStringLiteral("config"))));
    QVERIFY(!QFile::exists(home(QStringLiteral("data"))));

    // --help and --version answer alone, whatever else is given, and start nothing.
    for (const char* option : {"--help", "--version"}) {
        const Run answer = run({QStringLiteral("--demo"), QString::fromLatin1(option)});
        QVERIFY(answer.finished);
        QCOMPARE(answer.exitCode, 0);
        QVERIFY(answer.out.startsWith(qstrcmp(option, "--help") == 0 ? "Usage: pendrel"
                                                                     : "pendrel 0."));
    }
    QVERIFY(!QFile::exists(home(QStringLiteral("config"))));
    QVERIFY(!QFile::exists(home(QStringLiteral("runtime/pendrel"))));

    // After a launch has registered Pendrel, the word changes.
    run({QStringLiteral("--snapshot"), m_out, QStringLiteral("--snapshot-after"),
         QStringLiteral("0")});
    QCOMPARE(run({QStringLiteral("--login-status")}).out, QByteArray("enabled\n"));
}

void TestEndToEnd::demoSnapshotHasManagerAndPopup()
{
    markLaunched(*m_home);
    const Run r = run({QStringLiteral("--demo"), QStringLiteral("--snapshot"), m_out});
    QCOMPARE(r.exitCode, 0);
    QCOMPARE(snapshots(),
             (QStringList{QStringLiteral("alert0.png"), QStringLiteral("manager.png")}));
    QImage popup(m_out + QStringLiteral("/alert0.png"));
    QCOMPARE(popup.size(), QSize(440, 240));
    QImage manager(m_out + QStringLiteral("/manager.png"));
    QCOMPARE(manager.size(), QSize(820, 700));
    QVERIFY(!QFile::exists(home(QStringLiteral("config/autostart/pendrel.desktop")))); // opted out
}

void TestEndToEnd::shortDelayHasManagerOnly()
{
    markLaunched(*m_home);
    const Run r = run({QStringLiteral("--snapshot-after"), QStringLiteral("0.5"),
                       QStringLiteral("--demo"), QStringLiteral("--snapshot"), m_out});
    QCOMPARE(r.exitCode, 0);
    QCOMPARE(snapshots(), QStringList{QStringLiteral("manager.png")});
}

void TestEndToEnd::missingFolderStillQuits()
{
    markLaunched(*m_home);
    const Run r = run({QStringLiteral("--demo"), QStringLiteral("--snapshot"),
                       home(QStringLiteral("no/such/folder")), QStringLiteral("--snapshot-after"),
                       QStringLiteral("1.5")});
    QVERIFY(r.finished);
    QCOMPARE(r.exitCode, 0);
    QVERIFY(r.err.isEmpty());
    QVERIFY(!QFile::exists(home(QStringLiteral("no"))));
}

void TestEndToEnd::snapshotAsLastArgumentKeepsRunning()
{
    markLaunched(*m_home);
    auto process = start(
        {QStringLiteral("--snapshot-after"), QStringLiteral("0"), QStringLiteral("--snapshot")});
    QVERIFY(!process->waitForFinished(4000));
    QCOMPARE(process->state(), QProcess::Running);
    process->terminate();
    QVERIFY(process->waitForFinished(5000));
}

void TestEndToEnd::reminderDueTwentyMinutesAgoFires_data()
{
    QTest::addColumn<bool>("audioPlugin");
    QTest::newRow("with its chime") << true;
    QTest::newRow("silently, without the audio plugin") << false;
}

void TestEndToEnd::reminderDueTwentyMinutesAgoFires()
{
    QFETCH(bool, audioPlugin);
    markLaunched(*m_home);
    if (!audioPlugin) { // a copy of the program alone in a folder
        m_binary = home(QStringLiteral("pendrel"));
        QVERIFY(QFile::copy(QStringLiteral(PENDREL_BINARY), m_binary));
    }
    QDir().mkpath(home(QStringLiteral("data/Pendrel")));
    const Reminder due{.title = QStringLiteral("Stand-up"), .hour = 8, .minute = 10, .days = {2}};
    const Reminder later{.title = QStringLiteral("Lunch"), .hour = 12, .minute = 0, .days = {2}};
    QFile file(home(QStringLiteral("data/Pendrel/reminders.json")));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(ReminderJson::encodeList({due, later}));
    file.close();

    // Monday 2026-03-09, 08:30 in Berlin.
    // As at login: no window opens by itself.
    const Run r = run({QStringLiteral("--autostart"), QStringLiteral("--snapshot"), m_out,
                       QStringLiteral("--snapshot-after"), QStringLiteral("1.5")},
                      QStringLiteral("2026-03-09 08:30:00"));
    QVERIFY(r.finished);
    QCOMPARE(r.exitCode, 0);
    QCOMPARE(snapshots(), QStringList{QStringLiteral("alert0.png")});
    const auto saved = ReminderJson::decodeList(readFile(file.fileName()));
    QVERIFY(saved);
    QCOMPARE(saved->at(0).lastFired, QStringLiteral("2026-03-09"));
    QVERIFY(saved->at(1).lastFired.isEmpty());
    QCOMPARE(r.err.contains("Chimes are silent"), !audioPlugin);
}

void TestEndToEnd::secondLaunchOpensTheFirstsManager_data()
{
    QTest::addColumn<QStringList>("second");
    QTest::addColumn<QStringList>("pictures");
    QTest::newRow("by the user") << QStringList() << QStringList{QStringLiteral("manager.png")};
    // Session restore and the autostart entry may both start it at login.
    QTest::newRow("at login") << QStringList{QStringLiteral("--autostart")} << QStringList();
}

void TestEndToEnd::secondLaunchOpensTheFirstsManager()
{
    markLaunched(*m_home);
    auto first = start({QStringLiteral("--autostart"), QStringLiteral("--snapshot"), m_out,
                        QStringLiteral("--snapshot-after"), QStringLiteral("5")});
    QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(home(QStringLiteral("runtime/pendrel/instance"))), 5000);
    QFETCH(QStringList, second);
    QFETCH(QStringList, pictures);
    const Run again = run(second);
    QVERIFY(again.finished);
    QCOMPARE(again.exitCode, 0);
    QVERIFY(first->waitForFinished(15000));
    QCOMPARE(first->exitCode(), 0);
    // The first one's manager window if the second asked for it; nothing else.
    QCOMPARE(snapshots(), pictures);
}

void TestEndToEnd::twoStartsAtOnceLeaveOne()
{
    markLaunched(*m_home);
    const QStringList arguments{QStringLiteral("--snapshot"), m_out,
                                QStringLiteral("--snapshot-after"), QStringLiteral("4")};
    QElapsedTimer timer;
    timer.start();
    auto a = start(arguments);
    auto b = start(arguments);
    // One hands over and leaves at once; the other runs on until its snapshot.
    QTRY_VERIFY_WITH_TIMEOUT(
        a->state() == QProcess::NotRunning || b->state() == QProcess::NotRunning, 10000);
    QVERIFY(timer.elapsed() < 3500);
    QVERIFY(a->state() == QProcess::Running || b->state() == QProcess::Running);
    const auto ended = [](QProcess* p) {
        return p->state() == QProcess::NotRunning || p->waitForFinished(15000);
    };
    QVERIFY(ended(a.get()) && ended(b.get()));
    QCOMPARE(a->exitCode(), 0);
    QCOMPARE(b->exitCode(), 0);
    QCOMPARE(snapshots(), QStringList{QStringLiteral("manager.png")});
}

void TestEndToEnd::clockJumpsNeverFireTwice()
{
    markLaunched(*m_home);
    QDir().mkpath(home(QStringLiteral("data/Pendrel")));
    const QString reminders = home(QStringLiteral("data/Pendrel/reminders.json"));
    QFile file(reminders);
    QVERIFY(file.open(QIODevice::WriteOnly));
    const QList<qint64> everyDay{1, 2, 3, 4, 5, 6, 7};
    file.write(ReminderJson::encodeList(
        {Reminder{.title = QStringLiteral("Morning"), .hour = 8, .minute = 10, .days = everyDay},
         Reminder{.title = QStringLiteral("Noon"), .hour = 12, .minute = 0, .days = everyDay}}));
    file.close();

    // The system clock, as a file the preloaded faketime library reads at
    // every call; the monotonic clock, which Qt's timers use, runs untouched.
    const QString clock = home(QStringLiteral("clock"));
    auto setClock = [&](const char* moment) {
        QFile f(clock);
        QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(QByteArray("@") + moment + "\n");
    };
    setClock("2026-03-09 08:15:00");
    auto process = start({QStringLiteral("--autostart"), QStringLiteral("--snapshot"), m_out,
                          QStringLiteral("--snapshot-after"), QStringLiteral("38")},
                         QStringLiteral("file:") + clock);

    // Count the saves by the file being replaced.
    int saves = 0;
    QDateTime seen;
    auto watchFor = [&](int msecs) {
        QElapsedTimer timer;
        timer.start();
        while (timer.elapsed() < msecs) {
            const QDateTime changed = QFileInfo(reminders).lastModified();
            if (changed != seen && QFileInfo(reminders).size() > 0) {
                saves += seen.isValid() ? 1 : 0;
                seen = changed;
            }
            QTest::qWait(100);
        }
    };
    seen = QFileInfo(reminders).lastModified();
    watchFor(3000); // the first tick fires Morning, five minutes late
    QCOMPARE(saves, 1);
    setClock("2026-03-09 07:15:00"); // an hour back
    watchFor(11000);
    setClock("2026-03-09 08:20:00"); // past 08:10 a second time the same day
    watchFor(11000);
    QCOMPARE(saves, 1);
    setClock("2026-03-10 08:20:00"); // a day ahead
    watchFor(11000);
    QVERIFY(saves >= 2); // one or two: the day skipped records Noon as well
    QVERIFY(process->state() == QProcess::NotRunning || process->waitForFinished(20000));
    QCOMPARE(process->exitCode(), 0);
    const auto saved = ReminderJson::decodeList(readFile(reminders));
    QCOMPARE(saved->at(0).lastFired, QStringLiteral("2026-03-10"));
    // The day skipped is recorded, and raises no storm of pop-ups.
    QCOMPARE(saved->at(1).lastFired, QStringLiteral("2026-03-09"));
    QCOMPARE(snapshots(), QStringList{QStringLiteral("alert0.png")});
}

void TestEndToEnd::handEditWhileRunningSurvivesAndFires()
{
    markLaunched(*m_home);
    const QString reminders = home(QStringLiteral("data/Pendrel/reminders.json"));
    const QList<qint64> everyDay{1, 2, 3, 4, 5, 6, 7};
    Reminder standUp{.title = QStringLiteral("Stand-up"), .hour = 8, .minute = 1, .days = everyDay};
    QVERIFY(writeFile(reminders, ReminderJson::encodeList({standUp})));

    // Half a minute before it is due, so the edit comes first even on a slow machine.
    auto process = start({QStringLiteral("--autostart"), QStringLiteral("--snapshot"), m_out,
                          QStringLiteral("--snapshot-after"), QStringLiteral("36")},
                         QStringLiteral("2026-03-09 08:00:35"));
    QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(home(QStringLiteral("runtime/pendrel/instance"))),
                             10000);
    QTest::qWait(1000);

    // As an editor saves: a new file renamed over the old one.
    standUp.note = QStringLiteral("Bring the notes");
    const Reminder dentist{
        .title = QStringLiteral("Dentist"), .hour = 8, .minute = 1, .days = everyDay};
    QVERIFY(replaceFile(reminders, ReminderJson::encodeList({standUp, dentist})));

    QVERIFY(process->waitForFinished(60000));
    QCOMPARE(process->exitCode(), 0);
    QCOMPARE(snapshots(),
             (QStringList{QStringLiteral("alert0.png"), QStringLiteral("alert1.png")}));
    const auto saved = ReminderJson::decodeList(readFile(reminders));
    QVERIFY(saved);
    QCOMPARE(saved->size(), 2);
    QCOMPARE(saved->at(0).note, standUp.note);
    QCOMPARE(saved->at(0).lastFired, QStringLiteral("2026-03-09"));
    QCOMPARE(saved->at(1).title, dentist.title);
    QCOMPARE(saved->at(1).lastFired, QStringLiteral("2026-03-09"));
    QVERIFY(QDir(home(QStringLiteral("data/Pendrel")))
                .entryList({QStringLiteral("reminders.json.*")}, QDir::Files)
                .isEmpty());
}

QTEST_GUILESS_MAIN(TestEndToEnd)
#include "tst_e2e.moc"
