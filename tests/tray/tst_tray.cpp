// The tray icon on a small real desktop: Xvfb, openbox, an XEmbed tray
// (trayer) and a private session bus with a StatusNotifier watcher, against
// the built pendrel program in a fresh home each time.
#include "common/child_process.h"
#include "common/pendrel_launch.h"
#include "common/private_home.h"
#include "common/watcher_items.h"
#include "contrast.h"
#include "desktop/desktop_notification.h"
#include "notification_server.h"
#include "status_notifier_watcher.h"
#include "tray/dbus_menu.h"

#include <QDBusArgument>
#include <QDBusConnectionInterface>
#include <QDBusMetaType>
#include <QDBusReply>
#include <QDBusVariant>
#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

#include <algorithm>
#include <memory>

namespace {

// A menu entry as com.canonical.dbusmenu lays it out.
struct MenuItem {
    int id = 0;
    QVariantMap properties;
    QList<MenuItem> children;
};

MenuItem readMenuItem(const QDBusArgument& arg)
{
    MenuItem item;
    arg.beginStructure();
    arg >> item.id >> item.properties;
    arg.beginArray();
    while (!arg.atEnd()) {
        QDBusVariant child;
        arg >> child;
        item.children << readMenuItem(child.variant().value<QDBusArgument>());
    }
    arg.endArray();
    arg.endStructure();
    return item;
}

// StatusNotifierItem pixmaps: width, height and ARGB32 in network byte order.
QList<QImage> readPixmaps(const QDBusArgument& arg)
{
    QList<QImage> images;
    arg.beginArray();
    while (!arg.atEnd()) {
        int width = 0;
        int height = 0;
        QByteArray bytes;
        arg.beginStructure();
        arg >> width >> height >> bytes;
        arg.endStructure();
        if (width <= 0 || height <= 0 || bytes.size() != qsizetype(width) * height * 4)
            continue;
        QImage image(width, height, QImage::Format_ARGB32);
        const auto* p = reinterpret_cast<const uchar*>(bytes.constData());
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x, p += 4)
                image.setPixel(x, y, qRgba(p[1], p[2], p[3], p[0]));
        images << image;
    }
    arg.endArray();
    return images;
}

} // namespace

class TestTray : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void cleanupTestCase();
    void init();
    void cleanup();
    void xembedTrayStartedAfterPendrel();
    void statusNotifierItemInBothOrders_data();
    void statusNotifierItemInBothOrders();
    void watcherWithoutPanelLeavesTheXEmbedIcon();
    void userStartWithoutTrayOpensTheManager_data();
    void userStartWithoutTrayOpensTheManager();
    void desktopNotificationReachesTheServer();

private:
    std::unique_ptr<QProcess> startProcess(const QString& program, const QStringList& arguments,
                                           const QProcessEnvironment& env);
    void startTray(const QString& tint = QStringLiteral("0xf5f5f5"));
    void stopTray();
    // As the login starts it, unless told it is the user.
    void startPendrel(const QString& platform = QStringLiteral("xcb"), bool atLogin = true);
    QString x11(const QStringList& arguments);
    bool pendrelDocked();
    bool managerShown();
    QStringList pendrelItems() const;
    QString pendrelItem() const;
    QVariant itemProperty(const QString& name);
    QList<QImage> iconPixmaps();

    std::unique_ptr<QProcess> m_xvfb;
    std::unique_ptr<QProcess> m_wm;
    std::unique_ptr<QProcess> m_busDaemon;
    std::unique_ptr<QProcess> m_tray;
    std::unique_ptr<QProcess> m_pendrel;
    std::unique_ptr<PrivateHome> m_home;
    QString m_display;
    QString m_busAddress;
    std::unique_ptr<QDBusConnection> m_bus;
    std::unique_ptr<StatusNotifierWatcher> m_watcher;
    std::unique_ptr<NotificationServer> m_notifications;
};

std::unique_ptr<QProcess> TestTray::startProcess(const QString& program,
                                                 const QStringList& arguments,
                                                 const QProcessEnvironment& env)
{
    auto process = std::make_unique<QProcess>();
    process->setProcessEnvironment(env);
    process->setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process->start(program, arguments);
    if (!process->waitForStarted(5000))
        qWarning("cannot start %s: install it with scripts/setup", qPrintable(program));
    return process;
}

