#include "common/fake_clock.h"
#include "common/store_fixture.h"
#include "model/reminder_json.h"
#include "store/conflict_copies.h"
#include "store/reminder_merge.h"
#include "store/store.h"
#include "store/user_defaults.h"

#include <QDir>
#include <QFile>
#include <QPointer>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include "common/files.h"

#include <csignal>
#include <cstdio>
#include <sys/resource.h>
#include <sys/stat.h>

namespace {

QStringList corruptCopies(const QString& folder)
{
    return QDir(folder).entryList({QStringLiteral("reminders.json.corrupt-*")}, QDir::Files);
}

QString titles(const QList<Reminder>& list)
{
    QStringList out;
    for (const Reminder& r : list)
        out << r.title;
    return out.join(u',');
}

// A list as the rows below spell it: each reminder as its title, then
// "/note" when it has one, "@HH:MM" when not 08:10, "!day" when it fired.
QString spelled(const QList<Reminder>& list)
{
    QStringList out;
    for (const Reminder& r : list) {
        QString text = r.title;
        if (!r.note.isEmpty())
            text += u'/' + r.note;
        if (r.hour != 8 || r.minute != 10)
            text += QStringLiteral("@%1:%2")
                        .arg(r.hour, 2, 10, QChar(u'0'))
                        .arg(r.minute, 2, 10, QChar(u'0'));
        if (!r.lastFired.isEmpty())
            text += u'!' + r.lastFired;
        out << text;
    }
    return out.join(u',');
}

// Lowers the largest file this process may write, so writes fail honestly
// with EFBIG as on a full disk.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        std::signal(SIGXFSZ, SIG_IGN);
        getrlimit(RLIMIT_FSIZE, &m_saved);
        rlimit limit = m_saved;
        limit.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit() { setrlimit(RLIMIT_FSIZE, &m_saved); }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    rlimit m_saved{};
};

} // namespace

class TestStore : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init();
    void firstRunSeedsWithoutWriting();
    void emptyArrayIsEmptyList();
    void badSecondElementGivesSeedAndKeepsCopy();
    void hostileFilesNeverCrash_data();
    void hostileFilesNeverCrash();
    void folderInPlaceOfFile();
    void hugeFileIsNotRead();
    void failedWriteKeepsOldFile();
    void failedSaveIsTriedAgain_data();
    void failedSaveIsTriedAgain();
    void inPlaceChangeRewritesOneElement();
    void addRoundsFiveMinutesAhead_data();
    void addRoundsFiveMinutesAhead();
    void removeAlwaysSaves();
    void duplicateIdsLoadAndRemoveTogether();
    void pausedPersistsAndNeverTouchesFile();
    void signalsTellObservers();
    void outsideChangeIsTakenIn_data();
    void outsideChangeIsTakenIn();
    void saveGoesOnTopOfUnreportedChange_data();
    void saveGoesOnTopOfUnreportedChange();
    void changesOnTheirWayAreNotMadeTwice();
    void garbageIsKeptThenValidTakenIn();
    void deletedFileIsWrittenAgain();
    void leftoversOfSavesAreRemoved();
    void mergeRules_data();
    void mergeRules();
    void conflictCopyNames_data();
    void conflictCopyNames();
    void conflictCopyIsMergedAndRemoved_data();
    void conflictCopyIsMergedAndRemoved();

private:
    // A Store on the folder; on a file holding `list` when one is given.
    std::unique_ptr<Store> makeStore(const std::optional<QList<Reminder>>& list = std::nullopt);
    // Writes happen in the background; what is on disk is read once they end.
    const QString& settle(const QString& path)
    {
        if (m_made)
            m_made->finishWrites(5000);
        return path;
    }
    QByteArray read(const QString& path) { return readFile(settle(path)); }
    Store& settled(Store& store)
    {
        store.finishWrites(5000);
        return store;
    }

    QPointer<Store> m_made;

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<UserDefaults> m_defaults;
    FakeClock m_clock;
    QString m_folder;
    QString m_file;
};

void TestStore::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    m_folder = m_dir->filePath(QStringLiteral("data/Pendrel"));
    m_file = m_folder + QStringLiteral("/reminders.json");
    m_defaults = std::make_unique<UserDefaults>(m_dir->filePath(QStringLiteral("Pendrel.conf")));
    m_clock.setLocal(QDate(2026, 3, 9), QTime(9, 0));
}

std::unique_ptr<Store> TestStore::makeStore(const std::optional<QList<Reminder>>& list)
{
    if (list)
        writeFile(m_file, ReminderJson::encodeList(*list));
    auto store = std::make_unique<Store>(m_folder, *m_defaults, m_clock);
    m_made = store.get();
    return store;
}

void TestStore::firstRunSeedsWithoutWriting()
{
    auto store = makeStore();
    QVERIFY(QDir(m_folder).exists());
    QVERIFY(!QFile::exists(m_file));
    QCOMPARE(store->reminders().size(), 1);
    const Reminder seed = store->reminders().first();
    QCOMPARE(seed.title, QStringLiteral("Take attendance"));
    QCOMPARE(seed.note, QStringLiteral("Good morning! Time to take attendance."));
    QCOMPARE(seed.sound, QStringLiteral("Glass"));
    QCOMPARE(seed.days, (QList<qint64>{2, 3, 4, 5, 6}));

    Reminder changed = seed;
    changed.title = QStringLiteral("Roll call");
    store->setReminder(0, changed);
    const auto onDisk = ReminderJson::decodeList(read(m_file));
    QVERIFY(onDisk);
    QCOMPARE(onDisk->size(), 1);
    QVERIFY(onDisk->first() == changed);
    // Titles, notes and meeting links are the user's alone.
    const auto others = QFile::ReadGroup | QFile::WriteGroup | QFile::ExeGroup | QFile::ReadOther |
                        QFile::WriteOther | QFile::ExeOther;
    QCOMPARE(QFile::permissions(m_file) & others, QFileDevice::Permissions());
    QCOMPARE(QFile::permissions(m_folder) & others, QFileDevice::Permissions());
}

