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

// One event of EventGroup: which entry, what happened.
struct DBusMenuEvent {
    int id = 0;
    QString eventId;
    QDBusVariant data;
    uint timestamp = 0;
};
Q_DECLARE_METATYPE(DBusMenuEvent)
Q_DECLARE_METATYPE(QList<DBusMenuEvent>)

// The names of properties an entry no longer has, for ItemsPropertiesUpdated.
struct DBusMenuItemKeys {
    int id = 0;
    QStringList names;
};
Q_DECLARE_METATYPE(DBusMenuItemKeys)
Q_DECLARE_METATYPE(QList<DBusMenuItemKeys>)

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
    // What XFCE's and other hosts send instead of Event and AboutToShow;
    // they return the ids that name no entry.
    Q_SCRIPTABLE QList<int> EventGroup(const QList<DBusMenuEvent>& events);
    Q_SCRIPTABLE QList<int> AboutToShowGroup(const QList<int>& ids, QList<int>& idErrors);

Q_SIGNALS:
    Q_SCRIPTABLE void LayoutUpdated(uint revision, int parent);
    Q_SCRIPTABLE void ItemsPropertiesUpdated(const QList<DBusMenuItemProperties>& updated,
                                             const QList<DBusMenuItemKeys>& removed);
    Q_SCRIPTABLE void ItemActivationRequested(int id, uint timestamp);

private:
    QAction* actionFor(int id) const;
    QVariantMap propertiesOf(int id) const;
    void actionsChanged();
    void activate(int id);

    QPointer<QMenu> m_menu;
    uint m_revision = 1;
};