void TestTray::initTestCase()
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    // The server prints its display number when it is ready. Without
    // -noreset it resets whenever its last client leaves, dropping any client
    // connecting at that moment.
    m_xvfb = startProcess(QStringLiteral("Xvfb"),
                          {QStringLiteral("-displayfd"), QStringLiteral("1"),
                           QStringLiteral("-screen"), QStringLiteral("0"),
                           QStringLiteral("1024x768x24"), QStringLiteral("-nolisten"),
                           QStringLiteral("tcp"), QStringLiteral("-noreset")},
                          env);
    QTRY_VERIFY_WITH_TIMEOUT(m_xvfb->canReadLine(), 15000);
    m_display = QLatin1Char(':') + QString::fromLatin1(m_xvfb->readLine().trimmed());

    m_busDaemon = startProcess(QStringLiteral("dbus-daemon"),
                               {QStringLiteral("--session"), QStringLiteral("--nofork"),
                                QStringLiteral("--print-address")},
                               env);
    QTRY_VERIFY_WITH_TIMEOUT(m_busDaemon->canReadLine(), 15000);
    m_busAddress = QString::fromLatin1(m_busDaemon->readLine().trimmed());
    // The private bus is this process's session bus too.
    qputenv("DBUS_SESSION_BUS_ADDRESS", m_busAddress.toUtf8());
    m_bus = std::make_unique<QDBusConnection>(
        QDBusConnection::connectToBus(m_busAddress, QStringLiteral("desktop")));
    QVERIFY(m_bus->isConnected());
    m_watcher = std::make_unique<StatusNotifierWatcher>(*m_bus);
    m_notifications = std::make_unique<NotificationServer>(*m_bus);
    QVERIFY(m_notifications->start());

    env.insert(QStringLiteral("DISPLAY"), m_display);
    m_wm = startProcess(QStringLiteral("openbox"), {}, env);
    QVERIFY(m_wm->state() == QProcess::Running);
}

void TestTray::cleanupTestCase()
{
    for (auto* p : {m_wm.get(), m_busDaemon.get(), m_xvfb.get()}) {
        if (p)
            stopProcess(*p);
    }
}

void TestTray::init()
{
    m_home = std::make_unique<PrivateHome>();
    // Launched before: the manager stays closed until asked for.
    markLaunched(*m_home, false);
}

void TestTray::cleanup()
{
    stopTray();
    m_watcher->stop();
    if (m_pendrel) {
        stopProcess(*m_pendrel, 10000);
        m_pendrel.reset();
    }
}

void TestTray::startTray(const QString& tint)
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("DISPLAY"), m_display);
    m_tray = startProcess(
        QStringLiteral("trayer"),
        {QStringLiteral("--edge"), QStringLiteral("top"), QStringLiteral("--align"),
         QStringLiteral("right"), QStringLiteral("--height"), QStringLiteral("32"),
         QStringLiteral("--transparent"), QStringLiteral("true"), QStringLiteral("--alpha"),
         QStringLiteral("0"), QStringLiteral("--tint"), tint},
        env);
}

void TestTray::stopTray()
{
    if (!m_tray)
        return;
    stopProcess(*m_tray);
    m_tray.reset();
}

void TestTray::startPendrel(const QString& platform, bool atLogin)
{
    QProcessEnvironment env = m_home->environment();
    env.insert(QStringLiteral("DISPLAY"), m_display);
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), platform);
    env.insert(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"), m_busAddress);
    m_pendrel =
        startProcess(QStringLiteral(PENDREL_BINARY),
                     atLogin ? QStringList{QStringLiteral("--autostart")} : QStringList{}, env);
    // Its tray icon is made once it is on the bus; slow under sanitizers.
    const auto onBus = [this] {
        const QDBusConnectionInterface* bus = m_bus->interface();
        const QStringList names = bus->registeredServiceNames();
        return std::any_of(names.begin(), names.end(), [&](const QString& name) {
            return bus->servicePid(name).value() == uint(m_pendrel->processId());
        });
    };
    QTRY_VERIFY_WITH_TIMEOUT(onBus(), 30000);
    QTest::qWait(1000);
    QCOMPARE(m_pendrel->state(), QProcess::Running);
}

QString TestTray::x11(const QStringList& arguments)
{
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("DISPLAY"), m_display);
    process.setProcessEnvironment(env);
    process.start(QStringLiteral("xwininfo"), arguments);
    process.waitForFinished(10000);
    return QString::fromUtf8(process.readAllStandardOutput());
}