void TestStore::emptyArrayIsEmptyList()
{
    QDir().mkpath(m_folder);
    QVERIFY(writeFile(m_file, " [ ]\n"));
    QVERIFY(makeStore()->reminders().isEmpty());
    QCOMPARE(read(m_file), QByteArray(" [ ]\n"));
}

void TestStore::badSecondElementGivesSeedAndKeepsCopy()
{
    QDir().mkpath(m_folder);
    QJsonObject good = ReminderJson::toObject(Reminder{.title = QStringLiteral("Mine")});
    QJsonObject bad = good;
    bad.remove(u"lastFired");
    const QByteArray original = QJsonDocument(QJsonArray{good, bad}).toJson();
    QVERIFY(writeFile(m_file, original));

    auto store = makeStore();
    QCOMPARE(store->reminders().size(), 1);
    QCOMPARE(store->reminders().first().title, QStringLiteral("Take attendance"));
    QCOMPARE(read(m_file), original); // loading never writes
    QVERIFY(corruptCopies(settle(m_folder)).isEmpty());

    store->add();
    const QStringList copies = corruptCopies(settle(m_folder));
    QCOMPARE(copies, QStringList{QStringLiteral("reminders.json.corrupt-20260309-090000")});
    QCOMPARE(read(m_folder + u'/' + copies.first()), original);
    QCOMPARE(ReminderJson::decodeList(read(m_file))->size(), 2);

    store->add(); // only the first save keeps a copy
    QCOMPARE(corruptCopies(settle(m_folder)).size(), 1);
}

void TestStore::hostileFilesNeverCrash_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::newRow("deep nesting") << QByteArray(100000, '[') + QByteArray(100000, ']');
    QTest::newRow("huge number") << QByteArray("[") + QByteArray(5000, '9') + "]";
    QTest::newRow("invalid utf-8") << QByteArray("[\"\xc3\x28\xff\"]");
    QTest::newRow("binary") << QByteArray("\x00\x01\x02[]", 5);
    QByteArray big(50 * 1024 * 1024, ' ');
    big[0] = '[';
    QTest::newRow("50 MB") << big;
}

void TestStore::hostileFilesNeverCrash()
{
    QFETCH(QByteArray, content);
    QDir().mkpath(m_folder);
    QVERIFY(writeFile(m_file, content));
    auto store = makeStore();
    QCOMPARE(store->reminders().size(), 1);
    QCOMPARE(store->reminders().first().title, QStringLiteral("Take attendance"));
    store->add();
    QVERIFY(settled(*store).lastSaveSucceeded());
    QCOMPARE(corruptCopies(settle(m_folder)).size(), 1);
    QCOMPARE(QFileInfo(m_folder + u'/' + corruptCopies(settle(m_folder)).first()).size(),
             content.size());
}

void TestStore::folderInPlaceOfFile()
{
    QVERIFY(QDir().mkpath(m_file));
    auto store = makeStore();
    QCOMPARE(store->reminders().size(), 1);
    store->add();
    QVERIFY(!settled(*store).lastSaveSucceeded());
    QCOMPARE(store->reminders().size(), 2);
    QVERIFY(QFileInfo(m_file).isDir());
}

void TestStore::hugeFileIsNotRead()
{
    QDir().mkpath(m_folder);
    QFile file(m_file);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QVERIFY(file.resize(qint64(300) * 1024 * 1024)); // sparse: takes no disk space
    file.close();
    auto store = makeStore();
    QCOMPARE(store->reminders().first().title, QStringLiteral("Take attendance"));
    store->add();
    QVERIFY(settled(*store).lastSaveSucceeded());
    const QStringList kept = corruptCopies(settle(m_folder));
    QCOMPARE(kept.size(), 1);
    QCOMPARE(QFileInfo(m_folder + u'/' + kept.first()).size(), qint64(300) * 1024 * 1024);
}

void TestStore::failedWriteKeepsOldFile()
{
    auto store = makeStore(QList<Reminder>{Reminder{.title = QStringLiteral("Small")}});
    const QByteArray before = read(m_file);
    QVERIFY(!before.isEmpty());
    {
        FileSizeLimit limit(static_cast<rlim_t>(before.size() + 10));
        store->add();
        store->add();
        QVERIFY(!settled(*store).lastSaveSucceeded());
    }
    QCOMPARE(readFile(m_file), before);
    QCOMPARE(store->reminders().size(), 3); // the list in memory keeps the change
    QCOMPARE(QDir(m_folder).entryList(QDir::Files), QStringList{QStringLiteral("reminders.json")});

    store->add(); // the next change after the disk recovers saves everything
    QVERIFY(settled(*store).lastSaveSucceeded());
    QCOMPARE(ReminderJson::decodeList(read(m_file))->size(), 4);
}

