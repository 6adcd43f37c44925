// Pendrel in a desktop's own panel on a private X display and session bus,
// started in both orders and shown in the panel's looks: the icon shows once
// and reads, the panel's own menu pauses and quits, a click opens the
// manager, and no call the panel makes gets an error. XFCE's panel by
// default (in CI); PENDREL_PANEL names another (scripts/panels).
#include "common/child_process.h"
#include "common/pendrel_launch.h"
#include "common/private_home.h"
#include "common/watcher_items.h"
#include "contrast.h"
#include "desktop_panel.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusReply>
#include <QDBusVariant>
#include <QDir>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QScreen>
#include <QSettings>
#include <QtTest>

#include <algorithm>
#include <memory>

namespace {

const QString watcherService = QStringLiteral("org.kde.StatusNotifierWatcher");

bool differs(QRgb a, QRgb b)
{
    return std::abs(qRed(a) - qRed(b)) + std::abs(qGreen(a) - qGreen(b)) +
               std::abs(qBlue(a) - qBlue(b)) >
           24;
}

// The icon's ring, bells and hands in its usual look.
bool iconInk(QRgb c)
{
    return qRed(c) >= 0x80 && qGreen(c) <= 0x70 && qBlue(c) <= 0x40 && qRed(c) - qGreen(c) >= 0x50;
}

} // namespace

class TestPanel : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void cleanupTestCase();
    void cleanup();
    void bothOrders_data();
    void bothOrders();

private:
    bool run(const QString& program, const QStringList& arguments);
    void startPanel(const QString& look);
    void startPendrel();
    QStringList pendrelItems();
    QVariant itemProperty(const QString& name);
    QImage screen();
    // Where the icon shows, in its usual look; empty when nowhere.
    QRect iconArea(const QImage& shot);
    // The widths of the mapped windows xdotool's search finds.
    QList<int> visibleWindowWidths(const QStringList& search);
    // Pendrel's own small windows that are mapped: XEmbed icons.
    int xembedIcons();
    void click(QPoint at, int button, int times = 1);
    bool managerShown();
    QStringList errorsFromPendrel();

    QDBusConnection m_bus = QDBusConnection::sessionBus();
    std::unique_ptr<DesktopPanel> m_panel;
    std::unique_ptr<QProcess> m_monitor;
    std::unique_ptr<QProcess> m_pendrel;
    std::unique_ptr<PrivateHome> m_home;
    QString m_pendrelName;
    QByteArray m_monitored;
};

bool TestPanel::run(const QString& program, const QStringList& arguments)
{
    QProcess process;
    process.start(program, arguments);
    return process.waitForFinished(10000) && process.exitStatus() == QProcess::NormalExit &&
           process.exitCode() == 0;
}

void TestPanel::initTestCase()
{
    QVERIFY2(m_bus.isConnected(), "run on a session bus, as tests/sessions/x11_session --bus does");
    QVERIFY(QGuiApplication::platformName() == u"xcb");
    const QString kind = qEnvironmentVariableIsEmpty("PENDREL_PANEL")
                             ? QStringLiteral("xfce")
                             : qEnvironmentVariable("PENDREL_PANEL");
    QVERIFY2(DesktopPanel::kinds().contains(kind),
             "PENDREL_PANEL: xfce, lxqt, tint2, plasma or gnome");
    m_panel = std::make_unique<DesktopPanel>(kind);
    m_monitor = std::make_unique<QProcess>();
    m_monitor->start(QStringLiteral("dbus-monitor"),
                     {QStringLiteral("type='error'"), QStringLiteral("type='method_call'")});
    QVERIFY(m_monitor->waitForStarted(5000));
}

void TestPanel::cleanupTestCase()
{
    stopProcess(*m_monitor);
}

void TestPanel::cleanup()
{
    // What the panel said, for whatever went wrong.
    if (QTest::currentTestFailed())
        qInfo("%s", qPrintable(m_panel->logs()));
    if (m_pendrel)
        stopProcess(*m_pendrel, 10000);
    m_pendrel.reset();
    m_panel->stop();
    QTRY_VERIFY_WITH_TIMEOUT(!m_bus.interface()->isServiceRegistered(watcherService).value(),
                             10000);
}

