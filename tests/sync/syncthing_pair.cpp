#include "syncthing_pair.h"

#include "common/child_process.h"

#include <QDateTime>
#include <QDeadlineTimer>
#include <QDir>
#include <QDomDocument>
#include <QEventLoop>
#include <QFile>
#include <QJsonDocument>
#include <QNetworkProxy>
#include <QNetworkReply>
#include <QRegularExpression>
#include <QTcpServer>
#include <QTest>

#include <functional>

namespace {

constexpr const char* folderId = "pendrel";
// Generous: two Syncthings, two Pendrels and a build may share two cores.
constexpr int startMsecs = 60'000;
constexpr int connectMsecs = 60'000;
constexpr int inSyncMsecs = 180'000;
constexpr int stopMsecs = 15'000;
// In step this long before it counts: a Pendrel answering a delivered
// file answers within it.
constexpr int steadyMsecs = 2'000;

bool waitFor(const std::function<bool()>& condition, int msecs)
{
    QDeadlineTimer deadline(msecs);
    while (!condition()) {
        if (deadline.hasExpired())
            return false;
        QTest::qWait(250);
    }
    return true;
}

// Distinct free ports, held until all are chosen.
std::array<quint16, 4> freePorts()
{
    std::array<QTcpServer, 4> servers;
    std::array<quint16, 4> ports{};
    for (size_t i = 0; i < servers.size(); ++i) {
        servers[i].listen(QHostAddress::LocalHost, 0);
        ports[i] = servers[i].serverPort();
    }
    return ports;
}

// The folder's visible files and their bytes; Syncthing's own marker and
// temporary files are hidden ones.
QMap<QString, QByteArray> contents(const QString& folder)
{
    QMap<QString, QByteArray> files;
    const QDir dir(folder);
    for (const QString& name : dir.entryList(QDir::Files)) {
        QFile file(dir.filePath(name));
        files.insert(name, file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray());
    }
    return files;
}

// A file entry's modification time, to the millisecond a QFileInfo gives.
QDateTime modified(const QJsonObject& entry)
{
    static const QRegularExpression finer(QStringLiteral(R"((\.\d{3})\d+)"));
    QString text = entry.value(QStringLiteral("modified")).toString();
    text.replace(finer, QStringLiteral("\\1"));
    return QDateTime::fromString(text, Qt::ISODateWithMs);
}

QProcessEnvironment syncthingEnvironment(const QString& home)
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    // Its clock is the real one, and it dials its peer directly.
    for (const char* name : {"LD_PRELOAD", "FAKETIME", "http_proxy", "https_proxy", "all_proxy",
                             "HTTP_PROXY", "HTTPS_PROXY", "ALL_PROXY"})
        env.remove(QString::fromLatin1(name));
    env.insert(QStringLiteral("HOME"), home);
    env.insert(QStringLiteral("STNODEFAULTFOLDER"), QStringLiteral("1"));
    env.insert(QStringLiteral("STNOUPGRADE"), QStringLiteral("1"));
    env.insert(QStringLiteral("STNORESTART"), QStringLiteral("1"));
    // No monitor process around it: the process held here is Syncthing itself.
    env.insert(QStringLiteral("STMONITORED"), QStringLiteral("yes"));
    return env;
}

} // namespace

SyncthingPair::SyncthingPair(const Side& first, const Side& second, const Options& options)
    : m_options(options)
{
    m_devices[0].side = first;
    m_devices[1].side = second;
    m_network.setProxy(QNetworkProxy::NoProxy);
}

SyncthingPair::~SyncthingPair()
{
    for (Device& device : m_devices)
        stop(device);
}

bool SyncthingPair::fail(const QString& why)
{
    m_error = why;
    return false;
}

bool SyncthingPair::start()
{
    const auto ports = freePorts();
    for (size_t i = 0; i < m_devices.size(); ++i) {
        m_devices[i].listenPort = ports[2 * i];
        m_devices[i].guiPort = ports[2 * i + 1];
        if (!generate(m_devices[i]))
            return false;
    }
    for (size_t i = 0; i < m_devices.size(); ++i) {
        // Syncthing shares only a folder that carries its marker.
        QDir().mkpath(m_devices[i].side.folder + QStringLiteral("/.stfolder"));
        if (!writeConfig(m_devices[i], m_devices[1 - i]) || !launch(m_devices[i]))
            return false;
    }
    return waitConnected(true, connectMsecs) ||
           fail(QStringLiteral("the devices are still apart after %1 s").arg(connectMsecs / 1000));
}