void TestStore::failedSaveIsTriedAgain_data()
{
    QTest::addColumn<bool>("quitting");
    QTest::newRow("soon after") << false;
    QTest::newRow("when quitting") << true;
}

void TestStore::failedSaveIsTriedAgain()
{
    QFETCH(bool, quitting);
    auto store = makeStore(
        QList<Reminder>{Reminder{.title = QStringLiteral("Pill"), .hour = 8, .minute = 10}});
    const QByteArray before = read(m_file);
    QSignalSpy safety(store.get(), &Store::safetyChanged);
    Reminder fired = store->reminders().first();
    fired.lastFired = QStringLiteral("2026-03-09");
    {
        FileSizeLimit limit(static_cast<rlim_t>(before.size()));
        store->setReminder(0, fired); // the firing, with no change after it
        QTRY_COMPARE(safety.size(), 1);
        QVERIFY(!store->saveError().isEmpty()); // the system's words for it
        QCOMPARE(readFile(m_file), before);
    }
    // Room again: the firing reaches the file without any further change.
    if (quitting)
        QVERIFY(store->finishWrites(2000));
    else
        QTRY_VERIFY_WITH_TIMEOUT(store->lastSaveSucceeded(), 3 * Store::firstRetryMsecs);
    QCOMPARE(ReminderJson::decodeList(readFile(m_file))->first(), fired);
    QVERIFY(store->lastSaveSucceeded());
    QCOMPARE(safety.size(), 2);
}

void TestStore::inPlaceChangeRewritesOneElement()
{
    const QList<Reminder> list = {Reminder{.title = QStringLiteral("A")},
                                  Reminder{.title = QStringLiteral("B")},
                                  Reminder{.title = QStringLiteral("C")}};
    auto store = makeStore(list);
    // The user's choice of who may read it outlives the save.
    const auto privateFile = QFile::ReadOwner | QFile::WriteOwner | QFile::ReadUser |
                             QFile::WriteUser | QFile::ReadGroup;
    QVERIFY(QFile::setPermissions(settle(m_file), privateFile));
    Reminder fired = list[1];
    fired.lastFired = QStringLiteral("2026-03-09");
    store->setReminder(1, fired);
    store->setReminder(7, fired); // outside the list: ignored
    const auto onDisk = ReminderJson::decodeList(read(m_file));
    QVERIFY(onDisk);
    QCOMPARE(onDisk->size(), 3);
    QVERIFY(onDisk->at(0) == list[0]);
    QVERIFY(onDisk->at(1) == fired);
    QVERIFY(onDisk->at(2) == list[2]);
    QCOMPARE(QFile::permissions(m_file), privateFile);
}

void TestStore::addRoundsFiveMinutesAhead_data()
{
    QTest::addColumn<QTime>("now");
    QTest::addColumn<int>("hour");
    QTest::addColumn<int>("minute");
    QTest::newRow("09:58:30") << QTime(9, 58, 30) << 10 << 0;
    QTest::newRow("14:22:00") << QTime(14, 22) << 14 << 25;
    QTest::newRow("23:57:00") << QTime(23, 57) << 0 << 0;
}

void TestStore::addRoundsFiveMinutesAhead()
{
    QFETCH(QTime, now);
    QFETCH(int, hour);
    QFETCH(int, minute);
    m_clock.setLocal(QDate(2026, 3, 9), now);
    auto store = makeStore();
    const QUuid first = store->add();
    const QUuid second = store->add();
    QVERIFY(first != second);
    QCOMPARE(store->reminders().size(), 3);
    for (const Reminder& r : store->reminders().mid(1)) {
        QCOMPARE(r.hour, hour);
        QCOMPARE(r.minute, minute);
        QCOMPARE(r.sound, QStringLiteral("Ping"));
        QCOMPARE(r.title, QStringLiteral("New reminder"));
        QVERIFY(r.enabled && r.note.isEmpty() && r.lastFired.isEmpty());
    }
    QCOMPARE(store->reminders().last().id, second);
}

void TestStore::removeAlwaysSaves()
{
    auto store = makeStore();
    QVERIFY(!QFile::exists(m_file));
    store->remove(QUuid::createUuid());
    QCOMPARE(store->reminders().size(), 1);
    QCOMPARE(ReminderJson::decodeList(read(m_file))->size(), 1);
}

void TestStore::duplicateIdsLoadAndRemoveTogether()
{
    QDir().mkpath(m_folder);
    const Reminder a{.title = QStringLiteral("twin one")};
    Reminder b = a;
    b.title = QStringLiteral("twin two");
    const Reminder other{.title = QStringLiteral("other")};
    QVERIFY(writeFile(m_file, ReminderJson::encodeList({a, other, b})));
    auto store = makeStore();
    QCOMPARE(store->reminders().size(), 3);
    store->remove(a.id);
    QCOMPARE(store->reminders().size(), 1);
    QCOMPARE(store->reminders().first().title, QStringLiteral("other"));
}

void TestStore::pausedPersistsAndNeverTouchesFile()
{
    {
        auto store = makeStore();
        QVERIFY(!store->paused());
        QSignalSpy spy(store.get(), &Store::pausedChanged);
        store->setPaused(true);
        store->setPaused(true);
        QCOMPARE(spy.count(), 2);
        QVERIFY(!QFile::exists(m_file));
    }
    m_defaults = std::make_unique<UserDefaults>(m_dir->filePath(QStringLiteral("Pendrel.conf")));
    QVERIFY(makeStore()->paused());
    QVERIFY(read(m_dir->filePath(QStringLiteral("Pendrel.conf"))).contains("paused=true"));
}

