// Pendrel in XFCE's panel (xfce4-panel's status tray) on a private X display
// and session bus, started in both orders and shown in both looks: the icon
// shows once and reads, the panel's own menu pauses and quits, a click opens
// the manager, and no call the panel makes gets an error.
#include "common/private_home.h"
#include "contrast.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusReply>
#include <QDBusVariant>
#include <QGuiApplication>
#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QScreen>
#include <QSettings>
#include <QtTest>

#include <memory>

namespace {

const QString watcherService = QStringLiteral("org.kde.StatusNotifierWatcher");
constexpr int panelHeight = 32;

// The panel: one status tray, along the top of the screen.
const char panelConfig[] = R"(<?xml version="1.0" encoding="UTF-8"?>
<channel name="xfce4-panel" version="1.0">
  <property name="configver" type="int" value="2"/>
  <property name="panels" type="array">
    <value type="int" value="1"/>
    <property name="panel-1" type="empty">
      <property name="position" type="string" value="p=6;x=0;y=0"/>
      <property name="length" type="uint" value="100"/>
      <property name="position-locked" type="bool" value="true"/>
      <property name="size" type="uint" value="32"/>
      <property name="plugin-ids" type="array">
        <value type="int" value="1"/>
      </property>
    </property>
  </property>
  <property name="plugins" type="empty">
    <property name="plugin-1" type="string" value="systray"/>
  </property>
</channel>
)";

bool differs(QRgb a, QRgb b)
{
    return std::abs(qRed(a) - qRed(b)) + std::abs(qGreen(a) - qGreen(b)) +
               std::abs(qBlue(a) - qBlue(b)) >
           24;
}

} // namespace

class TestPanel : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void cleanupTestCase();
    void cleanup();
    void bothOrdersBothLooks_data();
    void bothOrdersBothLooks();

private:
    std::unique_ptr<QProcess> start(const QString& program, const QStringList& arguments,
                                    const QProcessEnvironment& env);
    bool run(const QString& program, const QStringList& arguments);
    void startPanel();
    void startPendrel();
    QStringList pendrelItems();
    QVariant itemProperty(const QString& name);
    // The panel's strip as it shows, and where the icon sits on it.
    QImage panelStrip();
    QRect iconArea(const QImage& strip);
    void click(QPoint at, int button);
    bool managerShown();
    QStringList errorsFromPendrel();

    QDBusConnection m_bus = QDBusConnection::sessionBus();
    std::unique_ptr<QProcess> m_wm;
    std::unique_ptr<QProcess> m_monitor;
    std::unique_ptr<QProcess> m_panel;
    std::unique_ptr<QProcess> m_pendrel;
    std::unique_ptr<PrivateHome> m_home;
    QString m_pendrelName;
    QByteArray m_monitored;
};

std::unique_ptr<QProcess> TestPanel::start(const QString& program, const QStringList& arguments,
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
    // xfconfd, started by the bus for the panel, reads this folder.
    const QString channels =
        QProcessEnvironment::systemEnvironment().value(QStringLiteral("XDG_CONFIG_HOME")) +
        QStringLiteral("/xfce4/xfconf/xfce-perchannel-xml");
    QVERIFY(QDir().mkpath(channels));
    QFile config(channels + QStringLiteral("/xfce4-panel.xml"));
    QVERIFY(config.open(QIODevice::WriteOnly));
    config.write(panelConfig);
    config.close();
    m_wm = start(QStringLiteral("openbox"), {}, QProcessEnvironment::systemEnvironment());
    m_monitor = start(QStringLiteral("dbus-monitor"), {QStringLiteral("type='error'")},
                      QProcessEnvironment::systemEnvironment());
    QVERIFY(m_monitor->state() == QProcess::Running);
}

void TestPanel::cleanupTestCase()
{
    for (auto* p : {m_monitor.get(), m_wm.get()}) {
        p->terminate();
        p->waitForFinished(5000);
    }
}

void TestPanel::cleanup()
{
    for (auto* p : {m_pendrel.get(), m_panel.get()}) {
        if (p && p->state() != QProcess::NotRunning) {
            p->terminate();
            p->waitForFinished(10000);
        }
    }
    m_pendrel.reset();
    m_panel.reset();
    QTRY_VERIFY_WITH_TIMEOUT(!m_bus.interface()->isServiceRegistered(watcherService).value(),
                             10000);
}

