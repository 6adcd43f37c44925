#include "desktop_notification.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCall>
#include <QStringList>
#include <QVariantMap>

void DesktopNotification::show(const QString& title, const QString& text)
{
    QDBusMessage notify = QDBusMessage::createMethodCall(
        QStringLiteral("org.freedesktop.Notifications"),
        QStringLiteral("/org/freedesktop/Notifications"),
        QStringLiteral("org.freedesktop.Notifications"), QStringLiteral("Notify"));
    // The application's name and icon, no id to replace, no actions or
    // hints, and the server's own timeout.
    notify << QStringLiteral("Pendrel") << 0u << QStringLiteral("pendrel") << title << text
           << QStringList() << QVariantMap() << -1;
    QDBusConnection::sessionBus().asyncCall(notify);
}