void TestPanel::startPanel(const QString& look)
{
    QVERIFY(m_panel->start(look));
    // Ready once a host shows items: the 10 s for the icon count from then.
    if (!m_panel->statusNotifier()) {
        QTest::qWait(2000);
        return;
    }
    const auto hostReady = [this] {
        QDBusMessage get = QDBusMessage::createMethodCall(
            watcherService, QStringLiteral("/StatusNotifierWatcher"),
            QStringLiteral("org.freedesktop.DBus.Properties"), QStringLiteral("Get"));
        get << watcherService << QStringLiteral("IsStatusNotifierHostRegistered");
        const QDBusReply<QDBusVariant> reply = m_bus.call(get);
        return reply.isValid() && reply.value().variant().toBool();
    };
    QTRY_VERIFY_WITH_TIMEOUT(hostReady(), 60000);
}

void TestPanel::startPendrel()
{
    m_home = std::make_unique<PrivateHome>();
    markLaunched(*m_home);
    QProcessEnvironment env = m_home->environment();
    env.remove(QStringLiteral("QT_LINUX_ACCESSIBILITY_ALWAYS_ON"));
    env.insert(
        QStringLiteral("DBUS_SESSION_BUS_ADDRESS"),
        QProcessEnvironment::systemEnvironment().value(QStringLiteral("DBUS_SESSION_BUS_ADDRESS")));
    m_pendrel = std::make_unique<QProcess>();
    m_pendrel->setProcessEnvironment(env);
    m_pendrel->setProcessChannelMode(QProcess::ForwardedErrorChannel);
    m_pendrel->start(QStringLiteral(PENDREL_BINARY), {QStringLiteral("--autostart")});
    QVERIFY(m_pendrel->waitForStarted(5000));
}

QStringList TestPanel::pendrelItems()
{
    return itemsOwnedBy(m_bus, watcherItems(m_bus), m_pendrel->processId());
}

QVariant TestPanel::itemProperty(const QString& name)
{
    QDBusMessage get = QDBusMessage::createMethodCall(
        pendrelItems().value(0), QStringLiteral("/StatusNotifierItem"),
        QStringLiteral("org.freedesktop.DBus.Properties"), QStringLiteral("Get"));
    get << QStringLiteral("org.kde.StatusNotifierItem") << name;
    const QDBusReply<QDBusVariant> reply = m_bus.call(get);
    return reply.isValid() ? reply.value().variant() : QVariant();
}

QImage TestPanel::screen()
{
    return QGuiApplication::primaryScreen()->grabWindow(0).toImage().convertToFormat(
        QImage::Format_RGB32);
}

QRect TestPanel::iconArea(const QImage& shot)
{
    QRect area;
    for (int y = 0; y < shot.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(shot.constScanLine(y));
        for (int x = 0; x < shot.width(); ++x)
            if (iconInk(line[x]))
                area |= QRect(x, y, 1, 1);
    }
    return area.isValid() ? area.adjusted(-1, -1, 1, 1) : area;
}

QList<int> TestPanel::visibleWindowWidths(const QStringList& search)
{
    QProcess find;
    find.start(QStringLiteral("xdotool"),
               QStringList{QStringLiteral("search"), QStringLiteral("--onlyvisible")} + search);
    find.waitForFinished(10000);
    QList<int> widths;
    for (const QByteArray& id : find.readAllStandardOutput().split('\n')) {
        if (id.isEmpty())
            continue;
        QProcess geometry;
        geometry.start(QStringLiteral("xdotool"),
                       {QStringLiteral("getwindowgeometry"), QString::fromLatin1(id)});
        geometry.waitForFinished(10000);
        const QRegularExpressionMatch size =
            QRegularExpression(QStringLiteral(R"(Geometry: (\d+)x)"))
                .match(QString::fromLatin1(geometry.readAllStandardOutput()));
        if (size.hasMatch())
            widths << size.captured(1).toInt();
    }
    return widths;
}

