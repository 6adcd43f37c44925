#include "desktop_panel.h"

#include "common/child_process.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {

bool writeText(const QString& path, const QString& text)
{
    QDir().mkpath(path.section(QLatin1Char('/'), 0, -2));
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(text.toUtf8()) == text.toUtf8().size();
}

// One status tray along the top of the screen.
const char xfceConfig[] = R"(<?xml version="1.0" encoding="UTF-8"?>
<channel name="xfce4-panel" version="1.0">
  <property name="configver" type="int" value="2"/>
  <property name="panels" type="array">
    <value type="int" value="1"/>
    <property name="dark-mode" type="bool" value="%1"/>
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

// Its StatusNotifier tray and its XEmbed tray, as LXQt's default panel has.
const char lxqtConfig[] = R"([General]
__userfile__=true
panels=panel1

[panel1]
position=Top
panelSize=32
iconSize=22
plugins=statusnotifier, tray

[statusnotifier]
type=statusnotifier

[tray]
type=tray
)";

const char tint2Config[] = R"(rounded = 0
border_width = 0
background_color = %1 100
border_color = #000000 0
panel_background_id = 1
panel_items = S
panel_position = top center horizontal
panel_size = 100% 32
systray_padding = 4 4 4
systray_background_id = 0
systray_icon_size = 22
)";

// GNOME Shell asks the system bus for logind, accounts and more, and copes
// when they are missing; a private bus that lets everything through does.
const char systemBusConfig[] = R"(<!DOCTYPE busconfig PUBLIC
 "-//freedesktop//DTD D-Bus Bus Configuration 1.0//EN"
 "http://www.freedesktop.org/standards/dbus/1.0/busconfig.dtd">
<busconfig>
  <type>system</type>
  <listen>unix:path=%1</listen>
  <auth>EXTERNAL</auth>
  <policy context="default">
    <allow user="*"/>
    <allow own="*"/>
    <allow send_destination="*"/>
    <allow receive_sender="*"/>
  </policy>
</busconfig>
)";

} // namespace

DesktopPanel::DesktopPanel(QString kind)
    : m_kind(std::move(kind)), m_dir(std::make_unique<QTemporaryDir>())
{}

DesktopPanel::~DesktopPanel()
{
    stop();
    if (m_windowManager)
        stopProcess(*m_windowManager);
}

QStringList DesktopPanel::kinds()
{
    return {QStringLiteral("xfce"), QStringLiteral("lxqt"), QStringLiteral("tint2"),
            QStringLiteral("plasma"), QStringLiteral("gnome")};
}

QStringList DesktopPanel::looks() const
{
    // LXQt's themes and GNOME's top bar do not follow a light/dark choice.
    if (m_kind == u"lxqt" || m_kind == u"gnome")
        return {QStringLiteral("default")};
    return {QStringLiteral("dark"), QStringLiteral("light")};
}

QString DesktopPanel::configHome() const
{
    // The panel's settings services are started by the session bus, with
    // the bus's environment: the test's own private configuration folder.
    return qEnvironmentVariable("XDG_CONFIG_HOME");
}

std::unique_ptr<QProcess> DesktopPanel::launch(const QString& program, const QStringList& arguments,
                                               const QProcessEnvironment& env)
{
    auto process = std::make_unique<QProcess>();
    process->setProcessEnvironment(env);
    process->setProcessChannelMode(QProcess::MergedChannels);
    process->setStandardOutputFile(
        m_dir->filePath(program.section(u'/', -1) + QStringLiteral(".log")));
    process->start(program, arguments);
    if (!process->waitForStarted(5000)) {
        qWarning("cannot start %s: install it (scripts/setup has the panels CI uses)",
                 qPrintable(program));
        return nullptr;
    }
    return process;
}

bool DesktopPanel::configure(const QString& look)
{
    const bool dark = look == u"dark";
    const QString config = configHome();
    if (config.isEmpty()) {
        qWarning("XDG_CONFIG_HOME is not set: run through tests/run-isolated");
        return false;
    }
    bool written = true;
    if (m_kind == u"xfce") {
        // Read once by xfconfd, which then keeps the settings: later looks go
        // through it.
        const QString channel =
            config + QStringLiteral("/xfce4/xfconf/xfce-perchannel-xml/xfce4-panel.xml");
        const QString value = dark ? QStringLiteral("true") : QStringLiteral("false");
        if (!QFile::exists(channel))
            written = writeText(channel, QString::fromLatin1(xfceConfig).arg(value));
        QProcess::execute(QStringLiteral("xfconf-query"),
                          {QStringLiteral("-c"), QStringLiteral("xfce4-panel"),
                           QStringLiteral("-p"), QStringLiteral("/panels/dark-mode"),
                           QStringLiteral("-n"), QStringLiteral("-t"), QStringLiteral("bool"),
                           QStringLiteral("-s"), value});
    } else if (m_kind == u"lxqt") {
        written =
            writeText(config + QStringLiteral("/lxqt/panel.conf"), QString::fromLatin1(lxqtConfig));
    } else if (m_kind == u"tint2") {
        written = writeText(config + QStringLiteral("/tint2/tint2rc"),
                            QString::fromLatin1(tint2Config)
                                .arg(dark ? QStringLiteral("#353535") : QStringLiteral("#edeceb")));
    } else if (m_kind == u"plasma") {
        written =
            writeText(config + QStringLiteral("/kdeglobals"),
                      QStringLiteral("[General]\nColorScheme=%1\n\n[KDE]\nLookAndFeelPackage=%2\n")
                          .arg(dark ? QStringLiteral("BreezeDark") : QStringLiteral("BreezeLight"),
                               dark ? QStringLiteral("org.kde.breezedark.desktop")
                                    : QStringLiteral("org.kde.breeze.desktop")));
        written = written && writeText(config + QStringLiteral("/plasmarc"),
                                       QStringLiteral("[Theme]\nname=%1\n")
                                           .arg(dark ? QStringLiteral("breeze-dark")
                                                     : QStringLiteral("breeze-light")));
    } else if (m_kind == u"gnome") {
        // The keyfile backend, so no dconf service is needed; the extension
        // on, the welcome tour off.
        written =
            writeText(config + QStringLiteral("/glib-2.0/settings/keyfile"),
                      QStringLiteral("[org/gnome/shell]\n"
                                     "enabled-extensions=['ubuntu-appindicators@ubuntu.com']\n"
                                     "disable-user-extensions=false\n"
                                     "welcome-dialog-last-shown-version='999'\n"));
    }
    if (!written)
        qWarning("cannot write the panel's settings under %s", qPrintable(config));
    return written;
}

