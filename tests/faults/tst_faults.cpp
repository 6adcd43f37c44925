// What happens to the reminders file when things go wrong for real: a
// process killed in the middle of saving, a full disk, folders and files
// the user may not write, a link in place of the file.
#include "fault_lists.h"
#include "model/reminder_json.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

#include "common/files.h"

#include <csignal>
#include <unistd.h>

namespace {

struct Outcome {
    int exitCode = -1;
    QString out;
};

Outcome runHelper(const QStringList& prefix, const QStringList& arguments)
{
    QProcess process;
    const QStringList command = prefix + QStringList{QStringLiteral(STORE_WRITER)} + arguments;
    process.start(command.first(), command.mid(1));
    process.waitForFinished(20000);
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            QString::fromUtf8(process.readAllStandardOutput()).trimmed()};
}

} // namespace

class TestFaults : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init();
    void killedWhileSavingLeavesAWholeList();
    void fullDiskKeepsTheOldFileAndRuns();
    void readOnlyFolderAsAnotherUser();
    void fileOwnedBySomeoneElse();
    void linkInPlaceOfTheFile();

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    QString m_folder;
    QString m_file;
};

void TestFaults::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QFile::setPermissions(m_dir->path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner |
                                             QFile::ReadOther | QFile::ExeOther);
    m_folder = m_dir->filePath(QStringLiteral("Pendrel"));
    m_file = m_folder + QStringLiteral("/reminders.json");
    QDir().mkpath(m_folder);
}

void TestFaults::killedWhileSavingLeavesAWholeList()
{
    static const QRegularExpression firstTitle(QStringLiteral("\"title\": \"list (\\d+) item 0\""));
    for (int round = 0; round < 40; ++round) {
        QProcess writer;
        writer.start(QStringLiteral(STORE_WRITER), {m_folder, QStringLiteral("series")});
        QVERIFY(writer.waitForReadyRead(5000));
        QThread::msleep(QRandomGenerator::global()->bounded(5u, 80u));
        ::kill(static_cast<pid_t>(writer.processId()), SIGKILL);
        QVERIFY(writer.waitForFinished(5000));

        const QByteArray bytes = readFile(m_file);
        QVERIFY2(!bytes.isEmpty(), "the file is missing or empty");
        const auto list = ReminderJson::decodeList(bytes);
        QVERIFY2(list, "the file does not decode");
        const auto match = firstTitle.match(QString::fromUtf8(bytes));
        QVERIFY(match.hasMatch());
        QVERIFY2(*list == QList<Reminder>{faultReminder(match.captured(1).toUInt())},
                 "a mixture of two saves");
    }
}

void TestFaults::fullDiskKeepsTheOldFileAndRuns()
{
    const QByteArray before = ReminderJson::encodeList(faultList(1)); // two reminders
    QVERIFY(writeFile(m_file, before));
    // Writes beyond the limit fail as on a full disk; the helper carries on.
    const QString limit = QStringLiteral("--fsize=%1").arg(before.size() + 100);
    const Outcome r = runHelper({QStringLiteral("prlimit"), limit},
                                {m_folder, QStringLiteral("edit"), QStringLiteral("3")});
    QCOMPARE(r.exitCode, 0);
    QCOMPARE(r.out, QStringLiteral("loaded=2 kept=5 saved=0"));
    QCOMPARE(readFile(m_file), before);
    QCOMPARE(QDir(m_folder).entryList(QDir::Files), QStringList{QStringLiteral("reminders.json")});

    const Outcome lifted = runHelper({}, {m_folder, QStringLiteral("edit"), QStringLiteral("1")});
    QCOMPARE(lifted.out, QStringLiteral("loaded=2 kept=3 saved=1"));
}

void TestFaults::readOnlyFolderAsAnotherUser()
{
    if (QStandardPaths::findExecutable(QStringLiteral("setpriv")).isEmpty() || getuid() != 0)
        QSKIP("needs root and setpriv to run the helper as another user");
    const QByteArray before = ReminderJson::encodeList(faultList(1));
    QVERIFY(writeFile(m_file, before));
    QFile::setPermissions(m_file, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadOther);
    QFile::setPermissions(m_folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner |
                                        QFile::ReadOther | QFile::ExeOther);
    const Outcome r = runHelper({QStringLiteral("setpriv"), QStringLiteral("--reuid=65534"),
                                 QStringLiteral("--regid=65534"), QStringLiteral("--clear-groups")},
                                {m_folder, QStringLiteral("edit"), QStringLiteral("2")});
    QCOMPARE(r.exitCode, 0);
    QCOMPARE(r.out, QStringLiteral("loaded=2 kept=4 saved=0"));
    QCOMPARE(readFile(m_file), before);
}

void TestFaults::fileOwnedBySomeoneElse()
{
    if (QStandardPaths::findExecutable(QStringLiteral("setpriv")).isEmpty() || getuid() != 0)
        QSKIP("needs root and setpriv to run the helper as another user");
    // The folder is the user's; the file in it belongs to root and is read-only to others.
    const QByteArray before = ReminderJson::encodeList(faultList(3));
    QVERIFY(writeFile(m_file, before));
    QFile::setPermissions(m_file, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadOther);
    QVERIFY(::chown(QFile::encodeName(m_folder).constData(), 65534, 65534) == 0);
    const Outcome r = runHelper({QStringLiteral("setpriv"), QStringLiteral("--reuid=65534"),
                                 QStringLiteral("--regid=65534"), QStringLiteral("--clear-groups")},
                                {m_folder, QStringLiteral("edit"), QStringLiteral("1")});
    QCOMPARE(r.exitCode, 0);
    QCOMPARE(r.out, QStringLiteral("loaded=4 kept=5 saved=0"));
    QCOMPARE(readFile(m_file), before);
}

void TestFaults::linkInPlaceOfTheFile()
{
    // Someone keeps the real file elsewhere (a synced folder) and links to it:
    // saves go to the link's target, atomically, and the link stays a link.
    const QString elsewhere = m_dir->filePath(QStringLiteral("synced/reminders.json"));
    QDir().mkpath(QFileInfo(elsewhere).absolutePath());
    QVERIFY(writeFile(elsewhere, ReminderJson::encodeList(faultList(0))));
    QVERIFY(QFile::link(elsewhere, m_file));
    const Outcome r = runHelper({}, {m_folder, QStringLiteral("edit"), QStringLiteral("1")});
    QCOMPARE(r.out, QStringLiteral("loaded=1 kept=2 saved=1"));
    QVERIFY(QFileInfo(m_file).isSymLink());
    QCOMPARE(ReminderJson::decodeList(readFile(elsewhere))->size(), 2);
    QCOMPARE(QDir(m_folder).entryList(QDir::Files | QDir::System),
             QStringList{QStringLiteral("reminders.json")});
}

QTEST_GUILESS_MAIN(TestFaults)
#include "tst_faults.moc"