bool TestTray::pendrelDocked()
{
    // Docked: Pendrel's icon window sits inside the tray's panel window.
    const QStringList lines =
        x11({QStringLiteral("-root"), QStringLiteral("-tree")}).split(QLatin1Char('\n'));
    int panelIndent = -1;
    for (const QString& line : lines) {
        const auto indent = int(line.size() - line.trimmed().size());
        if (line.contains(QStringLiteral("(\"panel\" \"trayer\")")))
            panelIndent = indent;
        else if (panelIndent >= 0 && indent <= panelIndent && line.contains(QStringLiteral("0x")))
            panelIndent = -1;
        else if (panelIndent >= 0 && line.contains(QStringLiteral("\"pendrel\"")))
            return true;
    }
    return false;
}

bool TestTray::managerShown()
{
    // The docked XEmbed icon bears the name too; the manager is the large one.
    static const QRegularExpression window(
        QStringLiteral(R"((0x[0-9a-f]+) "Pendrel": .* (\d+)x\d+)"));
    const QStringList lines =
        x11({QStringLiteral("-root"), QStringLiteral("-tree")}).split(QLatin1Char('\n'));
    for (const QString& line : lines) {
        const QRegularExpressionMatch match = window.match(line);
        if (match.hasMatch() && match.captured(2).toInt() >= 300 &&
            x11({QStringLiteral("-id"), match.captured(1)}).contains(QStringLiteral("IsViewable")))
            return true;
    }
    return false;
}

// Pendrel's entries among the watcher's items, by the owner's process:
// Qt's own item registers under its connection's unique name.
QStringList TestTray::pendrelItems() const
{
    return itemsOwnedBy(*m_bus, m_watcher->items(), m_pendrel->processId());
}

QString TestTray::pendrelItem() const
{
    const QStringList ours = pendrelItems();
    return ours.isEmpty() ? QString() : ours.last();
}

QVariant TestTray::itemProperty(const QString& name)
{
    QDBusMessage get = QDBusMessage::createMethodCall(
        pendrelItem(), QStringLiteral("/StatusNotifierItem"),
        QStringLiteral("org.freedesktop.DBus.Properties"), QStringLiteral("Get"));
    get << QStringLiteral("org.kde.StatusNotifierItem") << name;
    const QDBusReply<QDBusVariant> reply = m_bus->call(get);
    return reply.isValid() ? reply.value().variant() : QVariant();
}

QList<QImage> TestTray::iconPixmaps()
{
    return readPixmaps(itemProperty(QStringLiteral("IconPixmap")).value<QDBusArgument>());
}

void TestTray::xembedTrayStartedAfterPendrel()
{
    startPendrel();
    QVERIFY(!pendrelDocked());
    startTray();
    QTRY_VERIFY_WITH_TIMEOUT(pendrelDocked(), 15000);
    stopTray();
    QTRY_VERIFY_WITH_TIMEOUT(!pendrelDocked(), 5000);
    startTray(QStringLiteral("0x232323"));
    QTRY_VERIFY_WITH_TIMEOUT(pendrelDocked(), 15000);
}

void TestTray::statusNotifierItemInBothOrders_data()
{
    // X11, where Qt would dock into XEmbed, and a display without XEmbed as
    // on Wayland; the panel after Pendrel (the login race) and before it.
    QTest::addColumn<QString>("platform");
    QTest::addColumn<bool>("panelFirst");
    QTest::newRow("X11, panel later") << QStringLiteral("xcb") << false;
    QTest::newRow("no XEmbed, panel later") << QStringLiteral("offscreen") << false;
    QTest::newRow("X11, panel first") << QStringLiteral("xcb") << true;
    QTest::newRow("no XEmbed, panel first") << QStringLiteral("offscreen") << true;
}