bool DesktopPanel::start(const QString& look)
{
    if (!configure(look))
        return false;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove(QStringLiteral("QT_QPA_PLATFORM"));
    env.remove(QStringLiteral("QT_LINUX_ACCESSIBILITY_ALWAYS_ON"));
    // GTK waits for the accessibility registry before it maps a window; on
    // a busy machine that takes longer than the test.
    env.insert(QStringLiteral("NO_AT_BRIDGE"), QStringLiteral("1"));
    const auto add = [this](std::unique_ptr<QProcess> process) {
        if (!process)
            return false;
        m_processes.push_back(std::move(process));
        return true;
    };
    // Plasma and GNOME bring their own window manager; the others get one
    // for the whole run, as a session has (a new one per panel races the
    // last one's exit, and XFCE's panel waits for the window manager).
    if (!m_windowManager && (m_kind == u"xfce" || m_kind == u"lxqt" || m_kind == u"tint2")) {
        m_windowManager = launch(QStringLiteral("openbox"), {}, env);
        if (!m_windowManager)
            return false;
        QTest::qWait(1000);
    }
    if (m_kind == u"xfce")
        return add(launch(QStringLiteral("xfce4-panel"), {}, env));
    if (m_kind == u"lxqt") {
        env.insert(QStringLiteral("XDG_CURRENT_DESKTOP"), QStringLiteral("LXQt"));
        return add(launch(QStringLiteral("lxqt-panel"), {}, env));
    }
    if (m_kind == u"tint2")
        return add(launch(QStringLiteral("tint2"),
                          {QStringLiteral("-c"), configHome() + QStringLiteral("/tint2/tint2rc")},
                          env));
    if (m_kind == u"plasma") {
        env.insert(QStringLiteral("XDG_CURRENT_DESKTOP"), QStringLiteral("KDE"));
        env.insert(QStringLiteral("KDE_FULL_SESSION"), QStringLiteral("true"));
        env.insert(QStringLiteral("KDE_SESSION_VERSION"), QStringLiteral("5"));
        if (!add(launch(QStringLiteral("kwin_x11"), {QStringLiteral("--replace")}, env)))
            return false;
        QTest::qWait(2000);
        // kded holds Plasma's StatusNotifier watcher.
        return add(launch(QStringLiteral("kded5"), {}, env)) &&
               add(launch(QStringLiteral("plasmashell"), {}, env));
    }
    if (m_kind == u"gnome") {
        const QString socket = m_dir->filePath(QStringLiteral("system_bus"));
        writeText(m_dir->filePath(QStringLiteral("system.conf")),
                  QString::fromLatin1(systemBusConfig).arg(socket));
        if (!add(launch(QStringLiteral("dbus-daemon"),
                        {QStringLiteral("--nofork"), QStringLiteral("--config-file"),
                         m_dir->filePath(QStringLiteral("system.conf"))},
                        env)))
            return false;
        QTest::qWait(500);
        env.insert(QStringLiteral("DBUS_SYSTEM_BUS_ADDRESS"),
                   QStringLiteral("unix:path=") + socket);
        env.insert(QStringLiteral("GSETTINGS_BACKEND"), QStringLiteral("keyfile"));
        env.insert(QStringLiteral("XDG_SESSION_TYPE"), QStringLiteral("x11"));
        env.insert(QStringLiteral("XDG_CURRENT_DESKTOP"), QStringLiteral("GNOME"));
        return add(launch(QStringLiteral("gnome-shell"),
                          {QStringLiteral("--x11"), QStringLiteral("--replace")}, env));
    }
    return false;
}

void DesktopPanel::stop()
{
    // The last started first: the shell before its system bus.
    for (auto it = m_processes.rbegin(); it != m_processes.rend(); ++it) {
        stopProcess(**it, 10000);
    }
    m_processes.clear();
}

QString DesktopPanel::logs() const
{
    QString text;
    for (const QString& name : QDir(m_dir->path()).entryList({QStringLiteral("*.log")})) {
        QFile file(m_dir->filePath(name));
        if (file.open(QIODevice::ReadOnly))
            text += QStringLiteral("== ") + name + u'\n' +
                    QString::fromUtf8(file.readAll().right(4000));
    }
    return text;
}
