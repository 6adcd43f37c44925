#pragma once

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusReply>
#include <QDBusVariant>
#include <QStringList>

// What the session's StatusNotifier watcher lists; empty without a watcher.
inline QStringList watcherItems(const QDBusConnection& bus)
{
    const QString watcher = QStringLiteral("org.kde.StatusNotifierWatcher");
    QDBusMessage get = QDBusMessage::createMethodCall(
        watcher, QStringLiteral("/StatusNotifierWatcher"),
        QStringLiteral("org.freedesktop.DBus.Properties"), QStringLiteral("Get"));
    get << watcher << QStringLiteral("RegisteredStatusNotifierItems");
    const QDBusReply<QDBusVariant> reply = bus.call(get);
    return reply.isValid() ? reply.value().variant().toStringList() : QStringList();
}

// The bus names of the entries a process owns, in the watcher's order.
// Watchers list "name/path", the bare name, or (GNOME's) "name@path".
inline QStringList itemsOwnedBy(const QDBusConnection& bus, const QStringList& entries, qint64 pid)
{
    QStringList owned;
    for (const QString& entry : entries) {
        const QString service =
            entry.section(QLatin1Char('/'), 0, 0).section(QLatin1Char('@'), 0, 0);
        if (bus.interface()->servicePid(service).value() == uint(pid))
            owned << service;
    }
    return owned;
}
