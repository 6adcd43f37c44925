// What talks to the desktop session: the autostart entry behind the login
// switch, and the single instance.
#include "common/files.h"
#include "common/recording_log.h"
#include "desktop/desktop_entry.h"
#include "desktop/login_item.h"
#include "desktop/single_instance.h"
#include "desktop/system_log.h"
#include "store/user_defaults.h"

#include <QLocalSocket>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

class TestDesktop : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init();
    void execLineRoundTrip_data();
    void execLineRoundTrip();
    void loginFreshUserRegisters();
    void loginOptOutIsRespected();
    void loginSwitchedOffInDesktopSettings();
    void loginStatusWords();
    void loginFailureLogsOneLine();
    void singleInstanceHandsOver();
    void singleInstanceIgnoresStrangers();
    void singleInstanceSurvivesACrash();

private:
    LoginItem makeLogin(const QString& program)
    {
        return LoginItem(m_entry, program, *m_defaults, m_log);
    }

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<UserDefaults> m_defaults;
    RecordingLog m_log;
    QString m_entry;
    QString m_program;
};

void TestDesktop::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    m_defaults = std::make_unique<UserDefaults>(m_dir->filePath(QStringLiteral("Pendrel.conf")));
    m_entry = m_dir->filePath(QStringLiteral("autostart/pendrel.desktop"));
    m_program = m_dir->filePath(QStringLiteral("bin dir/pendrel"));
    QVERIFY(writeFile(m_program, "#!/bin/sh\n"));
    QFile::setPermissions(m_program, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

void TestDesktop::execLineRoundTrip_data()
{
    QTest::addColumn<QString>("program");
    QTest::newRow("plain") << "/usr/bin/pendrel";
    QTest::newRow("space") << "/home/a b/pendrel";
    QTest::newRow("specials") << "/opt/\"q\" $x `y` 100% \\z/pendrel";
}

void TestDesktop::execLineRoundTrip()
{
    QFETCH(QString, program);
    QVERIFY(writeFile(m_entry, "[Desktop Entry]\nType=Application\nExec=" +
                                   DesktopEntry::execLine(program).toUtf8() + "\n"));
    const auto entry = DesktopEntry::read(m_entry);
    QVERIFY(entry);
    QCOMPARE(entry->program(), program);
}

void TestDesktop::loginFreshUserRegisters()
{
    LoginItem login = makeLogin(m_program);
    QCOMPARE(login.statusText(), QStringLiteral("notRegistered"));
    login.ensureDefault();
    QCOMPARE(login.statusText(), QStringLiteral("enabled"));
    QVERIFY(login.isEnabled());
    QCOMPARE(DesktopEntry::read(m_entry)->program(), m_program);
    QVERIFY(m_log.lines.isEmpty());

    // The login's start says so, for Pendrel to tell it from the user's.
    QVERIFY(readFile(m_entry).contains("Exec=\"" + m_program.toUtf8() + "\" --autostart\n"));

    // Already enabled: nothing is rewritten.
    const QDateTime written = QFileInfo(m_entry).lastModified();
    QTest::qWait(20);
    login.ensureDefault();
    QCOMPARE(QFileInfo(m_entry).lastModified(), written);

    // An earlier release's entry gains the option, lines the desktop added
    // (here, a delay) staying; an Exec line the user changed stays too.
    const QByteArray earlier =
        readFile(m_entry).replace(" --autostart", "") + "X-GNOME-Autostart-Delay=5\n";
    QVERIFY(writeFile(m_entry, earlier));
    login.ensureDefault();
    QCOMPARE(readFile(m_entry), QByteArray(earlier).replace("\"\n", "\" --autostart\n"));
    const QByteArray edited = QByteArray(earlier).replace("\"\n", "\" --verbose\n");
    QVERIFY(writeFile(m_entry, edited));
    login.ensureDefault();
    QCOMPARE(readFile(m_entry), edited);
}

void TestDesktop::loginOptOutIsRespected()
{
    LoginItem login = makeLogin(m_program);
    login.ensureDefault();
    login.set(false);
    QVERIFY(!QFile::exists(m_entry));
    QVERIFY(m_defaults->value(UserDefaults::Key::LoginOptOut));
    login.ensureDefault();
    QCOMPARE(login.statusText(), QStringLiteral("notRegistered"));
    login.set(false); // already absent: still a success
    QVERIFY(m_log.lines.isEmpty());
    login.set(true);
    QVERIFY(!m_defaults->value(UserDefaults::Key::LoginOptOut));
    QVERIFY(login.isEnabled());
}

void TestDesktop::loginSwitchedOffInDesktopSettings()
{
    LoginItem login = makeLogin(m_program);
    login.ensureDefault();
    QFile file(m_entry);
    QVERIFY(file.open(QIODevice::Append));
    file.write("Hidden=true\n");
    file.close();
    QCOMPARE(login.statusText(), QStringLiteral("requiresApproval"));
    QVERIFY(!login.isEnabled());
    login.ensureDefault(); // the user's choice in the desktop's settings stands
    QCOMPARE(login.statusText(), QStringLiteral("requiresApproval"));
    login.set(true); // the checkbox does switch it on
    QCOMPARE(login.statusText(), QStringLiteral("enabled"));
}

void TestDesktop::loginStatusWords()
{
    LoginItem moved = makeLogin(m_dir->filePath(QStringLiteral("gone/pendrel")));
    moved.ensureDefault();
    QCOMPARE(moved.statusText(), QStringLiteral("notFound"));
    // A moved program is registered again at its new place.
    LoginItem login = makeLogin(m_program);
    login.ensureDefault();
    QCOMPARE(login.statusText(), QStringLiteral("enabled"));
    QVERIFY(writeFile(m_entry, "not a desktop entry"));
    QCOMPARE(login.statusText(), QStringLiteral("unknown"));
    QVERIFY(
        writeFile(m_entry, "[Desktop Entry]\nType=Application\nX-GNOME-Autostart-enabled=false\n"));
    QCOMPARE(login.statusText(), QStringLiteral("requiresApproval"));
}

void TestDesktop::loginFailureLogsOneLine()
{
    // A file where the autostart folder should be: writing fails, even as root.
    QVERIFY(writeFile(m_dir->filePath(QStringLiteral("autostart")), "in the way"));
    LoginItem login = makeLogin(m_program);
    login.ensureDefault();
    QCOMPARE(m_log.lines.size(), 1);
    QVERIFY(m_log.lines.first().startsWith(QStringLiteral("Login item register failed: ")));
    QVERIFY(m_log.lines.first().size() > 29);
    login.set(true);
    QCOMPARE(m_log.lines.size(), 2);
    QVERIFY(m_log.lines.last().startsWith(QStringLiteral("Login item change failed: ")));
    QVERIFY(!m_defaults->value(UserDefaults::Key::LoginOptOut));
    QVERIFY(!login.isEnabled());
}

void TestDesktop::singleInstanceHandsOver()
{
    const QString folder = m_dir->filePath(QStringLiteral("runtime"));
    SingleInstance first(folder);
    QVERIFY(first.claim());
    QCOMPARE(QFileInfo(folder).permissions() & (QFile::ReadOther | QFile::ReadGroup),
             QFileDevice::Permissions());
    QSignalSpy opened(&first, &SingleInstance::openRequested);
    SingleInstance second(folder);
    QVERIFY(!second.claim());
    // What a second launch sends; it waits for the answer in its own process.
    QLocalSocket socket;
    socket.connectToServer(folder + QStringLiteral("/instance"));
    QVERIFY(socket.waitForConnected(1000));
    socket.write(SingleInstance::request());
    QTRY_COMPARE(opened.size(), 1);
    QTRY_VERIFY(socket.bytesAvailable() > 0);
    QCOMPARE(socket.readAll(), QByteArray("ok\n"));
}

void TestDesktop::singleInstanceIgnoresStrangers()
{
    const QString folder = m_dir->filePath(QStringLiteral("runtime"));
    SingleInstance running(folder);
    QVERIFY(running.claim());
    QSignalSpy opened(&running, &SingleInstance::openRequested);
    QLocalSocket socket;
    socket.connectToServer(folder + QStringLiteral("/instance"));
    QVERIFY(socket.waitForConnected(1000));
    socket.write(QByteArray(4096, 'x'));
    socket.flush();
    QTRY_COMPARE(socket.state(), QLocalSocket::UnconnectedState);
    // One that says nothing is not waited for either.
    QLocalSocket silent;
    silent.connectToServer(folder + QStringLiteral("/instance"));
    QVERIFY(silent.waitForConnected(1000));
    QTRY_COMPARE_WITH_TIMEOUT(silent.state(), QLocalSocket::UnconnectedState, 5000);
    QCOMPARE(opened.size(), 0);
}

void TestDesktop::singleInstanceSurvivesACrash()
{
    const QString folder = m_dir->filePath(QStringLiteral("runtime"));
    QDir().mkpath(folder);
    // What a killed Pendrel leaves: a lock naming a dead process, and its socket file.
    QVERIFY(writeFile(folder + QStringLiteral("/instance.lock"),
                      "999999\ntst_app\n" + QSysInfo::machineHostName().toUtf8() + "\n"));
    QVERIFY(writeFile(folder + QStringLiteral("/instance"), ""));
    SingleInstance next(folder);
    QVERIFY(next.claim());
    QSignalSpy opened(&next, &SingleInstance::openRequested);
    QLocalSocket socket; // the old socket file gave way to a listening one
    socket.connectToServer(folder + QStringLiteral("/instance"));
    QVERIFY(socket.waitForConnected(1000));
    socket.write(SingleInstance::request());
    QTRY_COMPARE(opened.size(), 1);

    // A runtime folder that cannot be made never stops Pendrel from starting.
    QVERIFY(writeFile(m_dir->filePath(QStringLiteral("blocked")), "a file, not a folder"));
    SingleInstance blocked(m_dir->filePath(QStringLiteral("blocked/pendrel")));
    QVERIFY(blocked.claim());
}

QTEST_MAIN(TestDesktop)
#include "tst_desktop.moc"