void TestStore::signalsTellObservers()
{
    auto store = makeStore();
    QSignalSpy element(store.get(), &Store::reminderChanged);
    QSignalSpy reset(store.get(), &Store::remindersReset);
    store->setReminder(0, store->reminders().first());
    QCOMPARE(element.count(), 1);
    QCOMPARE(element.first().first().value<qsizetype>(), 0);
    // Adding and removing tell the row; only a list taken in from the file resets.
    QSignalSpy inserted(store.get(), &Store::reminderInserted);
    QSignalSpy removed(store.get(), &Store::reminderRemoved);
    const QUuid added = store->add();
    store->insert(0, Reminder{.id = added});
    store->remove(QUuid());
    store->remove(added);
    QCOMPARE(inserted.count(), 2);
    QCOMPARE(inserted.at(0).first().value<qsizetype>(), 1);
    QCOMPARE(inserted.at(1).first().value<qsizetype>(), 0);
    QCOMPARE(removed.count(), 2); // both copies, the later one first
    QCOMPARE(removed.at(0).first().value<qsizetype>(), 2);
    QCOMPARE(removed.at(1).first().value<qsizetype>(), 0);
    QCOMPARE(reset.count(), 0);
}

void TestStore::outsideChangeIsTakenIn_data()
{
    QTest::addColumn<bool>("linked");
    QTest::addColumn<bool>("inPlace");
    QTest::newRow("renamed over") << false << false;
    QTest::newRow("written in place") << false << true;
    QTest::newRow("linked, renamed over there") << true << false;
}

void TestStore::outsideChangeIsTakenIn()
{
    QFETCH(bool, linked);
    QFETCH(bool, inPlace);
    const Reminder first{.title = QStringLiteral("Stand-up")};
    const QString real = linked ? m_dir->filePath(QStringLiteral("synced/reminders.json")) : m_file;
    QVERIFY(writeFile(real, ReminderJson::encodeList({first})));
    if (linked) {
        QDir().mkpath(m_folder);
        QVERIFY(QFile::link(real, m_file));
    }
    auto store = makeStore();
    QSignalSpy reset(store.get(), &Store::remindersReset);

    Reminder edited = first;
    edited.note = QStringLiteral("Bring the notes");
    const QByteArray outside =
        ReminderJson::encodeList({edited, Reminder{.title = QStringLiteral("Dentist")}});
    QVERIFY(inPlace ? writeFile(real, outside) : replaceFile(real, outside));
    QVERIFY(reset.wait(3000));
    QCOMPARE(titles(store->reminders()), QStringLiteral("Stand-up,Dentist"));
    QCOMPARE(store->reminders().first().note, edited.note);
    QCOMPARE(read(real), outside); // taken in, not written back

    // Pendrel's own save is no outside change: no echo.
    edited.lastFired = QStringLiteral("2026-03-09");
    store->setReminder(0, edited);
    QVERIFY(!reset.wait(500));
    QCOMPARE(reset.count(), 1);
    QCOMPARE(*ReminderJson::decodeList(read(real)), store->reminders());
    QCOMPARE(QFileInfo(m_file).isSymLink(), linked);

    // Still watched after the save replaced the file.
    QVERIFY(replaceFile(real, ReminderJson::encodeList({edited})));
    QVERIFY(reset.wait(3000));
    QCOMPARE(store->reminders().size(), 1);
}

void TestStore::saveGoesOnTopOfUnreportedChange_data()
{
    // The file holds Alpha and Gamma; someone changes Alpha's note or title
    // (or removes Alpha) and adds Beta; in the same moment Pendrel saves a change.
    QTest::addColumn<QString>("change");
    QTest::addColumn<QString>("theirTitle"); // empty: they removed Alpha
    QTest::addColumn<QString>("expected");
    QTest::addColumn<int>("keptAside");
    QTest::newRow("edit of another field") << "title"
                                           << "Alpha"
                                           << "Mine,Gamma,Beta" << 0;
    QTest::newRow("edit of the same field") << "title"
                                            << "Theirs"
                                            << "Mine,Gamma,Beta" << 1;
    QTest::newRow("edit of a removed one") << "title"
                                           << ""
                                           << "Gamma,Beta,Mine" << 1;
    QTest::newRow("fired") << "fired"
                           << "Alpha"
                           << "Alpha,Gamma,Beta" << 0;
    QTest::newRow("fired, removed there") << "fired"
                                          << ""
                                          << "Gamma,Beta" << 0;
    QTest::newRow("add") << "add"
                         << "Alpha"
                         << "Alpha,Gamma,Beta,New reminder" << 0;
    QTest::newRow("remove") << "remove"
                            << "Alpha"
                            << "Alpha,Beta" << 0;
}

