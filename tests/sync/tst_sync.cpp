// Two computers sharing one reminders list through real Syncthing: two
// devices on 127.0.0.1, each with its own home and its own running Pendrel,
// sharing that Pendrel's data folder. Pausing the peer stands for a computer
// that is off.
#include "model/reminder_json.h"
#include "sync/syncthing_pair.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QTimeZone>
#include <QtTest>

#include <algorithm>
#include <array>
#include <cstdio>
#include <memory>
#include <optional>

#include "common/child_process.h"
#include "common/files.h"
#include "common/pendrel_launch.h"

namespace {

// One thing a user does on one computer, so many seconds into the case.
struct Step {
    enum Kind { Add, Remove, Rename, Fire };
    size_t side; // 0 or 1
    Kind kind;
    int at;
    QString title = {}; // added, removed or renamed
    QString to = {};    // the new name
};

constexpr const char* today = "2026-12-08";
const QTimeZone berlin("Europe/Berlin");
const QDateTime nine(QDate(2026, 12, 8), QTime(9, 0), berlin);
const QList<qint64> everyDay{1, 2, 3, 4, 5, 6, 7};
const QRegularExpression
    keptAside(QStringLiteral(R"(^reminders\.json\.conflict-\d{8}-\d{6}(-\d+)?$)"));

QStringList titles(const QList<Reminder>& reminders)
{
    QStringList names;
    for (const Reminder& r : reminders)
        names << r.title;
    names.sort();
    return names;
}

} // namespace

Q_DECLARE_METATYPE(QList<Step>)

class TestSync : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void cleanup();
    void editsMeetWhenTheComputersDo_data();
    void editsMeetWhenTheComputersDo();

private:
    QString list(size_t side) const { return m_homes[side]->remindersFile(); }
    QString folder(size_t side) const { return QFileInfo(list(side)).absolutePath(); }
    void startPendrel(size_t side);
    // The side's faked clock shows `fake` at the real moment `real`, and runs on.
    void setClock(size_t side, const QDateTime& fake, const QDateTime& real);
    void edit(const Step& step);
    std::optional<QList<Reminder>> read(size_t side) const;
    bool firedToday(size_t side) const;

    std::array<std::unique_ptr<PrivateHome>, 2> m_homes;
    std::array<std::unique_ptr<QProcess>, 2> m_pendrels;
    std::unique_ptr<SyncthingPair> m_pair;
};

void TestSync::cleanup()
{
    for (auto& pendrel : m_pendrels) {
        if (pendrel)
            stopProcess(*pendrel, 10000);
        pendrel.reset();
    }
    m_pair.reset();
    for (auto& home : m_homes)
        home.reset();
}

void TestSync::setClock(size_t side, const QDateTime& fake, const QDateTime& real)
{
    const double offset = double(real.msecsTo(fake)) / 1000;
    QVERIFY(writeFile(m_homes[side]->path(QStringLiteral("clock")),
                      QByteArray::number(offset, 'f', 3) + '\n'));
}

void TestSync::startPendrel(size_t side)
{
    const PrivateHome& home = *m_homes[side];
    markLaunched(home);
    QProcessEnvironment env = pendrelEnvironment(home);
    // Only Pendrel's clock is faked; both computers' clocks are read from a
    // file at every call, so the test moves them while they run.
    env.insert(QStringLiteral("LD_PRELOAD"), QStringLiteral(PENDREL_FAKETIME_LIBRARY));
    env.insert(QStringLiteral("FAKETIME_TIMESTAMP_FILE"), home.path(QStringLiteral("clock")));
    env.insert(QStringLiteral("FAKETIME_NO_CACHE"), QStringLiteral("1"));
    env.insert(QStringLiteral("FAKETIME_DONT_FAKE_MONOTONIC"), QStringLiteral("1"));
    setClock(side, nine.addSecs(-600), QDateTime::currentDateTime());
    auto& pendrel = m_pendrels[side];
    pendrel = std::make_unique<QProcess>();
    endWithTest(*pendrel);
    pendrel->setProcessEnvironment(env);
    pendrel->start(QStringLiteral(PENDREL_BINARY), {QStringLiteral("--autostart")});
    QVERIFY(pendrel->waitForStarted(10000));
    QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(home.path(QStringLiteral("runtime/pendrel/instance"))),
                             30000);
}

std::optional<QList<Reminder>> TestSync::read(size_t side) const
{
    return ReminderJson::decodeList(readFile(list(side)));
}

