#pragma once

#include <QLockFile>
#include <QObject>
#include <QString>

#include <memory>

class QSocketNotifier;

// One Pendrel per user. The first to take the lock in the user's private
// runtime folder listens on a Unix socket there (plain POSIX sockets: Qt's
// local sockets come with Qt Network, whose libraries cost a tray program
// more memory than everything else it loads); a later start sends the one
// request it understands, "open the manager", and steps aside. A lock left by
// a crashed Pendrel is taken over, since its process is gone.
class SingleInstance : public QObject {
    Q_OBJECT

public:
    // folder: the private runtime folder ($XDG_RUNTIME_DIR/pendrel by default).
    explicit SingleInstance(QString folder = standardFolder(), QObject* parent = nullptr);
    ~SingleInstance() override;

    static QString standardFolder();
    static QByteArray request() { return QByteArrayLiteral("open-manager\n"); }

    // True when this process is to run as the one Pendrel (and then listens
    // for requests when it can); false when another live Pendrel holds the lock.
    bool claim();
    // Asks the running Pendrel to open its manager window; true when delivered.
    bool askRunningToOpen(int timeoutMsecs = 3000) const;

Q_SIGNALS:
    void openRequested();

private:
    bool listen();
    void onConnection();
    void serve(int connection);
    QString socketPath() const;

    QString m_folder;
    std::unique_ptr<QLockFile> m_lock;
    int m_listener = -1;
    QSocketNotifier* m_notifier = nullptr;
};
