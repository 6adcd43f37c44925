#pragma once

#include <QDBusConnection>
#include <QDBusVariant>
#include <QObject>
#include <QPointer>
#include <QVariantMap>

class QAction;
class QMenu;

// A menu entry and its children as com.canonical.dbusmenu lays them out.
struct DBusMenuLayout {
    int id = 0;
    QVariantMap properties;
    QList<DBusMenuLayout> children;
};
Q_DECLARE_METATYPE(DBusMenuLayout)

struct DBusMenuItemProperties {
    int id = 0;
    QVariantMap properties;
};
Q_DECLARE_METATYPE(DBusMenuItemProperties)
Q_DECLARE_METATYPE(QList<DBusMenuItemProperties>)

// Shows a flat QMenu to a StatusNotifier host over com.canonical.dbusmenu:
// the host draws the menu, clicks come back as the actions' triggers.
class DBusMenu : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "com.canonical.dbusmenu")
    Q_PROPERTY(uint Version READ version SCRIPTABLE true)
    Q_PROPERTY(QString TextDirection READ textDirection SCRIPTABLE true)
    Q_PROPERTY(QString Status READ status SCRIPTABLE true)
    Q_PROPERTY(QStringList IconThemePath READ iconThemePath SCRIPTABLE true)

public:
    DBusMenu(QMenu* menu, QObject* parent = nullptr);

    bool exportOn(QDBusConnection bus, const QString& path);

    uint version() const { return 3; }
    QString textDirection() const;
    QString status() const { return QStringLiteral("normal"); }
    QStringList iconThemePath() const { return {}; }

    static void registerTypes();

public Q_SLOTS:
    Q_SCRIPTABLE uint GetLayout(int parentId, int recursionDepth, const QStringList& propertyNames,
                                DBusMenuLayout& layout);
    Q_SCRIPTABLE QList<DBusMenuItemProperties> GetGroupProperties(const QList<int>& ids,
                                                                  const QStringList& propertyNames);
    Q_SCRIPTABLE QDBusVariant GetProperty(int id, const QString& name);
    Q_SCRIPTABLE void Event(int id, const QString& eventId, const QDBusVariant& data,
                            uint timestamp);
    Q_SCRIPTABLE bool AboutToShow(int id);

Q_SIGNALS:
    Q_SCRIPTABLE void LayoutUpdated(uint revision, int parent);
    Q_SCRIPTABLE void ItemActivationRequested(int id, uint timestamp);

private:
    QAction* actionFor(int id) const;
    QVariantMap propertiesOf(int id) const;
    void actionsChanged();

    QPointer<QMenu> m_menu;
    uint m_revision = 1;
};
