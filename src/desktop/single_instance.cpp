#include "single_instance.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QSocketNotifier>
#include <QStandardPaths>
#include <QThread>
#include <QTimer>

#include <cerrno>
#include <cstring>
#include <memory>
#include <optional>
#include <utility>

#include <poll.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

namespace {

// The socket's address, or none when the path does not fit into one.
std::optional<sockaddr_un> address(const QString& path)
{
    const QByteArray bytes = QFile::encodeName(path);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    if (bytes.size() >= qsizetype(sizeof(address.sun_path)))
        return std::nullopt;
    std::memcpy(address.sun_path, bytes.constData(), size_t(bytes.size()));
    return address;
}

// Waits up to msecs for fd to become ready for events; false on timeout.
bool waitFor(int fd, short events, int msecs)
{
    pollfd entry{fd, events, 0};
    int ready;
    do {
        ready = ::poll(&entry, 1, msecs);
    } while (ready < 0 && errno == EINTR);
    return ready > 0;
}

} // namespace

SingleInstance::SingleInstance(QString folder, QObject* parent)
    : QObject(parent), m_folder(std::move(folder))
{}

SingleInstance::~SingleInstance()
{
    if (m_listener >= 0)
        ::close(m_listener);
}

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
    // Even without the socket this process stays the one Pendrel: it holds the lock.
    listen();
    return true;
}

bool SingleInstance::listen()
{
    const auto where = address(socketPath());
    if (!where)
        return false;
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    if (fd < 0)
        return false;
    // Holding the lock, any socket left here belongs to a Pendrel that died.
    ::unlink(where->sun_path);
    // Only the user may connect, whatever the folder's permissions.
    const mode_t previous = ::umask(0077);
    const bool bound =
        ::bind(fd, reinterpret_cast<const sockaddr*>(&*where), sizeof(sockaddr_un)) == 0;
    ::umask(previous);
    if (!bound || ::listen(fd, 4) != 0) {
        ::close(fd);
        return false;
    }
    m_listener = fd;
    m_notifier = new QSocketNotifier(fd, QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &SingleInstance::onConnection);
    return true;
}

void SingleInstance::onConnection()
{
    for (;;) {
        const int connection =
            ::accept4(m_listener, nullptr, nullptr, SOCK_CLOEXEC | SOCK_NONBLOCK);
        if (connection >= 0) {
            serve(connection);
            continue;
        }
        if (errno == EINTR)
            continue;
        if (errno != EAGAIN && errno != EWOULDBLOCK) {
            // Out of descriptors, say: the listener stays readable, so pause it
            // instead of spinning on it.
            m_notifier->setEnabled(false);
            QTimer::singleShot(1000, m_notifier,
                               [notifier = m_notifier] { notifier->setEnabled(true); });
        }
        return;
    }
}

void SingleInstance::serve(int connection)
{
    auto* notifier = new QSocketNotifier(connection, QSocketNotifier::Read, this);
    auto received = std::make_shared<QByteArray>();
    auto open = std::make_shared<bool>(true);
    const auto end = [notifier, connection, open] {
        if (!std::exchange(*open, false))
            return;
        notifier->setEnabled(false);
        notifier->deleteLater();
        ::close(connection);
    };
    // A client that says nothing is not waited for.
    QTimer::singleShot(2000, notifier, end);
    connect(notifier, &QSocketNotifier::activated, this, [this, connection, received, end] {
        const QByteArray expected = request();
        char buffer[64];
        const qsizetype wanted = std::min<qsizetype>(expected.size() - received->size(), 64);
        const ssize_t count = ::read(connection, buffer, size_t(wanted));
        if (count < 0 && (errno == EAGAIN || errno == EINTR))
            return;
        if (count > 0)
            received->append(buffer, count);
        // Nothing but the one request is understood; anything else, or a
        // client that leaves early, ends the conversation.
        if (count > 0 && received->size() < expected.size() && expected.startsWith(*received))
            return;
        const bool understood = *received == expected;
        if (understood) {
            // A client gone already is no reason to stop; no SIGPIPE either.
            [[maybe_unused]] const ssize_t sent = ::send(connection, "ok\n", 3, MSG_NOSIGNAL);
        }
        end();
        if (understood)
            Q_EMIT openRequested();
    });
}

bool SingleInstance::askRunningToOpen(int timeoutMsecs) const
{
    const auto where = address(socketPath());
    if (!where)
        return false;
    // The running Pendrel may have the lock but not be listening yet.
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < timeoutMsecs) {
        const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
        if (fd < 0)
            return false;
        if (::connect(fd, reinterpret_cast<const sockaddr*>(&*where), sizeof(sockaddr_un)) == 0) {
            const QByteArray message = request();
            char reply[3] = {};
            const bool delivered = ::send(fd, message.constData(), size_t(message.size()),
                                          MSG_NOSIGNAL) == message.size() &&
                                   waitFor(fd, POLLIN, timeoutMsecs) &&
                                   ::read(fd, reply, sizeof reply) >= 2 && reply[0] == 'o' &&
                                   reply[1] == 'k';
            ::close(fd);
            return delivered;
        }
        ::close(fd);
        QThread::msleep(100);
    }
    return false;
}