bool TestSync::firedToday(size_t side) const
{
    const auto reminders = read(side);
    return reminders && !reminders->isEmpty() &&
           reminders->first().lastFired == QLatin1String(today);
}

void TestSync::edit(const Step& step)
{
    auto reminders = read(step.side);
    QVERIFY(reminders);
    if (step.kind == Step::Add)
        reminders->append(Reminder{.title = step.title, .hour = 17, .minute = 30, .days = {3}});
    for (Reminder& r : *reminders) {
        if (step.kind == Step::Rename && r.title == step.title)
            r.title = step.to;
    }
    if (step.kind == Step::Remove)
        reminders->removeIf([&](const Reminder& r) { return r.title == step.title; });
    QVERIFY(replaceFile(list(step.side), ReminderJson::encodeList(*reminders)));
}

void TestSync::editsMeetWhenTheComputersDo_data()
{
    QTest::addColumn<bool>("online");
    QTest::addColumn<QList<Step>>("steps");
    // Every title both lists end with; for a clash, the two names either may keep.
    QTest::addColumn<QStringList>("expected");
    QTest::addColumn<QStringList>("clash");

    const QStringList all{QStringLiteral("Dentist"), QStringLiteral("Gym"),
                          QStringLiteral("Morning")};
    const QString dentist = QStringLiteral("Dentist");
    const QString gym = QStringLiteral("Gym");
    const QString six = QStringLiteral("Gym at six");
    const QString seven = QStringLiteral("Gym at seven");
    // Both computers ring Morning while apart, seconds apart: whose write
    // is later decides which whole file Syncthing keeps. Alone, the two
    // write the same bytes, which Syncthing takes for no clash at all.
    QTest::newRow("both fired while apart")
        << false << QList<Step>{{0, Step::Fire, 0}, {1, Step::Fire, 4}}
        << QStringList{QStringLiteral("Gym"), QStringLiteral("Morning")} << QStringList();
    QTest::newRow("added here, the other's firing later")
        << false << QList<Step>{{1, Step::Add, 0, dentist}, {1, Step::Fire, 4}, {0, Step::Fire, 8}}
        << all << QStringList();
    QTest::newRow("added here, this firing later")
        << false << QList<Step>{{1, Step::Add, 0, dentist}, {0, Step::Fire, 4}, {1, Step::Fire, 8}}
        << all << QStringList();
    QTest::newRow("deleted here, the other's firing later")
        << false << QList<Step>{{1, Step::Remove, 0, gym}, {1, Step::Fire, 4}, {0, Step::Fire, 8}}
        << QStringList{QStringLiteral("Morning")} << QStringList();
    QTest::newRow("deleted here, this firing later")
        << false << QList<Step>{{1, Step::Remove, 0, gym}, {0, Step::Fire, 4}, {1, Step::Fire, 8}}
        << QStringList{QStringLiteral("Morning")} << QStringList();
    QTest::newRow("renamed on both, the second one later")
        << false << QList<Step>{{0, Step::Rename, 0, gym, six}, {1, Step::Rename, 4, gym, seven}}
        << QStringList{QStringLiteral("Morning")} << QStringList{six, seven};
    QTest::newRow("renamed on both, the first one later")
        << false << QList<Step>{{1, Step::Rename, 0, gym, seven}, {0, Step::Rename, 4, gym, six}}
        << QStringList{QStringLiteral("Morning")} << QStringList{six, seven};
    // Within Syncthing's watcher delay, neither has the other's change yet.
    QTest::newRow("online, added five seconds before the other's firing")
        << true << QList<Step>{{1, Step::Add, 0, dentist}, {0, Step::Fire, 5}} << all
        << QStringList();
    QTest::newRow("online, added five seconds after the other's firing")
        << true << QList<Step>{{0, Step::Fire, 0}, {1, Step::Add, 5, dentist}} << all
        << QStringList();
}

