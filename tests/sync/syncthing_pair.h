#pragma once

#include <QByteArray>
#include <QDomDocument>
#include <QJsonObject>
#include <QNetworkAccessManager>
#include <QProcess>
#include <QString>

#include <array>
#include <memory>

// Two real Syncthing devices on this computer, each with its own home,
// sharing one folder between them. They talk over 127.0.0.1 only: no
// discovery, relays, NAT traversal, usage or crash reports, or upgrades.
// Everything it starts it stops when destroyed.
class SyncthingPair {
public:
    struct Side {
        QString home;   // the device's keys, config and index
        QString folder; // the folder it shares with the other device
    };
    struct Options {
        // Syncthing's default: a change is sent this long after it is made.
        int watcherDelaySecs = 10;
        // A full rescan now and then, in case a change escaped the watcher.
        int rescanSecs = 30;
    };

    SyncthingPair(const Side& first, const Side& second, const Options& options);
    ~SyncthingPair();
    SyncthingPair(const SyncthingPair&) = delete;
    SyncthingPair& operator=(const SyncthingPair&) = delete;

    // Generates and configures both devices, starts them and waits until
    // they are connected. On failure, error() says what went wrong.
    bool start();
    // Each device pauses the other, as when the other computer is off; and back.
    bool pause();
    bool resume();
    // Whether both devices see each other as `connected` within `msecs`.
    bool waitConnected(bool connected, int msecs);
    // Until both devices are connected, idle, need nothing from each other
    // and both folders hold the same files with the same bytes, for a while.
    bool waitInSync();
    QString error() const { return m_error; }

private:
    struct Device {
        Side side;
        QString id;
        QByteArray apiKey;
        QDomDocument config;
        quint16 listenPort = 0;
        quint16 guiPort = 0;
        std::unique_ptr<QProcess> process;
    };

    bool generate(Device& device);
    bool writeConfig(Device& device, const Device& peer);
    static QString configPath(const Device& device)
    {
        return device.side.home + QStringLiteral("/config.xml");
    }
    bool launch(Device& device);
    void stop(Device& device);
    // The JSON answer of the device's REST API; an empty object when it
    // gives none, with error() saying why.
    QJsonObject call(const Device& device, const QByteArray& verb, const QString& path);
    QString outOfStep();
    bool fail(const QString& why);

    Options m_options;
    std::array<Device, 2> m_devices;
    QNetworkAccessManager m_network;
    QString m_error;
};