int TestPanel::xembedIcons()
{
    const QList<int> widths =
        visibleWindowWidths({QStringLiteral("--pid"), QString::number(m_pendrel->processId())});
    return int(std::count_if(widths.begin(), widths.end(), [](int w) { return w <= 64; }));
}

void TestPanel::click(QPoint at, int button, int times)
{
    QVERIFY(run(QStringLiteral("xdotool"),
                {QStringLiteral("mousemove"), QString::number(at.x()), QString::number(at.y()),
                 QStringLiteral("click"), QStringLiteral("--repeat"), QString::number(times),
                 QStringLiteral("--delay"), QStringLiteral("80"), QString::number(button)}));
}

bool TestPanel::managerShown()
{
    // Not a tray icon's window, which bears the name too.
    const QList<int> widths =
        visibleWindowWidths({QStringLiteral("--name"), QStringLiteral("^Pendrel$")});
    return std::any_of(widths.begin(), widths.end(), [](int w) { return w >= 300; });
}

QStringList TestPanel::errorsFromPendrel()
{
    // Each error Pendrel sent, with the call it answered.
    m_monitored += m_monitor->readAllStandardOutput();
    static const QRegularExpression serial(QStringLiteral(R"(reply_serial=(\d+))"));
    const QList<QByteArray> lines = m_monitored.split('\n');
    QStringList errors;
    for (const QByteArray& line : lines) {
        if (m_pendrelName.isEmpty() || !line.startsWith("error ") ||
            !line.contains(QByteArray("sender=") + m_pendrelName.toLatin1() + ' '))
            continue;
        const QByteArray call =
            QByteArray("destination=") + m_pendrelName.toLatin1() +
            " serial=" + serial.match(QString::fromLatin1(line)).captured(1).toLatin1() + ' ';
        QString error = QString::fromLatin1(line);
        bool probe = false;
        for (const QByteArray& other : lines) {
            if (other.startsWith("method call ") && other.contains(call)) {
                error += QStringLiteral(" answering ") + QString::fromLatin1(other);
                // GNOME's extension looks for items over the whole bus at
                // its start, before Pendrel has exported one.
                probe = other.contains("member=Introspect") &&
                        line.contains("error_name=org.freedesktop.DBus.Error.UnknownObject");
            }
        }
        if (!probe)
            errors << error;
    }
    return errors;
}

void TestPanel::bothOrders_data()
{
    QTest::addColumn<bool>("panelFirst");
    QTest::addColumn<QString>("look");
    for (const QString& look : m_panel->looks()) {
        const QByteArray name = m_panel->kind().toLatin1() + ", " + look.toLatin1();
        QTest::newRow(name + ", Pendrel first") << false << look;
        QTest::newRow(name + ", panel first") << true << look;
    }
}

