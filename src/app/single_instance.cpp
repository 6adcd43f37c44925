#include "single_instance.h"

#include <QDir>
#include <QElapsedTimer>
#include <QLocalServer>
#include <QLocalSocket>
#include <QStandardPaths>
#include <QThread>

SingleInstance::SingleInstance(QString folder, QObject* parent)
    : QObject(parent), m_folder(std::move(folder))
{}

SingleInstance::~SingleInstance() = default;

QString SingleInstance::standardFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation) +
           QStringLiteral("/pendrel");
}

QString SingleInstance::socketPath() const
{
    return m_folder + QStringLiteral("/instance");
}

bool SingleInstance::claim()
{
    QDir().mkpath(m_folder);
    QFile::setPermissions(m_folder,
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    m_lock = std::make_unique<QLockFile>(m_folder + QStringLiteral("/instance.lock"));
    // Stale only when its process is gone, never merely because it is old.
    m_lock->setStaleLockTime(0);
    if (!m_lock->tryLock(0)) {
        // Only a lock held by a live Pendrel means another one runs. A runtime
        // folder that cannot be written must not keep Pendrel from starting:
        // it runs, just without the hand-over channel.
        const bool heldByAnother = m_lock->error() == QLockFile::LockFailedError;
        m_lock.reset();
        return !heldByAnother;
    }
    // Holding the lock, any socket left here belongs to a Pendrel that died.
    QLocalServer::removeServer(socketPath());
    m_server = new QLocalServer(this);
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    m_server->setMaxPendingConnections(4);
    connect(m_server, &QLocalServer::newConnection, this, &SingleInstance::onConnection);
    // Even without the socket this process stays the one Pendrel: it holds the lock.
    m_server->listen(socketPath());
    return true;
}

void SingleInstance::onConnection()
{
    while (QLocalSocket* socket = m_server->nextPendingConnection()) {
        socket->setParent(this);
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
            const QByteArray expected = request();
            // Nothing but the one request is understood; anything else, or
            // anything longer, ends the conversation.
            if (socket->bytesAvailable() < expected.size())
                return;
            const QByteArray received = socket->read(expected.size());
            if (received == expected) {
                socket->write("ok\n");
                socket->flush();
                Q_EMIT openRequested();
            }
            socket->disconnectFromServer();
        });
    }
}

bool SingleInstance::askRunningToOpen(int timeoutMsecs) const
{
    // The running Pendrel may have the lock but not be listening yet.
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < timeoutMsecs) {
        QLocalSocket socket;
        socket.connectToServer(socketPath());
        if (socket.waitForConnected(500)) {
            socket.write(request());
            socket.flush();
            if (socket.waitForReadyRead(timeoutMsecs))
                return socket.readAll().startsWith("ok");
            return false;
        }
        QThread::msleep(100);
    }
    return false;
}