void TestStore::saveGoesOnTopOfUnreportedChange()
{
    QFETCH(QString, change);
    QFETCH(QString, theirTitle);
    QFETCH(QString, expected);
    QFETCH(int, keptAside);
    const Reminder alpha{.title = QStringLiteral("Alpha")};
    const Reminder gamma{.title = QStringLiteral("Gamma")};
    QVERIFY(writeFile(m_file, ReminderJson::encodeList({alpha, gamma})));
    auto store = makeStore();

    QList<Reminder> theirs{gamma, Reminder{.title = QStringLiteral("Beta")}};
    if (!theirTitle.isEmpty()) {
        Reminder changed = alpha;
        changed.title = theirTitle;
        changed.note = QStringLiteral("theirs");
        theirs.prepend(changed);
    }
    const QByteArray outside = ReminderJson::encodeList(theirs);
    QVERIFY(replaceFile(m_file, outside));
    Reminder mine = alpha;
    if (change == u"title") {
        mine.title = QStringLiteral("Mine");
        store->setReminder(0, mine);
    } else if (change == u"fired") {
        mine.lastFired = QStringLiteral("2026-03-09");
        store->setReminder(0, mine);
    } else if (change == u"add") {
        store->add();
    } else {
        store->remove(gamma.id);
    }

    QCOMPARE(titles(store->reminders()), expected);
    QCOMPARE(*ReminderJson::decodeList(read(m_file)), store->reminders());
    if (!theirTitle.isEmpty()) // their note survives
        QCOMPARE(store->reminders().first().note, QStringLiteral("theirs"));
    if (change == u"fired" && !theirTitle.isEmpty())
        QCOMPARE(store->reminders().first().lastFired, mine.lastFired);
    const QStringList copies =
        QDir(m_folder).entryList({QStringLiteral("reminders.json.conflict-*")}, QDir::Files);
    QCOMPARE(copies.size(), keptAside);
    if (keptAside)
        QCOMPARE(read(m_folder + u'/' + copies.first()), outside);
}

void TestStore::changesOnTheirWayAreNotMadeTwice()
{
    auto store = makeStore(QList<Reminder>{Reminder{.title = QStringLiteral("Pill")}});
    QVERIFY(store->finishWrites(5000));
    const QUuid added = store->add(); // on its way to the disk...
    Reminder renamed = store->reminders().last();
    renamed.title = QStringLiteral("Tea with the whole team");
    std::optional<FileSizeLimit> full;
    full.emplace(static_cast<rlim_t>(read(m_file).size() - 1)); // (waits for the add)
    store->setReminder(1, renamed); // ...and this one fails to follow it
    QVERIFY(!store->finishWrites(5000));
    full.reset();
    // Someone else changes the file now: only what is not on disk yet is
    // made again on top, so the added reminder is there once.
    QList<Reminder> theirs = *ReminderJson::decodeList(readFile(m_file));
    theirs << Reminder{.title = QStringLiteral("Theirs")};
    QSignalSpy reset(store.get(), &Store::remindersReset);
    QVERIFY(writeFile(m_file, ReminderJson::encodeList(theirs)));
    QVERIFY(reset.wait(3000));
    QCOMPARE(std::count_if(store->reminders().cbegin(), store->reminders().cend(),
                           [&](const Reminder& r) { return r.id == added; }),
             1);
    QCOMPARE(store->reminders().at(1).title, renamed.title);
    QCOMPARE(store->reminders().size(), 3);
}

void TestStore::garbageIsKeptThenValidTakenIn()
{
    auto store = makeStore();
    store->add();
    settle(m_file);
    const QList<Reminder> mine = store->reminders();
    QSignalSpy reset(store.get(), &Store::remindersReset);
    QVERIFY(writeFile(m_file, "[{\"title\": \"half-wri"));
    QVERIFY(!reset.wait(500));
    QCOMPARE(store->reminders(), mine);
    QCOMPARE(read(m_file), QByteArray("[{\"title\": \"half-wri")); // not destroyed

    const QList<Reminder> fixed{Reminder{.title = QStringLiteral("Fixed by hand")}};
    QVERIFY(writeFile(m_file, ReminderJson::encodeList(fixed)));
    QVERIFY(reset.wait(3000));
    QCOMPARE(store->reminders(), fixed);

    QVERIFY(writeFile(m_file, "not json"));
    QTest::qWait(300);
    store->add(); // the undecodable file is kept before the save replaces it
    QCOMPARE(store->reminders().size(), 2);
    QCOMPARE(corruptCopies(settle(m_folder)).size(), 1);
    QCOMPARE(read(m_folder + u'/' + corruptCopies(settle(m_folder)).first()),
             QByteArray("not json"));
    QCOMPARE(*ReminderJson::decodeList(read(m_file)), store->reminders());
}

void TestStore::deletedFileIsWrittenAgain()
{
    auto store = makeStore();
    store->add();
    QSignalSpy reset(store.get(), &Store::remindersReset);
    QVERIFY(QFile::remove(settle(m_file)));
    QVERIFY(!reset.wait(500));
    QCOMPARE(store->reminders().size(), 2);
    store->add();
    QCOMPARE(ReminderJson::decodeList(read(m_file))->size(), 3);
    QVERIFY(corruptCopies(settle(m_folder)).isEmpty());

    QVERIFY(QDir(m_folder).removeRecursively()); // the whole folder, too
    store->add();
    QCOMPARE(ReminderJson::decodeList(read(m_file))->size(), 4);
}

