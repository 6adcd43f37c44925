#include "status_notifier_item.h"

#include "dbus_menu.h"

#include <QCoreApplication>
#include <QDBusArgument>
#include <QDBusMessage>
#include <QDBusMetaType>
#include <QDBusPendingCall>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QDBusVariant>
#include <QImage>
#include <QMenu>
#include <QTimer>
#include <QtEndian>

#include <algorithm>

namespace {

const QString watcherService = QStringLiteral("org.kde.StatusNotifierWatcher");
const QString itemPath = QStringLiteral("/StatusNotifierItem");
const QString menuObjectPath = QStringLiteral("/MenuBar");

int instances = 0;
constexpr int maxAttempts = 10;
constexpr int retryMsecs = 2000;
constexpr qint64 dropWindowMsecs = 60 * 1000;

} // namespace

QDBusArgument& operator<<(QDBusArgument& arg, const SniPixmap& pixmap)
{
    arg.beginStructure();
    arg << pixmap.width << pixmap.height << pixmap.bytes;
    arg.endStructure();
    return arg;
}

const QDBusArgument& operator>>(const QDBusArgument& arg, SniPixmap& pixmap)
{
    arg.beginStructure();
    arg >> pixmap.width >> pixmap.height >> pixmap.bytes;
    arg.endStructure();
    return arg;
}

QDBusArgument& operator<<(QDBusArgument& arg, const SniToolTip& tip)
{
    arg.beginStructure();
    arg << tip.iconName << tip.icon << tip.title << tip.text;
    arg.endStructure();
    return arg;
}

const QDBusArgument& operator>>(const QDBusArgument& arg, SniToolTip& tip)
{
    arg.beginStructure();
    arg >> tip.iconName >> tip.icon >> tip.title >> tip.text;
    arg.endStructure();
    return arg;
}

StatusNotifierItem::StatusNotifierItem(QMenu* menu, QObject* parent)
    : QObject(parent), m_menu(menu),
      m_serviceName(QStringLiteral("org.kde.StatusNotifierItem-%1-p%2")
                        .arg(QCoreApplication::applicationPid())
                        .arg(++instances)),
      m_bus(QDBusConnection::sessionBus()), m_dbusMenu(new DBusMenu(menu, this)),
      m_watcher(watcherService, m_bus, QDBusServiceWatcher::WatchForRegistration)
{
    m_retry.setSingleShot(true);
    connect(&m_retry, &QTimer::timeout, this, &StatusNotifierItem::registerWithWatcher);
    qDBusRegisterMetaType<SniPixmap>();
    qDBusRegisterMetaType<QList<SniPixmap>>();
    qDBusRegisterMetaType<SniToolTip>();
    // A watcher that restarts, or another that takes over, learns of it anew.
    connect(&m_watcher, &QDBusServiceWatcher::serviceRegistered, this, [this] {
        m_attempts = 0;
        m_drops = 0;
        registerWithWatcher();
    });
    // A panel that starts, or restarts, behind the same watcher.
    m_bus.connect(watcherService, QStringLiteral("/StatusNotifierWatcher"), watcherService,
                  QStringLiteral("StatusNotifierHostRegistered"), this,
                  SLOT(registerWithWatcher()));
    m_bus.connect(watcherService, QStringLiteral("/StatusNotifierWatcher"), watcherService,
                  QStringLiteral("StatusNotifierItemUnregistered"), this,
                  SLOT(onItemUnregistered(QString)));
}

StatusNotifierItem::~StatusNotifierItem()
{
    m_bus.unregisterObject(itemPath);
    m_bus.unregisterObject(menuObjectPath);
    m_bus.unregisterService(m_serviceName);
}

bool StatusNotifierItem::start()
{
    const auto exports = QDBusConnection::ExportScriptableSlots |
                         QDBusConnection::ExportScriptableProperties |
                         QDBusConnection::ExportScriptableSignals;
    if (!m_bus.registerObject(itemPath, this, exports) ||
        !m_dbusMenu->exportOn(m_bus, menuObjectPath) || !m_bus.registerService(m_serviceName))
        return false;
    registerWithWatcher();
    return true;
}