bool SyncthingPair::generate(Device& device)
{
    QProcess run;
    run.setProcessEnvironment(syncthingEnvironment(device.side.home));
    run.setProcessChannelMode(QProcess::MergedChannels);
    run.start(QStringLiteral("syncthing"),
              {QStringLiteral("generate"), QStringLiteral("--home=") + device.side.home,
               QStringLiteral("--no-default-folder"), QStringLiteral("--skip-port-probing")});
    if (!run.waitForFinished(startMsecs) || run.exitCode() != 0)
        return fail(QStringLiteral("syncthing generate: ") + run.errorString() +
                    QString::fromLocal8Bit(run.readAll()));
    QFile file(configPath(device));
    if (!file.open(QIODevice::ReadOnly) || !device.config.setContent(&file))
        return fail(QStringLiteral("no config from syncthing generate in ") + device.side.home);
    const QDomElement root = device.config.documentElement();
    device.id = root.firstChildElement(QStringLiteral("device")).attribute(QStringLiteral("id"));
    device.apiKey = root.firstChildElement(QStringLiteral("gui"))
                        .firstChildElement(QStringLiteral("apikey"))
                        .text()
                        .toLatin1();
    return !device.id.isEmpty() ||
           fail(QStringLiteral("no device ID in the config in ") + device.side.home);
}

bool SyncthingPair::writeConfig(Device& device, const Device& peer)
{
    QDomDocument& config = device.config;
    QDomElement root = config.documentElement();
    const auto set = [&config](QDomElement parent, const char* name, const QString& value) {
        QDomElement element = parent.firstChildElement(QString::fromLatin1(name));
        if (element.isNull())
            element =
                parent.appendChild(config.createElement(QString::fromLatin1(name))).toElement();
        while (element.hasChildNodes())
            element.removeChild(element.firstChild());
        element.appendChild(config.createTextNode(value));
    };
    // The folder and the peer as Syncthing's window adds them: from its defaults.
    const QDomElement defaults = root.firstChildElement(QStringLiteral("defaults"));
    QDomElement folder =
        defaults.firstChildElement(QStringLiteral("folder")).cloneNode().toElement();
    folder.setAttribute(QStringLiteral("id"), QString::fromLatin1(folderId));
    folder.setAttribute(QStringLiteral("label"), QStringLiteral("Pendrel"));
    folder.setAttribute(QStringLiteral("path"), device.side.folder);
    folder.setAttribute(QStringLiteral("rescanIntervalS"), m_options.rescanSecs);
    folder.setAttribute(QStringLiteral("fsWatcherEnabled"), QStringLiteral("true"));
    folder.setAttribute(QStringLiteral("fsWatcherDelayS"), m_options.watcherDelaySecs);
    QDomElement member = folder.firstChildElement(QStringLiteral("device"));
    QDomElement peerMember = folder.insertAfter(member.cloneNode(), member).toElement();
    peerMember.setAttribute(QStringLiteral("id"), peer.id);
    root.insertBefore(folder, root.firstChild());
    QDomElement other =
        defaults.firstChildElement(QStringLiteral("device")).cloneNode().toElement();
    other.setAttribute(QStringLiteral("id"), peer.id);
    set(other, "address", QStringLiteral("tcp://127.0.0.1:%1").arg(peer.listenPort));
    root.insertBefore(other, defaults);

    QDomElement gui = root.firstChildElement(QStringLiteral("gui"));
    set(gui, "address", QStringLiteral("127.0.0.1:%1").arg(device.guiPort));
    QDomElement options = root.firstChildElement(QStringLiteral("options"));
    set(options, "listenAddress", QStringLiteral("tcp://127.0.0.1:%1").arg(device.listenPort));
    // Nothing but the peer on 127.0.0.1: no discovery, relays, NAT, STUN,
    // reports or upgrades.
    for (const char* off :
         {"globalAnnounceEnabled", "localAnnounceEnabled", "relaysEnabled", "natEnabled",
          "announceLANAddresses", "crashReportingEnabled", "startBrowser", "restartOnWakeup"})
        set(options, off, QStringLiteral("false"));
    set(options, "urAccepted", QStringLiteral("-1"));
    set(options, "autoUpgradeIntervalH", QStringLiteral("0"));
    set(options, "stunKeepaliveStartS", QStringLiteral("0"));
    // Connected again a second or two after a resume.
    set(options, "reconnectionIntervalS", QStringLiteral("1"));
    // Lowered priority starves it on a busy machine.
    set(options, "setLowPriority", QStringLiteral("false"));

    QFile file(configPath(device));
    const QByteArray bytes = config.toByteArray();
    return (file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
            file.write(bytes) == bytes.size()) ||
           fail(QStringLiteral("cannot write ") + file.fileName());
}