void TestStore::leftoversOfSavesAreRemoved()
{
    const QStringList kept{QStringLiteral("notes.txt"),
                           QStringLiteral("reminders.json"),
                           QStringLiteral("reminders.json.BACKUP"),
                           QStringLiteral("reminders.json.Backup"),
                           QStringLiteral("reminders.json.backup"),
                           QStringLiteral("reminders.json.corrupt-20260309-090000"),
                           QStringLiteral("reminders.json.qRm2x9")};
    for (const QString& name : kept + QStringList{QStringLiteral("reminders.json.AbCdEf"),
                                                  QStringLiteral("reminders.json.xYzzyQ")})
        QVERIFY(writeFile(m_folder + u'/' + name, "[]"));
    QVERIFY(QFile::link(m_folder + QStringLiteral("/notes.txt"),
                        m_folder + QStringLiteral("/reminders.json.LiNkEd")));
    // A copy older than the file cannot be a save that was cut off.
    const QString copy = m_folder + QStringLiteral("/reminders.json.MyCopy");
    QVERIFY(writeFile(copy, "[]"));
    QFile old(copy);
    QVERIFY(old.open(QIODevice::ReadWrite) &&
            old.setFileTime(QDateTime::currentDateTime().addDays(-1),
                            QFileDevice::FileModificationTime));
    old.close();
    makeStore();
    QStringList left = QDir(m_folder).entryList(QDir::Files | QDir::System);
    QStringList expected = kept + QStringList{QStringLiteral("reminders.json.LiNkEd"),
                                              QStringLiteral("reminders.json.MyCopy")};
    left.sort();
    expected.sort();
    QCOMPARE(left, expected);

    // Behind a link, saves write beside the target: that is cleared too.
    const QString synced = m_dir->filePath(QStringLiteral("synced"));
    QVERIFY(writeFile(synced + QStringLiteral("/mine.json"), "[]"));
    QVERIFY(writeFile(synced + QStringLiteral("/mine.json.KqWzEr"), "[]"));
    QVERIFY(QFile::remove(m_file));
    QVERIFY(QFile::link(synced + QStringLiteral("/mine.json"), m_file));
    makeStore();
    QCOMPARE(QDir(synced).entryList(QDir::Files), QStringList{QStringLiteral("mine.json")});
}

namespace {

// Reminders the merge rows share: ids fixed, so each side's version of one is
// the same reminder.
Reminder shared(char which, const QString& title = {})
{
    return Reminder{.id = QUuid(uint(which), 0, 0, 0, 0, 0, 0, 0, 0, 0, 0),
                    .title = title.isEmpty() ? QString(QChar(u'A' + (which - 'a'))) : title};
}

Reminder with(Reminder r, const std::function<void(Reminder&)>& change)
{
    change(r);
    return r;
}

} // namespace

void TestStore::mergeRules_data()
{
    QTest::addColumn<QList<Reminder>>("base");
    QTest::addColumn<QList<Reminder>>("ours");
    QTest::addColumn<QList<Reminder>>("theirs");
    QTest::addColumn<bool>("oursWin");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<int>("clashes");
    const Reminder a = shared('a'), b = shared('b'), c = shared('c'), d = shared('d');
    const auto titled = [](const Reminder& r, const char* t) {
        return with(r, [&](Reminder& x) { x.title = QString::fromUtf8(t); });
    };
    const auto noted = [](const Reminder& r, const char* n) {
        return with(r, [&](Reminder& x) { x.note = QString::fromUtf8(n); });
    };
    const auto fired = [](const Reminder& r, const char* day) {
        return with(r, [&](Reminder& x) { x.lastFired = QString::fromUtf8(day); });
    };
    QTest::newRow("added here, removed there")
        << QList{a, b} << QList{a, b, c} << QList{a} << false << "A,C" << 0;
    QTest::newRow("removed here, added there")
        << QList{a, b} << QList{a} << QList{d, a, b} << true << "D,A" << 0;
    QTest::newRow("added there after its neighbour")
        << QList{a, b} << QList{b, a} << QList{a, d, b} << true << "B,A,D" << 0;
    QTest::newRow("different fields")
        << QList{a} << QList{titled(a, "A2")} << QList{noted(a, "n")} << true << "A2/n" << 0;
    QTest::newRow("same field, ours wins")
        << QList{a} << QList{titled(a, "X")} << QList{titled(a, "Y")} << true << "X" << 1;
    QTest::newRow("same field, theirs wins")
        << QList{a} << QList{titled(a, "X")} << QList{titled(a, "Y")} << false << "Y" << 1;
    QTest::newRow("same field, same value")
        << QList{a} << QList{titled(a, "X")} << QList{titled(a, "X")} << true << "X" << 0;
    // NFC and NFD spellings of one word are one title.
    QTest::newRow("same text, composed otherwise")
        << QList{a} << QList{titled(a, "Caf\u00e9")} << QList{titled(a, "Cafe\u0301")} << true
        << "Caf\u00e9" << 0;
    QTest::newRow("fired on both, the later day")
        << QList{fired(a, "2026-03-08")} << QList{fired(a, "2026-03-10")}
        << QList{fired(a, "2026-03-09")} << false << "A!2026-03-10" << 0;
    const Reminder rearmed = with(fired(a, "2026-03-08"), [](Reminder& r) {
        r.hour = 11;
        r.minute = 0;
        r.lastFired.clear();
    });
    QTest::newRow("re-armed here, fired there")
        << QList{fired(a, "2026-03-08")} << QList{rearmed} << QList{fired(a, "2026-03-09")} << false
        << "A@11:00" << 0;
    QTest::newRow("fired here, re-armed there")
        << QList{fired(a, "2026-03-08")} << QList{fired(a, "2026-03-09")} << QList{rearmed} << true
        << "A@11:00" << 0;
    const Reminder twin = titled(a, "A twin");
    QTest::newRow("one id twice, each edited on one side")
        << QList{a, twin} << QList{a, noted(twin, "mine")} << QList{noted(a, "theirs"), twin}
        << true << "A/theirs,A twin/mine" << 0;
    QTest::newRow("added on both, differently")
        << QList<Reminder>{} << QList{titled(b, "Mine")} << QList{titled(b, "Theirs")} << false
        << "Theirs" << 1;
}

