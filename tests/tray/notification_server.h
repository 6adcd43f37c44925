#pragma once

#include <QDBusConnection>
#include <QObject>
#include <QStringList>
#include <QVariantMap>

// The desktop's notification bubbles (org.freedesktop.Notifications): this
// one records the title and text of each.
class NotificationServer : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.Notifications")

public:
    explicit NotificationServer(QDBusConnection bus) : m_bus(std::move(bus)) {}

    bool start()
    {
        return m_bus.registerObject(QStringLiteral("/org/freedesktop/Notifications"), this,
                                    QDBusConnection::ExportScriptableSlots) &&
               m_bus.registerService(QStringLiteral("org.freedesktop.Notifications"));
    }

    QStringList shown;

public Q_SLOTS:
    Q_SCRIPTABLE uint Notify(const QString& app, uint, const QString&, const QString& title,
                             const QString& text, const QStringList&, const QVariantMap&, int)
    {
        shown << app + u'|' + title + u'|' + text;
        return uint(shown.size());
    }

private:
    QDBusConnection m_bus;
};