void TestSync::editsMeetWhenTheComputersDo()
{
    QFETCH(bool, online);
    QFETCH(QList<Step>, steps);
    QFETCH(QStringList, expected);
    QFETCH(QStringList, clash);

    for (auto& home : m_homes)
        home = std::make_unique<PrivateHome>();
    // The list starts on one computer and reaches the other through Syncthing.
    QVERIFY(writeFile(
        list(0),
        ReminderJson::encodeList(
            {Reminder{.title = QStringLiteral("Morning"), .hour = 9, .minute = 0, .days = everyDay},
             Reminder{
                 .title = QStringLiteral("Gym"), .hour = 18, .minute = 0, .days = everyDay}})));
    QDir().mkpath(folder(1));
    SyncthingPair::Options options;
    // A rescan inside the watcher's delay would close the window that case is about.
    if (online)
        options.rescanSecs = 3600;
    m_pair = std::make_unique<SyncthingPair>(
        SyncthingPair::Side{m_homes[0]->path(QStringLiteral("config/syncthing")), folder(0)},
        SyncthingPair::Side{m_homes[1]->path(QStringLiteral("config/syncthing")), folder(1)},
        options);
    QVERIFY2(m_pair->start(), qPrintable(m_pair->error()));
    QVERIFY2(m_pair->waitInSync(), qPrintable(m_pair->error()));
    for (size_t side : {0UL, 1UL}) {
        startPendrel(side);
        if (QTest::currentTestFailed())
            return;
    }
    if (!online)
        QVERIFY2(m_pair->pause(), qPrintable(m_pair->error()));

    // A firing is set a tick and more ahead, when Pendrel has looked at
    // the moved clock and armed its timer for the minute.
    const bool fires =
        std::any_of(steps.begin(), steps.end(), [](const Step& s) { return s.kind == Step::Fire; });
    const QDateTime start = QDateTime::currentDateTime().addSecs(fires ? 16 : 0);
    for (const Step& step : steps) {
        if (step.kind == Step::Fire)
            setClock(step.side, nine, start.addSecs(step.at));
    }
    for (const Step& step : steps) {
        if (step.kind == Step::Fire)
            continue;
        QTest::qWait(
            int(std::max<qint64>(0, QDateTime::currentDateTime().msecsTo(start.addSecs(step.at)))));
        edit(step);
        if (QTest::currentTestFailed())
            return;
    }
    for (const Step& step : steps) {
        if (step.kind == Step::Fire)
            QTRY_VERIFY_WITH_TIMEOUT(firedToday(step.side), 60000);
    }
    if (!online) {
        // The row's order held: its last write is the newer file.
        const size_t last = steps.last().side;
        QVERIFY(QFileInfo(list(last)).lastModified() > QFileInfo(list(1 - last)).lastModified());
        QVERIFY2(m_pair->resume(), qPrintable(m_pair->error()));
    }
    QVERIFY2(m_pair->waitInSync(), qPrintable(m_pair->error()));

    // Both computers hold the same list, with every change either made.
    const QByteArray bytes = readFile(list(0));
    QCOMPARE(readFile(list(1)), bytes);
    const auto reminders = read(0);
    QVERIFY(reminders);
    const QStringList names = titles(*reminders);
    QString kept;
    for (const QString& name : clash) {
        if (names.contains(name))
            kept = name;
    }
    if (!clash.isEmpty()) {
        QVERIFY2(!kept.isEmpty(), qPrintable(names.join(u',')));
        expected.append(kept);
        expected.sort();
    }
    QCOMPARE(names.join(u','), expected.join(u','));
    if (fires)
        QCOMPARE(reminders->first().lastFired, QString::fromLatin1(today));

    // Nothing else is left in the folder but, after a clash, the other
    // name in a copy kept next to the list.
    QStringList others = QDir(folder(0)).entryList(QDir::Files);
    others.removeOne(QStringLiteral("reminders.json"));
    if (clash.isEmpty()) {
        QCOMPARE(others.join(u' '), QString());
    } else {
        const QString lost = kept == clash[0] ? clash[1] : clash[0];
        const bool keptAway = std::any_of(others.begin(), others.end(), [&](const QString& name) {
            return readFile(folder(0) + u'/' + name).contains(lost.toUtf8());
        });
        QVERIFY2(keptAway && others.filter(keptAside).size() == others.size(),
                 qPrintable(others.join(u' ')));
    }

    // Once in step, neither computer writes again: past the watcher's
    // delay, so a write on its way to the other side would have landed.
    const std::array<QDateTime, 2> modified{QFileInfo(list(0)).lastModified(),
                                            QFileInfo(list(1)).lastModified()};
    QTest::qWait((options.watcherDelaySecs + 3) * 1000);
    for (size_t side : {0UL, 1UL}) {
        QCOMPARE(readFile(list(side)), bytes);
        QCOMPARE(QFileInfo(list(side)).lastModified(), modified[side]);
        QCOMPARE(m_pendrels[side]->state(), QProcess::Running);
    }
}

QTEST_GUILESS_MAIN(TestSync)
#include "tst_sync.moc"