void TestTray::statusNotifierItemInBothOrders()
{
    QFETCH(QString, platform);
    QFETCH(bool, panelFirst);
    if (panelFirst)
        QVERIFY(m_watcher->start());
    startPendrel(platform);
    if (!panelFirst)
        QVERIFY(m_watcher->start());
    QTRY_VERIFY_WITH_TIMEOUT(!pendrelItem().isEmpty(), 15000);
    // Addressed by its connection's unique name, whose owner never changes:
    // GNOME's extension loses an item it must watch a bus name for.
    QVERIFY(pendrelItem().startsWith(u':'));
    m_watcher->stop(); // the panel restarts
    QVERIFY(m_watcher->start());
    QTRY_VERIFY_WITH_TIMEOUT(!pendrelItem().isEmpty(), 15000);
    m_watcher->drop(pendrelItem()); // the host failed to set it up
    QTRY_VERIFY_WITH_TIMEOUT(!pendrelItem().isEmpty(), 5000);
    // One icon, Pendrel's own item whichever came first (Qt's has no
    // accessible description), registered once.
    QTest::qWait(3000);
    QCOMPARE(m_watcher->items().size(), 1);
    QCOMPARE(itemProperty(QStringLiteral("IconAccessibleDesc")).toString(),
             QStringLiteral("Pendrel"));

    // The menu over com.canonical.dbusmenu, as a StatusNotifier host reads it.
    const QString menuPath = itemProperty(QStringLiteral("Menu")).value<QDBusObjectPath>().path();
    QVERIFY(!menuPath.isEmpty());
    QDBusMessage layout = QDBusMessage::createMethodCall(pendrelItem(), menuPath,
                                                         QStringLiteral("com.canonical.dbusmenu"),
                                                         QStringLiteral("GetLayout"));
    layout << 0 << -1 << QStringList();
    const QDBusMessage reply = m_bus->call(layout);
    QCOMPARE(reply.arguments().size(), 2);
    const MenuItem root = readMenuItem(reply.arguments().at(1).value<QDBusArgument>());
    QStringList labels;
    int pauseId = -1;
    for (const MenuItem& item : root.children) {
        if (item.properties.value(QStringLiteral("type")).toString() == u"separator")
            continue;
        labels << item.properties.value(QStringLiteral("label")).toString();
        if (labels.last() == u"Pause all reminders")
            pauseId = item.id;
    }
    QCOMPARE(labels,
             (QStringList{QStringLiteral("Open Pendrel\u2026"),
                          QStringLiteral("Pause all reminders"), QStringLiteral("Quit Pendrel")}));

    // Pausing from the menu changes the icon at once, with no AboutToShow.
    const QList<QImage> normal = iconPixmaps();
    QVERIFY(!normal.isEmpty());
    QDBusMessage click = QDBusMessage::createMethodCall(
        pendrelItem(), menuPath, QStringLiteral("com.canonical.dbusmenu"), QStringLiteral("Event"));
    click << pauseId << QStringLiteral("clicked") << QVariant::fromValue(QDBusVariant(0)) << 0u;
    m_bus->call(click);
    const QString conf = m_home->path(QStringLiteral("config/Pendrel/Pendrel.conf"));
    QTRY_VERIFY_WITH_TIMEOUT(
        QSettings(conf, QSettings::IniFormat).value(QStringLiteral("paused")).toBool(), 10000);
    QTRY_VERIFY_WITH_TIMEOUT(iconPixmaps() != normal, 5000);
    const QList<QImage> paused = iconPixmaps();
    QCOMPARE(itemProperty(QStringLiteral("IconAccessibleDesc")).toString(),
             QStringLiteral("Pendrel, paused"));

    // The group calls of hosts that send nothing else; unknown ids come back.
    QDBusMessage show = QDBusMessage::createMethodCall(pendrelItem(), menuPath,
                                                       QStringLiteral("com.canonical.dbusmenu"),
                                                       QStringLiteral("AboutToShowGroup"));
    show << QVariant::fromValue(QList<int>{0, 99});
    const QDBusMessage shown = m_bus->call(show);
    QCOMPARE(shown.type(), QDBusMessage::ReplyMessage);
    QCOMPARE(qdbus_cast<QList<int>>(shown.arguments().at(1)), QList<int>{99});
    DBusMenu::registerTypes(); // what the product sends, as XFCE's panel sends it
    QDBusMessage group = QDBusMessage::createMethodCall(pendrelItem(), menuPath,
                                                        QStringLiteral("com.canonical.dbusmenu"),
                                                        QStringLiteral("EventGroup"));
    group << QVariant::fromValue(
        QList<DBusMenuEvent>{{pauseId, QStringLiteral("clicked"), QDBusVariant(0), 0}});
    QCOMPARE(m_bus->call(group).type(), QDBusMessage::ReplyMessage);
    QTRY_VERIFY_WITH_TIMEOUT(
        !QSettings(conf, QSettings::IniFormat).value(QStringLiteral("paused")).toBool(), 10000);
    QTRY_COMPARE_WITH_TIMEOUT(iconPixmaps(), normal, 5000);
    m_bus->call(click); // paused again, for what follows

    // Readable at 3:1 on the panels people use (XFCE's dark, Plasma's light,
    // black, GNOME's light) at every size a tray asks for: a third of the
    // icon at least, the part that tells it is a clock.
    const QRgb panels[] = {qRgb(0x35, 0x35, 0x35), qRgb(0xcf, 0xd2, 0xd4), qRgb(0, 0, 0),
                           qRgb(0xed, 0xec, 0xeb)};
    for (const auto& [images, name] : {std::pair{normal, "normal"}, std::pair{paused, "paused"}}) {
        for (const QImage& image : images) {
            if (image.width() < 16 || image.width() > 64)
                continue;
            for (const QRgb panel : panels) {
                const double share = Contrast::contrastShare(image, panel);
                qInfo("%s %d px on #%06x: %.0f %%", name, image.width(), panel & 0xffffff,
                      share * 100);
                QVERIFY(share >= 0.3);
            }
        }
    }

    if (platform != u"xcb")
        return; // no windows to see
    QVERIFY(!managerShown());
    QDBusMessage activate = QDBusMessage::createMethodCall(
        pendrelItem(), QStringLiteral("/StatusNotifierItem"),
        QStringLiteral("org.kde.StatusNotifierItem"), QStringLiteral("Activate"));
    activate << 0 << 0;
    m_bus->call(activate);
    QTRY_VERIFY_WITH_TIMEOUT(managerShown(), 10000);
}