void TestPanel::startPanel()
{
    m_panel = start(QStringLiteral("xfce4-panel"), {}, QProcessEnvironment::systemEnvironment());
    QTRY_VERIFY_WITH_TIMEOUT(m_bus.interface()->isServiceRegistered(watcherService).value(), 15000);
}

void TestPanel::startPendrel()
{
    m_home = std::make_unique<PrivateHome>();
    QSettings settings(m_home->path(QStringLiteral("config/Pendrel/Pendrel.conf")),
                       QSettings::IniFormat);
    settings.setValue(QStringLiteral("hasLaunched"), true);
    settings.setValue(QStringLiteral("loginOptOut"), true);
    settings.sync();
    QProcessEnvironment env = m_home->environment();
    env.insert(
        QStringLiteral("DBUS_SESSION_BUS_ADDRESS"),
        QProcessEnvironment::systemEnvironment().value(QStringLiteral("DBUS_SESSION_BUS_ADDRESS")));
    m_pendrel = start(QStringLiteral(PENDREL_BINARY), {QStringLiteral("--autostart")}, env);
}

QStringList TestPanel::pendrelItems()
{
    QDBusMessage get = QDBusMessage::createMethodCall(
        watcherService, QStringLiteral("/StatusNotifierWatcher"),
        QStringLiteral("org.freedesktop.DBus.Properties"), QStringLiteral("Get"));
    get << watcherService << QStringLiteral("RegisteredStatusNotifierItems");
    const QDBusReply<QDBusVariant> reply = m_bus.call(get);
    QStringList ours;
    const uint pid = uint(m_pendrel->processId());
    for (const QString& item : reply.value().variant().toStringList()) {
        const QString service = item.section(QLatin1Char('/'), 0, 0);
        if (m_bus.interface()->servicePid(service).value() == pid)
            ours << service;
    }
    return ours;
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

QImage TestPanel::panelStrip()
{
    QScreen* screen = QGuiApplication::primaryScreen();
    return screen->grabWindow(0, 0, 0, screen->size().width(), panelHeight)
        .toImage()
        .convertToFormat(QImage::Format_RGB32);
}

QRect TestPanel::iconArea(const QImage& strip)
{
    // The strip's far end is bare panel; the tray is the only plugin.
    const QRgb panel = strip.pixel(strip.width() - 2, strip.height() / 2);
    QRect area;
    for (int y = 2; y < strip.height() - 2; ++y)
        for (int x = 0; x < strip.width(); ++x)
            if (differs(strip.pixel(x, y), panel))
                area |= QRect(x, y, 1, 1);
    return area;
}

void TestPanel::click(QPoint at, int button)
{
    QVERIFY(run(QStringLiteral("xdotool"),
                {QStringLiteral("mousemove"), QString::number(at.x()), QString::number(at.y()),
                 QStringLiteral("click"), QString::number(button)}));
}

bool TestPanel::managerShown()
{
    QProcess search;
    search.start(QStringLiteral("xdotool"),
                 {QStringLiteral("search"), QStringLiteral("--onlyvisible"),
                  QStringLiteral("--name"), QStringLiteral("^Pendrel$")});
    search.waitForFinished(10000);
    for (const QByteArray& id : search.readAllStandardOutput().split('\n')) {
        QProcess geometry;
        geometry.start(QStringLiteral("xdotool"),
                       {QStringLiteral("getwindowgeometry"), QString::fromLatin1(id)});
        geometry.waitForFinished(10000);
        const QRegularExpressionMatch size =
            QRegularExpression(QStringLiteral(R"(Geometry: (\d+)x)"))
                .match(QString::fromLatin1(geometry.readAllStandardOutput()));
        if (size.hasMatch() && size.captured(1).toInt() >= 300) // not the tray's icon window
            return true;
    }
    return false;
}

QStringList TestPanel::errorsFromPendrel()
{
    m_monitored += m_monitor->readAllStandardOutput();
    QStringList errors;
    for (const QByteArray& line : m_monitored.split('\n')) {
        if (line.startsWith("error ") &&
            line.contains(QByteArray("sender=") + m_pendrelName.toLatin1() + ' '))
            errors << QString::fromLatin1(line);
    }
    return errors;
}

void TestPanel::bothOrdersBothLooks_data()
{
    QTest::addColumn<bool>("panelFirst");
    QTest::addColumn<bool>("dark");
    QTest::newRow("Pendrel first, dark panel") << false << true;
    QTest::newRow("Pendrel first, light panel") << false << false;
    QTest::newRow("panel first, dark panel") << true << true;
    QTest::newRow("panel first, light panel") << true << false;
}

void TestPanel::bothOrdersBothLooks()
{
    QFETCH(bool, panelFirst);
    QFETCH(bool, dark);
    QVERIFY(run(QStringLiteral("xfconf-query"),
                {QStringLiteral("-c"), QStringLiteral("xfce4-panel"), QStringLiteral("-p"),
                 QStringLiteral("/panels/dark-mode"), QStringLiteral("-n"), QStringLiteral("-t"),
                 QStringLiteral("bool"), QStringLiteral("-s"),
                 dark ? QStringLiteral("true") : QStringLiteral("false")}));
    if (panelFirst) {
        startPanel();
        startPendrel();
    } else {
        startPendrel(); // the login race: the panel comes 3 s later
        QTest::qWait(3000);
        startPanel();
    }

    // Shown within 10 s, once, by Pendrel's own item, and it stays.
    QTRY_COMPARE_WITH_TIMEOUT(pendrelItems().size(), 1, 10000);
    m_pendrelName = m_bus.interface()->serviceOwner(pendrelItems().first()).value();
    QTRY_VERIFY_WITH_TIMEOUT(iconArea(panelStrip()).isValid(), 5000);
    QTest::qWait(2000);
    QCOMPARE(pendrelItems().size(), 1);
    QCOMPARE(itemProperty(QStringLiteral("IconAccessibleDesc")).toString(),
             QStringLiteral("Pendrel"));
    const QImage strip = panelStrip();
    const QRect area = iconArea(strip);
    QVERIFY2(area.isValid() && area.width() <= panelHeight * 2,
             "one icon on the panel, not two"); // an XEmbed icon beside it would widen this

    // It reads: a third of it at 3:1 against the panel as the panel draws it.
    const QRgb panel = strip.pixel(strip.width() - 2, strip.height() / 2);
    QImage icon = strip.copy(area).convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < icon.height(); ++y)
        for (int x = 0; x < icon.width(); ++x)
            if (!differs(icon.pixel(x, y), panel))
                icon.setPixel(x, y, qRgba(0, 0, 0, 0));
    const double share = Contrast::contrastShare(icon, panel);
    qInfo("icon %dx%d on #%06x: %.0f %% at 3:1", area.width(), area.height(), panel & 0xffffff,
          share * 100);
    QVERIFY(share >= 0.3);

    // The panel's own menu: right click, then its second entry pauses.
    const QString conf = m_home->path(QStringLiteral("config/Pendrel/Pendrel.conf"));
    const auto paused = [&conf] {
        return QSettings(conf, QSettings::IniFormat).value(QStringLiteral("paused")).toBool();
    };
    const auto choose = [this, area](int entry) {
        click(area.center(), 3);
        QTest::qWait(1000);
        QStringList keys;
        for (int i = 0; i < entry; ++i)
            keys << QStringLiteral("Down");
        keys << QStringLiteral("Return");
        QVERIFY(run(
            QStringLiteral("xdotool"),
            QStringList{QStringLiteral("key"), QStringLiteral("--delay"), QStringLiteral("150")} +
                keys));
    };
    choose(2);
    QTRY_VERIFY_WITH_TIMEOUT(paused(), 10000);
    QTRY_VERIFY_WITH_TIMEOUT(panelStrip().copy(area) != strip.copy(area), 5000); // paused look
    QCOMPARE(itemProperty(QStringLiteral("IconAccessibleDesc")).toString(),
             QStringLiteral("Pendrel, paused"));
    choose(2);
    QTRY_VERIFY_WITH_TIMEOUT(!paused(), 10000);

    // A left click opens the manager.
    QVERIFY(!managerShown());
    click(area.center(), 1);
    QTRY_VERIFY_WITH_TIMEOUT(managerShown(), 10000);

    // The menu's last entry quits.
    choose(3);
    QVERIFY(m_pendrel->waitForFinished(15000));
    QCOMPARE(m_pendrel->exitCode(), 0);
    QTest::qWait(500);
    QCOMPARE(errorsFromPendrel(), QStringList());
}

QTEST_MAIN(TestPanel)
#include "tst_panel.moc"
