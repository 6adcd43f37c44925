#pragma once

#include <QDBusConnection>
#include <QDBusContext>
#include <QDBusMessage>
#include <QObject>
#include <QStringList>

// The watcher a StatusNotifier tray runs (org.kde.StatusNotifierWatcher):
// items register with it, hosts ask it for them. This one only records.
class StatusNotifierWatcher : public QObject, protected QDBusContext {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.kde.StatusNotifierWatcher")
    Q_PROPERTY(QStringList RegisteredStatusNotifierItems READ items SCRIPTABLE true)
    Q_PROPERTY(bool IsStatusNotifierHostRegistered READ hostRegistered SCRIPTABLE true)
    Q_PROPERTY(int ProtocolVersion READ protocolVersion SCRIPTABLE true)

public:
    explicit StatusNotifierWatcher(QDBusConnection bus) : m_bus(std::move(bus)) {}

    // Appears on the bus, as when a panel starts; stop() is the panel quitting.
    bool start()
    {
        const auto exports = QDBusConnection::ExportScriptableSlots |
                             QDBusConnection::ExportScriptableProperties |
                             QDBusConnection::ExportScriptableSignals;
        return m_bus.registerObject(QStringLiteral("/StatusNotifierWatcher"), this, exports) &&
               m_bus.registerService(QStringLiteral("org.kde.StatusNotifierWatcher"));
    }
    void stop()
    {
        m_bus.unregisterService(QStringLiteral("org.kde.StatusNotifierWatcher"));
        m_bus.unregisterObject(QStringLiteral("/StatusNotifierWatcher"));
        m_items.clear();
        m_hostRegistered = true;
    }

    QStringList items() const { return m_items; }
    bool hostRegistered() const { return m_hostRegistered; }
    // A watcher with no panel behind it yet; then the panel comes.
    void setHostRegistered(bool registered)
    {
        m_hostRegistered = registered;
        if (registered)
            Q_EMIT StatusNotifierHostRegistered();
    }
    int protocolVersion() const { return 0; }
    // A host that failed to set an item up drops it, as GNOME's extension does.
    void drop(const QString& service)
    {
        for (const QString& item : std::as_const(m_items)) {
            if (item.startsWith(service + QLatin1Char('/')))
                Q_EMIT StatusNotifierItemUnregistered(item);
        }
        m_items.removeIf(
            [&](const QString& item) { return item.startsWith(service + QLatin1Char('/')); });
    }

public Q_SLOTS:
    Q_SCRIPTABLE void RegisterStatusNotifierItem(const QString& serviceOrPath)
    {
        // An item names its bus name, or only its path on the caller's name.
        const bool isPath = serviceOrPath.startsWith(QLatin1Char('/'));
        const QString service = isPath ? message().service() : serviceOrPath;
        const QString path = isPath ? serviceOrPath : QStringLiteral("/StatusNotifierItem");
        m_items << service + path;
        Q_EMIT StatusNotifierItemRegistered(service + path);
    }
    Q_SCRIPTABLE void RegisterStatusNotifierHost(const QString&) {}

Q_SIGNALS:
    Q_SCRIPTABLE void StatusNotifierItemRegistered(const QString& item);
    Q_SCRIPTABLE void StatusNotifierItemUnregistered(const QString& item);
    Q_SCRIPTABLE void StatusNotifierHostRegistered();

private:
    QDBusConnection m_bus;
    QStringList m_items;
    bool m_hostRegistered = true;
};