void TestStore::mergeRules()
{
    QFETCH(QList<Reminder>, base);
    QFETCH(QList<Reminder>, ours);
    QFETCH(QList<Reminder>, theirs);
    QFETCH(bool, oursWin);
    using Side = ReminderMerge::Side;
    const Side winner = oursWin ? Side::Ours : Side::Theirs;
    QFETCH(QString, expected);
    QFETCH(int, clashes);
    const auto result = ReminderMerge::mergeLists(base, ours, theirs, winner);
    QCOMPARE(spelled(result.list), expected);
    QCOMPARE(result.clashes.size(), clashes);
    // Each computer merges the other's version: both end on the same list.
    const auto other =
        ReminderMerge::mergeLists(base, theirs, ours, oursWin ? Side::Theirs : Side::Ours);
    QCOMPARE(spelled(other.list), expected);
}

void TestStore::conflictCopyIsMergedAndRemoved_data()
{
    // Both computers had Standup and Nine; each fired Nine on the same day and
    // made one change of its own. A sync tool then kept one version as the
    // file and the other as its conflict copy.
    QTest::addColumn<QString>("ours");
    QTest::addColumn<QString>("theirs");
    QTest::addColumn<bool>("copyIsTheirs");
    // "running", "restarted" (before the copy came) or "stopped" (while the sync tool worked)
    QTest::addColumn<QString>("when");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<QString>("kept"); // the title kept in a conflict copy of Pendrel's
    QTest::newRow("added here; copy") << "add"
                                      << "" << true << "running"
                                      << "Standup,Nine!2026-03-09,Dentist"
                                      << "";
    QTest::newRow("added here; file") << "add"
                                      << "" << false << "running"
                                      << "Standup,Nine!2026-03-09,Dentist"
                                      << "";
    QTest::newRow("added here; restarted") << "add"
                                           << "" << true << "restarted"
                                           << "Standup,Nine!2026-03-09,Dentist"
                                           << "";
    QTest::newRow("added there; file") << ""
                                       << "add" << false << "running"
                                       << "Standup,Nine!2026-03-09,Lunch"
                                       << "";
    QTest::newRow("removed here; file") << "remove"
                                        << "" << false << "running"
                                        << "Nine!2026-03-09"
                                        << "";
    QTest::newRow("removed there; copy") << ""
                                         << "remove" << true << "running"
                                         << "Nine!2026-03-09"
                                         << "";
    QTest::newRow("removed there; restarted") << ""
                                              << "remove" << true << "restarted"
                                              << "Nine!2026-03-09"
                                              << "";
    QTest::newRow("renamed on both; copy") << "rename"
                                           << "rename" << true << "running"
                                           << "Standup,Mine!2026-03-09"
                                           << "Theirs";
    QTest::newRow("renamed on both; file") << "rename"
                                           << "rename" << false << "running"
                                           << "Standup,Theirs!2026-03-09"
                                           << "Mine";
    QTest::newRow("copy does not decode") << "add"
                                          << "garbage" << true << "running"
                                          << "Standup,Nine!2026-03-09,Dentist"
                                          << "";
    QTest::newRow("added here; file; stopped") << "add"
                                               << "" << false << "stopped"
                                               << "Standup,Nine!2026-03-09,Dentist"
                                               << "";
    QTest::newRow("removed there; file; stopped") << ""
                                                  << "remove" << false << "stopped"
                                                  << "Nine!2026-03-09"
                                                  << "";
    QTest::newRow("removed and put back here; copy") << "undo"
                                                     << "" << true << "running"
                                                     << "Standup,Nine!2026-03-09,Dentist"
                                                     << "";
    // From before Pendrel kept any history: nothing in it counts as removed.
    QTest::newRow("stale copy") << ""
                                << "stale" << true << "running"
                                << "Standup,Nine!2026-03-09"
                                << "";
    QTest::newRow("stale copy; restarted") << ""
                                           << "stale" << true << "restarted"
                                           << "Standup,Nine!2026-03-09"
                                           << "";
    QTest::newRow("a link named like a copy") << ""
                                              << "link" << true << "running"
                                              << "Standup,Nine!2026-03-09"
                                              << "";
    QTest::newRow("a pipe named like a copy") << ""
                                              << "pipe" << true << "running"
                                              << "Standup,Nine!2026-03-09"
                                              << "";
}