bool SyncthingPair::launch(Device& device)
{
    device.process = std::make_unique<QProcess>();
    endWithTest(*device.process);
    device.process->setProcessEnvironment(syncthingEnvironment(device.side.home));
    device.process->setProcessChannelMode(QProcess::MergedChannels);
    // Its log stays in its home, for a look after a failure.
    device.process->setStandardOutputFile(device.side.home + QStringLiteral("/syncthing.log"));
    device.process->start(QStringLiteral("syncthing"),
                          {QStringLiteral("serve"), QStringLiteral("--home=") + device.side.home,
                           QStringLiteral("--no-browser"), QStringLiteral("--no-restart"),
                           QStringLiteral("--no-upgrade"), QStringLiteral("--logflags=3")});
    if (!device.process->waitForStarted(startMsecs))
        return fail(QStringLiteral("syncthing serve: ") + device.process->errorString());
    const auto ended = [&] { return device.process->state() != QProcess::Running; };
    const bool answers = waitFor(
        [&] {
            return ended() || call(device, "GET", QStringLiteral("/rest/system/ping"))
                                      .value(QStringLiteral("ping")) == QStringLiteral("pong");
        },
        startMsecs);
    if (ended())
        return fail(
            QStringLiteral("syncthing in %1 ended; see its syncthing.log").arg(device.side.home));
    return answers || fail(QStringLiteral("syncthing in %1 does not answer: %2")
                               .arg(device.side.home, m_error));
}

void SyncthingPair::stop(Device& device)
{
    if (!device.process || device.process->state() == QProcess::NotRunning)
        return;
    call(device, "POST", QStringLiteral("/rest/system/shutdown"));
    if (device.process->waitForFinished(stopMsecs))
        return;
    stopProcess(*device.process, stopMsecs);
}

