#include "desktop_notification.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCall>
#include <QDBusPendingCallWatcher>
#include <QStringList>
#include <QVariantMap>

void DesktopNotification::show(const QString& title, const QString& text, QObject* context,
                               std::function<void(bool)> delivered)
{
    QDBusMessage notify = QDBusMessage::createMethodCall(
        QStringLiteral("org.freedesktop.Notifications"),
        QStringLiteral("/org/freedesktop/Notifications"),
        QStringLiteral("org.freedesktop.Notifications"), QStringLiteral("Notify"));
    // The application's name and icon, no id to replace, no actions or
    // hints, and the server's own timeout.
    notify << QStringLiteral("Pendrel") << 0u << QStringLiteral("pendrel") << title << text
           << QStringList() << QVariantMap() << -1;
    // A service the bus is still starting gets a few seconds, not D-Bus's 25.
    const QDBusPendingCall call = QDBusConnection::sessionBus().asyncCall(notify, 5000);
    if (!delivered || !context)
        return;
    auto* watcher = new QDBusPendingCallWatcher(call, context);
    QObject::connect(watcher, &QDBusPendingCallWatcher::finished, context,
                     [watcher, delivered = std::move(delivered)] {
                         delivered(!watcher->isError());
                         watcher->deleteLater();
                     });
}