void TestStore::conflictCopyIsMergedAndRemoved()
{
    QFETCH(QString, ours);
    QFETCH(QString, theirs);
    QFETCH(bool, copyIsTheirs);
    QFETCH(QString, when);
    QFETCH(QString, expected);
    QFETCH(QString, kept);
    const Reminder standup = shared('a', QStringLiteral("Standup"));
    const Reminder nine = shared('b', QStringLiteral("Nine"));
    const Reminder dentist = shared('c', QStringLiteral("Dentist"));
    const Reminder lunch = shared('d', QStringLiteral("Lunch"));
    const auto change = [&](QList<Reminder> list, const QString& what, const QString& name) {
        list[1].lastFired = QStringLiteral("2026-03-09");
        if (what == u"add")
            list.append(name == u"Mine" ? dentist : lunch);
        else if (what == u"remove")
            list.removeFirst();
        else if (what == u"rename")
            list[1].title = name;
        return list;
    };
    auto store = makeStore(QList<Reminder>{standup, nine});
    // As the Scheduler and the window make them.
    Reminder mine = nine;
    mine.lastFired = QStringLiteral("2026-03-09");
    if (ours == u"rename")
        mine.title = QStringLiteral("Mine");
    store->setReminder(1, mine);
    if (ours == u"add" || ours == u"undo")
        store->insert(2, dentist);
    if (ours == u"remove" || ours == u"undo")
        store->remove(standup.id);
    if (ours == u"undo")
        store->insert(0, standup);
    QVERIFY(store->finishWrites(5000));
    if (when != u"running")
        store.reset();
    if (when == u"restarted")
        store = makeStore();

    const QString copy =
        m_folder + QStringLiteral("/reminders.sync-conflict-20260309-091500-6RBGFW5.json");
    const QString theirChange = theirs == u"stale" ? QStringLiteral("remove") : theirs;
    const QByteArray their = theirs == u"garbage"
                                 ? QByteArray("[{\"title\": ")
                                 : ReminderJson::encodeList(change({standup, nine}, theirChange,
                                                                   QStringLiteral("Theirs")));
    if (theirs == u"link") {
        QVERIFY(QFile::link(m_folder + QStringLiteral("/gone"), copy));
    } else if (theirs == u"pipe") {
        QCOMPARE(::mkfifo(QFile::encodeName(copy).constData(), 0600), 0);
    } else if (copyIsTheirs) {
        QVERIFY(writeFile(copy, their));
    } else {
        QVERIFY(QFile::rename(m_file, copy));
        QVERIFY(replaceFile(m_file, their));
    }
    if (theirs == u"stale") {
        QFile file(copy);
        QVERIFY(file.open(QIODevice::ReadWrite));
        QVERIFY(file.setFileTime(QDateTime(QDate(2020, 1, 1), QTime(12, 0)),
                                 QFileDevice::FileModificationTime));
    }
    if (when == u"stopped")
        store = makeStore();
    if (theirs == u"link" || theirs == u"pipe") {
        QTest::qWait(500); // never read, never taken for a list, never removed
        QVERIFY(QFileInfo(copy).isSymLink() || QFileInfo(copy).exists());
        QVERIFY(store->unreadableCopies().isEmpty());
    } else if (theirs == u"garbage") {
        QTRY_COMPARE(store->unreadableCopies(), QStringList{copy});
        QVERIFY(QFile::exists(copy));
    } else {
        QTRY_VERIFY(!QFile::exists(copy));
        QVERIFY(store->unreadableCopies().isEmpty());
    }
    QCOMPARE(spelled(store->reminders()), expected);
    QCOMPARE(spelled(*ReminderJson::decodeList(read(m_file))), expected);
    const QStringList copies =
        QDir(m_folder).entryList({QStringLiteral("reminders.json.conflict-*")}, QDir::Files);
    QCOMPARE(copies.size(), kept.isEmpty() ? 0 : 1);
    if (!kept.isEmpty()) {
        QVERIFY(spelled(*ReminderJson::decodeList(read(m_folder + u'/' + copies.first())))
                    .startsWith(kept));
        QCOMPARE(store->clashes().size(), 1);
        QCOMPARE(store->clashes().first().keptIn, m_folder + u'/' + copies.first());
    }
}

void TestStore::conflictCopyNames_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("copy");
    QTest::newRow("Syncthing") << "reminders.sync-conflict-20261208-183547-6RBGFW5.json" << true;
    QTest::newRow("Nextcloud") << "reminders (conflicted copy 2026-12-08 183547).json" << true;
    QTest::newRow("ownCloud") << "reminders_conflict-20261208-183547.json" << true;
    QTest::newRow("Dropbox") << "reminders (Anna's conflicted copy 2026-12-08).json" << true;
    QTest::newRow("Dropbox, second")
        << "reminders (Anna's conflicted copy 2026-12-08 (1)).json" << true;
    QTest::newRow("Seafile") << "reminders (SFConflict anna@example.org 2026-12-08-18-35-47).json"
                             << true;
    QTest::newRow("the list itself") << "reminders.json" << false;
    QTest::newRow("Pendrel's own kept copy") << "reminders.json.conflict-20261208-183547" << false;
    QTest::newRow("another file's copy")
        << "notes.sync-conflict-20261208-183547-6RBGFW5.json" << false;
    QTest::newRow("a copy of a copy")
        << "reminders.sync-conflict-20261208-183547-6RBGFW5.json.bak" << false;
    QTest::newRow("a path in the name")
        << "reminders (a/b's conflicted copy 2026-12-08).json" << false;
}

void TestStore::conflictCopyNames()
{
    QFETCH(QString, name);
    QFETCH(bool, copy);
    QCOMPARE(ConflictCopies::isCopyOf(name, m_file), copy);
}

QTEST_GUILESS_MAIN(TestStore)
#include "tst_store.moc"