QJsonObject SyncthingPair::call(const Device& device, const QByteArray& verb, const QString& path)
{
    QNetworkRequest request(
        QUrl(QStringLiteral("http://127.0.0.1:%1%2").arg(device.guiPort).arg(path)));
    request.setRawHeader("X-API-Key", device.apiKey);
    request.setTransferTimeout(10'000);
    QNetworkReply* reply = m_network.sendCustomRequest(request, verb);
    QEventLoop loop;
    QObject::connect(reply, &QNetworkReply::finished, &loop, &QEventLoop::quit);
    if (!reply->isFinished())
        loop.exec();
    reply->deleteLater();
    if (reply->error() != QNetworkReply::NoError) {
        m_error =
            QString::fromLatin1(verb) + u' ' + path + QStringLiteral(": ") + reply->errorString();
        return {};
    }
    return QJsonDocument::fromJson(reply->readAll()).object();
}

bool SyncthingPair::pause()
{
    for (size_t i = 0; i < m_devices.size(); ++i)
        call(m_devices[i], "POST",
             QStringLiteral("/rest/system/pause?device=") + m_devices[1 - i].id);
    return waitConnected(false, connectMsecs) ||
           fail(QStringLiteral("the devices are still connected after %1 s")
                    .arg(connectMsecs / 1000));
}

bool SyncthingPair::resume()
{
    // On a loaded machine a device now and then leaves a resumed peer alone
    // until it is told again, or even until it starts again (the peer is
    // unpaused in its configuration by then); up to three tries in all.
    for (int attempt = 0; attempt < 3; ++attempt) {
        for (Device& device : m_devices) {
            if (attempt == 2) {
                stop(device);
                if (!launch(device))
                    return false;
            }
        }
        for (size_t i = 0; i < m_devices.size(); ++i)
            call(m_devices[i], "POST",
                 QStringLiteral("/rest/system/resume?device=") + m_devices[1 - i].id);
        if (waitConnected(true, connectMsecs / 3))
            return true;
    }
    return fail(QStringLiteral("the devices are still apart after %1 s").arg(connectMsecs / 1000));
}

bool SyncthingPair::waitConnected(bool connected, int msecs)
{
    const auto seen = [this](size_t i) {
        return call(m_devices[i], "GET", QStringLiteral("/rest/system/connections"))
            .value(QStringLiteral("connections"))
            .toObject()
            .value(m_devices[1 - i].id)
            .toObject()
            .value(QStringLiteral("connected"))
            .toBool();
    };
    return waitFor([&] { return seen(0) == connected && seen(1) == connected; }, msecs);
}

QString SyncthingPair::outOfStep()
{
    for (size_t i = 0; i < m_devices.size(); ++i) {
        const Device& device = m_devices[i];
        const QString folder = QString::fromLatin1(folderId);
        const QJsonObject status =
            call(device, "GET", QStringLiteral("/rest/db/status?folder=") + folder);
        const QString state = status.value(QStringLiteral("state")).toString();
        if (state != QStringLiteral("idle") ||
            status.value(QStringLiteral("needTotalItems")).toInt(-1) != 0)
            return QStringLiteral("device %1 is %2, needing %3 items")
                .arg(i)
                .arg(state)
                .arg(status.value(QStringLiteral("needTotalItems")).toInt(-1));
        const QJsonObject completion =
            call(device, "GET",
                 QStringLiteral("/rest/db/completion?folder=%1&device=%2")
                     .arg(folder, m_devices[1 - i].id));
        if (completion.value(QStringLiteral("completion")).toDouble() < 100 ||
            completion.value(QStringLiteral("needItems")).toInt(-1) != 0)
            return QStringLiteral("device %1 finds the other one short").arg(i);
    }
    const auto first = contents(m_devices[0].side.folder);
    const auto second = contents(m_devices[1].side.folder);
    if (first != second)
        return QStringLiteral("the folders differ: %1 and %2")
            .arg(first.keys().join(u' '), second.keys().join(u' '));
    // Equal bytes are not enough: a change still waiting out the watcher's
    // delay, or an index not yet sent, may yet make a conflict copy.
    for (const QString& name : first.keys()) {
        std::array<QJsonValue, 2> global;
        for (size_t i = 0; i < m_devices.size(); ++i) {
            const QJsonObject file =
                call(m_devices[i], "GET",
                     QStringLiteral("/rest/db/file?folder=%1&file=%2")
                         .arg(QString::fromLatin1(folderId),
                              QString::fromLatin1(QUrl::toPercentEncoding(name))));
            const QJsonObject local = file.value(QStringLiteral("local")).toObject();
            global[i] =
                file.value(QStringLiteral("global")).toObject().value(QStringLiteral("version"));
            if (local.value(QStringLiteral("version")) != global[i] ||
                modified(local) != QFileInfo(m_devices[i].side.folder + u'/' + name).lastModified())
                return QStringLiteral("device %1 has not taken in %2 as it is").arg(i).arg(name);
        }
        if (global[0] != global[1])
            return QStringLiteral("the devices disagree on the version of ") + name;
    }
    return {};
}

bool SyncthingPair::waitInSync()
{
    QString why;
    QDeadlineTimer steady(steadyMsecs);
    const bool settled = waitFor(
        [&] {
            why = outOfStep();
            if (!why.isEmpty())
                steady.setRemainingTime(steadyMsecs);
            return why.isEmpty() && steady.hasExpired();
        },
        inSyncMsecs);
    return settled ||
           fail(QStringLiteral("not in step after %1 s: %2").arg(inSyncMsecs / 1000).arg(why));
}