void TestTray::watcherWithoutPanelLeavesTheXEmbedIcon()
{
    startTray();
    startPendrel();
    QTRY_VERIFY_WITH_TIMEOUT(pendrelDocked(), 15000);
    m_watcher->setHostRegistered(false);
    QVERIFY(m_watcher->start());
    QTest::qWait(3000);
    QVERIFY(pendrelDocked());
    QVERIFY(pendrelItems().isEmpty());
    // A panel comes to the watcher: now Pendrel's item shows there.
    m_watcher->setHostRegistered(true);
    QTRY_VERIFY_WITH_TIMEOUT(!pendrelItem().isEmpty(), 15000);
    QTRY_VERIFY_WITH_TIMEOUT(!pendrelDocked(), 5000); // one icon only
    // And when the watcher goes, the icon docks into the XEmbed tray again.
    m_watcher->stop();
    QTRY_VERIFY_WITH_TIMEOUT(pendrelDocked(), 15000);
}

void TestTray::userStartWithoutTrayOpensTheManager_data()
{
    QTest::addColumn<QString>("tray");
    QTest::addColumn<bool>("atLogin");
    QTest::addColumn<bool>("opens");
    QTest::newRow("no tray") << QString() << false << true;
    QTest::newRow("no tray, at login") << QString() << true << false;
    QTest::newRow("XEmbed tray") << QStringLiteral("xembed") << false << false;
    QTest::newRow("panel") << QStringLiteral("panel") << false << false;
}

void TestTray::userStartWithoutTrayOpensTheManager()
{
    QFETCH(QString, tray);
    QFETCH(bool, atLogin);
    QFETCH(bool, opens);
    if (tray == u"xembed") {
        startTray();
        QTest::qWait(1000);
    } else if (tray == u"panel") {
        QVERIFY(m_watcher->start());
    }
    startPendrel(QStringLiteral("xcb"), atLogin);
    if (opens) {
        QTRY_VERIFY_WITH_TIMEOUT(managerShown(), 10000);
    } else {
        QTest::qWait(6000); // past the longest the start waits to settle
        QVERIFY(!managerShown());
    }
}

void TestTray::desktopNotificationReachesTheServer()
{
    // Text that looks like markup goes as it is: the server decides.
    DesktopNotification::show(QStringLiteral("Pendrel keeps running"), QStringLiteral("<b>on</b>"));
    QTRY_COMPARE_WITH_TIMEOUT(
        m_notifications->shown,
        QStringList{QStringLiteral("Pendrel|Pendrel keeps running|<b>on</b>")}, 5000);
}

QTEST_GUILESS_MAIN(TestTray)
#include "tst_tray.moc"