void TestPanel::bothOrders()
{
    QFETCH(bool, panelFirst);
    QFETCH(QString, look);
    if (panelFirst) {
        startPanel(look);
        startPendrel();
    } else {
        startPendrel(); // the login race: the panel comes 3 s later
        QTest::qWait(3000);
        startPanel(look);
    }
    if (QTest::currentTestFailed())
        return;

    // Shown within 10 s, once, and it stays: Pendrel's own item where the
    // panel hosts StatusNotifier items, else the XEmbed icon.
    if (m_panel->statusNotifier()) {
        QTRY_COMPARE_WITH_TIMEOUT(pendrelItems().size(), 1, 10000);
        m_pendrelName = m_bus.interface()->serviceOwner(pendrelItems().first()).value();
    }
    // The pointer away from the panel, so no hover highlight is measured.
    QVERIFY(run(QStringLiteral("xdotool"),
                {QStringLiteral("mousemove"), QStringLiteral("640"), QStringLiteral("400")}));
    QElapsedTimer waited;
    waited.start();
    while (!iconArea(screen()).isValid() && waited.elapsed() < 10000)
        QTest::qWait(200);
    if (!iconArea(screen()).isValid()) {
        const QString picture =
            QDir::temp().filePath(QStringLiteral("pendrel-%1-no-icon.png").arg(m_panel->kind()));
        screen().save(picture);
        QFAIL(qPrintable(QStringLiteral("no icon on the screen: ") + picture));
    }
    QTest::qWait(3000);
    if (m_panel->statusNotifier()) {
        QCOMPARE(pendrelItems().size(), 1);
        QCOMPARE(itemProperty(QStringLiteral("IconAccessibleDesc")).toString(),
                 QStringLiteral("Pendrel"));
    }
    QCOMPARE(xembedIcons(), m_panel->statusNotifier() ? 0 : 1);
    const QImage shot = screen();
    const QRect area = iconArea(shot);
    QVERIFY2(area.isValid() && area.width() <= area.height() * 3 / 2 + 2,
             "one icon on the panel, not two side by side");

    // It reads: a third of it at 3:1 against the panel right beside it.
    const QRgb panel = shot.pixel(std::min(shot.width() - 1, area.right() + 4), area.center().y());
    QImage icon = shot.copy(area).convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < icon.height(); ++y)
        for (int x = 0; x < icon.width(); ++x)
            if (!differs(icon.pixel(x, y), panel))
                icon.setPixel(x, y, qRgba(0, 0, 0, 0));
    const double share = Contrast::contrastShare(icon, panel);
    qInfo("icon %dx%d at %d,%d on #%06x: %.0f %% at 3:1", area.width(), area.height(), area.x(),
          area.y(), panel & 0xffffff, share * 100);
    shot.copy(area.adjusted(-16, -8, 16, 8))
        .save(QDir::temp().filePath(QStringLiteral("pendrel-%1-%2-%3.png")
                                        .arg(m_panel->kind(), look,
                                             panelFirst ? QStringLiteral("panel-first")
                                                        : QStringLiteral("pendrel-first"))));
    QVERIFY(share >= 0.3);

    // The panel's own menu: right click, then its second entry pauses.
    const QString conf = m_home->path(QStringLiteral("config/Pendrel/Pendrel.conf"));
    const auto paused = [&conf] {
        return QSettings(conf, QSettings::IniFormat).value(QStringLiteral("paused")).toBool();
    };
    const auto choose = [this, area](int entry) {
        click(area.center(), 3);
        QTest::qWait(1500);
        QStringList keys{QStringLiteral("key"), QStringLiteral("--delay"), QStringLiteral("150")};
        for (int i = 0; i < entry; ++i)
            keys << QStringLiteral("Down");
        keys << QStringLiteral("Return");
        QVERIFY(run(QStringLiteral("xdotool"), keys));
    };
    choose(2);
    QTRY_VERIFY_WITH_TIMEOUT(paused(), 10000);
    QTRY_VERIFY_WITH_TIMEOUT(screen().copy(area) != shot.copy(area), 5000); // the paused look
    if (m_panel->statusNotifier())
        QCOMPARE(itemProperty(QStringLiteral("IconAccessibleDesc")).toString(),
                 QStringLiteral("Pendrel, paused"));
    choose(2);
    QTRY_VERIFY_WITH_TIMEOUT(!paused(), 10000);

    // A left click (a double one on GNOME) opens the manager.
    QTest::qWait(500);
    QVERIFY(!managerShown());
    click(area.center(), 1, m_panel->opensOnDoubleClick() ? 2 : 1);
    QTRY_VERIFY_WITH_TIMEOUT(managerShown(), 10000);

    // Every call so far answered. (A call that comes while Pendrel quits,
    // such as GNOME's menu-closed event after Quit, finds it gone.)
    QTest::qWait(1000);
    const QStringList errors = errorsFromPendrel();
    QVERIFY2(errors.isEmpty(), qPrintable(errors.join(u'\n')));

    // The menu's last entry quits.
    choose(3);
    QVERIFY(m_pendrel->waitForFinished(15000));
    QCOMPARE(m_pendrel->exitCode(), 0);
}

QTEST_MAIN(TestPanel)
#include "tst_panel.moc"
