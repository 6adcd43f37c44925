#include "syncthing_pair.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QJsonDocument>
#include <QNetworkProxy>
#include <QNetworkReply>
#include <QTcpServer>
#include <QTest>
#include <QUuid>

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
        m_devices[i].apiKey = QUuid::createUuid().toByteArray(QUuid::Id128);
        if (!generate(m_devices[i]))
            return false;
    }
    for (size_t i = 0; i < m_devices.size(); ++i) {
        // Syncthing shares only a folder that carries its marker.
        QDir().mkpath(m_devices[i].side.folder + QStringLiteral("/.stfolder"));
        if (!writeConfig(m_devices[i], m_devices[1 - i]) || !launch(m_devices[i]))
            return false;
    }
    return waitConnected(true);
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
    const QString output = QString::fromLocal8Bit(run.readAll());
    const qsizetype at = output.indexOf(QStringLiteral("Device ID: "));
    if (at < 0)
        return fail(QStringLiteral("no device ID from syncthing generate: ") + output);
    device.id = output.mid(at + 11, 63);
    return true;
}

bool SyncthingPair::writeConfig(const Device& device, const Device& peer) const
{
    const auto deviceEntry = [](const Device& d, const QString& address) {
        return QStringLiteral("<device id=\"%1\" name=\"%2\" compression=\"metadata\">"
                              "<address>%3</address><paused>false</paused></device>\n")
            .arg(d.id, QFileInfo(d.side.home).fileName(), address);
    };
    const QString folder =
        QStringLiteral("<folder id=\"%1\" label=\"Pendrel\" path=\"%2\" type=\"sendreceive\" "
                       "rescanIntervalS=\"%3\" fsWatcherEnabled=\"true\" fsWatcherDelayS=\"%4\">\n"
                       "<device id=\"%5\"></device><device id=\"%6\"></device></folder>\n")
            .arg(QString::fromLatin1(folderId), device.side.folder.toHtmlEscaped())
            .arg(m_options.rescanSecs)
            .arg(m_options.watcherDelaySecs)
            .arg(m_devices[0].id, m_devices[1].id);
    const QString gui = QStringLiteral("<gui enabled=\"true\" tls=\"false\"><address>127.0.0.1:%1"
                                       "</address><apikey>%2</apikey></gui>\n")
                            .arg(device.guiPort)
                            .arg(QString::fromLatin1(device.apiKey));
    const QString options = QStringLiteral("<options>\n"
                                           "<listenAddress>tcp://127.0.0.1:%1</listenAddress>\n"
                                           "<globalAnnounceEnabled>false</globalAnnounceEnabled>\n"
                                           "<localAnnounceEnabled>false</localAnnounceEnabled>\n"
                                           "<relaysEnabled>false</relaysEnabled>\n"
                                           "<natEnabled>false</natEnabled>\n"
                                           "<stunKeepaliveStartS>0</stunKeepaliveStartS>\n"
                                           "<announceLANAddresses>false</announceLANAddresses>\n"
                                           "<urAccepted>-1</urAccepted>\n"
                                           "<crashReportingEnabled>false</crashReportingEnabled>\n"
                                           "<autoUpgradeIntervalH>0</autoUpgradeIntervalH>\n"
                                           "<startBrowser>false</startBrowser>\n"
                                           "<restartOnWakeup>false</restartOnWakeup>\n"
                                           // Connected again a second or two after a resume.
                                           "<reconnectionIntervalS>1</reconnectionIntervalS>\n"
                                           // Lowered priority starves it on a busy machine.
                                           "<setLowPriority>false</setLowPriority>\n"
                                           "</options>\n")
                                .arg(device.listenPort);
    const QString config =
        QStringLiteral("<configuration version=\"36\">\n") + folder +
        deviceEntry(device, QStringLiteral("dynamic")) +
        deviceEntry(peer, QStringLiteral("tcp://127.0.0.1:%1").arg(peer.listenPort)) + gui +
        options + QStringLiteral("</configuration>\n");
    QFile file(device.side.home + QStringLiteral("/config.xml"));
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
           file.write(config.toUtf8()) == config.toUtf8().size();
}

bool SyncthingPair::launch(Device& device)
{
    device.process = std::make_unique<QProcess>();
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
    device.process->terminate();
    if (!device.process->waitForFinished(stopMsecs)) {
        device.process->kill();
        device.process->waitForFinished(stopMsecs);
    }
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
    return waitConnected(false);
}

bool SyncthingPair::resume()
{
    for (size_t i = 0; i < m_devices.size(); ++i)
        call(m_devices[i], "POST",
             QStringLiteral("/rest/system/resume?device=") + m_devices[1 - i].id);
    return waitConnected(true);
}

bool SyncthingPair::waitConnected(bool connected)
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
    return waitFor([&] { return seen(0) == connected && seen(1) == connected; }, connectMsecs) ||
           fail(QStringLiteral("the devices are still %1 after %2 s")
                    .arg(connected ? QStringLiteral("apart") : QStringLiteral("connected"))
                    .arg(connectMsecs / 1000));
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