void StatusNotifierItem::registerWithWatcher()
{
    // One registration at a time: an older one's answer, or its retry, would
    // register the item twice with a watcher that came meanwhile.
    m_retry.stop();
    const int registration = ++m_registrations;
    QDBusMessage call = QDBusMessage::createMethodCall(
        watcherService, QStringLiteral("/StatusNotifierWatcher"), watcherService,
        QStringLiteral("RegisterStatusNotifierItem"));
    call << m_serviceName;
    // Never waits on a watcher that hangs.
    auto* pending = new QDBusPendingCallWatcher(m_bus.asyncCall(call), this);
    connect(pending, &QDBusPendingCallWatcher::finished, this,
            [this, registration](QDBusPendingCallWatcher* w) {
                w->deleteLater();
                if (registration == m_registrations)
                    confirmListed(registration);
            });
}

void StatusNotifierItem::confirmListed(int registration)
{
    QDBusMessage get = QDBusMessage::createMethodCall(
        watcherService, QStringLiteral("/StatusNotifierWatcher"),
        QStringLiteral("org.freedesktop.DBus.Properties"), QStringLiteral("Get"));
    get << watcherService << QStringLiteral("RegisteredStatusNotifierItems");
    auto* pending = new QDBusPendingCallWatcher(m_bus.asyncCall(get), this);
    connect(pending, &QDBusPendingCallWatcher::finished, this,
            [this, registration](QDBusPendingCallWatcher* w) {
                w->deleteLater();
                const QDBusPendingReply<QDBusVariant> reply = *w;
                if (registration != m_registrations || reply.isError())
                    return; // no watcher: the next one that comes is told
                const QStringList items = reply.value().variant().toStringList();
                const bool found =
                    std::any_of(items.begin(), items.end(),
                                [this](const QString& item) { return isThisItem(item); });
                if (found) {
                    m_attempts = 0;
                    m_listedSince.start();
                    Q_EMIT listed();
                } else if (++m_attempts <= maxAttempts) {
                    m_retry.start(retryMsecs);
                }
            });
}

void StatusNotifierItem::onItemUnregistered(const QString& item)
{
    // Some hosts drop an item they failed to set up (GNOME's extension, now
    // and then, right after listing it); a second registration shows it.
    // Bounded, for a host that keeps refusing.
    if (!isThisItem(item))
        return;
    Q_EMIT unlisted();
    if (m_listedSince.isValid() && m_listedSince.elapsed() > dropWindowMsecs)
        m_drops = 0; // shown for a good while: a new drop starts a new count
    if (++m_drops <= maxAttempts)
        m_retry.start(retryMsecs / 4);
}

bool StatusNotifierItem::isThisItem(const QString& entry) const
{
    // Watchers list "service/path", a bare service, or (GNOME's, for items
    // it found on the bus itself) "unique-name@path".
    for (const QString& name : {m_serviceName, m_bus.baseService()}) {
        if (entry == name || entry.startsWith(name + u'/') || entry.startsWith(name + u'@'))
            return true;
    }
    return false;
}

void StatusNotifierItem::setAccessibleDescription(const QString& text)
{
    m_accessibleDescription = text;
    Q_EMIT NewIcon(); // hosts read the description with the icon
}

void StatusNotifierItem::ProvideXdgActivationToken(const QString& token)
{
    qputenv("XDG_ACTIVATION_TOKEN", token.toUtf8());
}

void StatusNotifierItem::setIcon(const QIcon& icon)
{
    m_pixmaps.clear();
    for (int size : {16, 22, 24, 32, 48, 64}) {
        const QImage image =
            icon.pixmap(size, size).toImage().convertToFormat(QImage::Format_ARGB32);
        SniPixmap pixmap{image.width(), image.height(), {}};
        pixmap.bytes.resize(qsizetype(image.width()) * image.height() * 4);
        auto* out = reinterpret_cast<quint32*>(pixmap.bytes.data());
        for (int y = 0; y < image.height(); ++y) {
            const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
            for (int x = 0; x < image.width(); ++x)
                *out++ = qToBigEndian(quint32(line[x]));
        }
        m_pixmaps << pixmap;
    }
    Q_EMIT NewIcon();
}

void StatusNotifierItem::setToolTip(const QString& text)
{
    m_toolTip = text;
    Q_EMIT NewToolTip();
}

QDBusObjectPath StatusNotifierItem::menuPath() const
{
    return QDBusObjectPath(menuObjectPath);
}

void StatusNotifierItem::ContextMenu(int x, int y)
{
    // For hosts that draw no menu of their own.
    if (m_menu)
        m_menu->popup(QPoint(x, y));
}

void StatusNotifierItem::Activate(int, int)
{
    Q_EMIT activated();
}
