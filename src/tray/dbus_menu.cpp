#include "dbus_menu.h"

#include <QAction>
#include <QApplication>
#include <QDBusArgument>
#include <QDBusMetaType>
#include <QMenu>
#include <QTimer>

QDBusArgument& operator<<(QDBusArgument& arg, const DBusMenuLayout& item)
{
    arg.beginStructure();
    arg << item.id << item.properties;
    arg.beginArray(qMetaTypeId<QDBusVariant>());
    for (const DBusMenuLayout& child : item.children)
        arg << QDBusVariant(QVariant::fromValue(child));
    arg.endArray();
    arg.endStructure();
    return arg;
}

const QDBusArgument& operator>>(const QDBusArgument& arg, DBusMenuLayout& item)
{
    arg.beginStructure();
    arg >> item.id >> item.properties;
    arg.beginArray();
    while (!arg.atEnd()) {
        QDBusVariant child;
        arg >> child;
        DBusMenuLayout childItem;
        child.variant().value<QDBusArgument>() >> childItem;
        item.children << childItem;
    }
    arg.endArray();
    arg.endStructure();
    return arg;
}

QDBusArgument& operator<<(QDBusArgument& arg, const DBusMenuItemProperties& item)
{
    arg.beginStructure();
    arg << item.id << item.properties;
    arg.endStructure();
    return arg;
}

const QDBusArgument& operator>>(const QDBusArgument& arg, DBusMenuItemProperties& item)
{
    arg.beginStructure();
    arg >> item.id >> item.properties;
    arg.endStructure();
    return arg;
}

QDBusArgument& operator<<(QDBusArgument& arg, const DBusMenuEvent& event)
{
    arg.beginStructure();
    arg << event.id << event.eventId << event.data << event.timestamp;
    arg.endStructure();
    return arg;
}

const QDBusArgument& operator>>(const QDBusArgument& arg, DBusMenuEvent& event)
{
    arg.beginStructure();
    arg >> event.id >> event.eventId >> event.data >> event.timestamp;
    arg.endStructure();
    return arg;
}

QDBusArgument& operator<<(QDBusArgument& arg, const DBusMenuItemKeys& keys)
{
    arg.beginStructure();
    arg << keys.id << keys.names;
    arg.endStructure();
    return arg;
}

const QDBusArgument& operator>>(const QDBusArgument& arg, DBusMenuItemKeys& keys)
{
    arg.beginStructure();
    arg >> keys.id >> keys.names;
    arg.endStructure();
    return arg;
}

DBusMenu::DBusMenu(QMenu* menu, QObject* parent) : QObject(parent), m_menu(menu)
{
    registerTypes();
    // Ids are positions in the menu, counted from 1; 0 is the menu itself.
    for (QAction* action : menu->actions())
        connect(action, &QAction::changed, this, &DBusMenu::actionsChanged);
}

void DBusMenu::registerTypes()
{
    qDBusRegisterMetaType<DBusMenuLayout>();
    qDBusRegisterMetaType<DBusMenuItemProperties>();
    qDBusRegisterMetaType<QList<DBusMenuItemProperties>>();
    qDBusRegisterMetaType<DBusMenuEvent>();
    qDBusRegisterMetaType<QList<DBusMenuEvent>>();
    qDBusRegisterMetaType<DBusMenuItemKeys>();
    qDBusRegisterMetaType<QList<DBusMenuItemKeys>>();
}

bool DBusMenu::exportOn(QDBusConnection bus, const QString& path)
{
    return bus.registerObject(path, this,
                              QDBusConnection::ExportScriptableSlots |
                                  QDBusConnection::ExportScriptableProperties |
                                  QDBusConnection::ExportScriptableSignals);
}

QString DBusMenu::textDirection() const
{
    return QApplication::layoutDirection() == Qt::RightToLeft ? QStringLiteral("rtl")
                                                              : QStringLiteral("ltr");
}

QAction* DBusMenu::actionFor(int id) const
{
    if (!m_menu || id < 1 || id > m_menu->actions().size())
        return nullptr;
    return m_menu->actions().at(id - 1);
}

QVariantMap DBusMenu::propertiesOf(int id) const
{
    QVariantMap properties;
    if (id == 0) {
        properties.insert(QStringLiteral("children-display"), QStringLiteral("submenu"));
        return properties;
    }
    const QAction* action = actionFor(id);
    if (!action)
        return properties;
    if (action->isSeparator()) {
        properties.insert(QStringLiteral("type"), QStringLiteral("separator"));
    } else {
        // The host marks access keys with "_": escape those in the text.
        QString label = action->text();
        label.replace(QLatin1Char('_'), QStringLiteral("__"));
        label.replace(QLatin1Char('&'), QLatin1Char('_'));
        properties.insert(QStringLiteral("label"), label);
    }
    if (!action->isEnabled())
        properties.insert(QStringLiteral("enabled"), false);
    if (!action->isVisible())
        properties.insert(QStringLiteral("visible"), false);
    if (action->isCheckable()) {
        properties.insert(QStringLiteral("toggle-type"), QStringLiteral("checkmark"));
        properties.insert(QStringLiteral("toggle-state"), action->isChecked() ? 1 : 0);
    }
    return properties;
}

uint DBusMenu::GetLayout(int parentId, int recursionDepth, const QStringList&,
                         DBusMenuLayout& layout)
{
    layout.id = parentId;
    layout.properties = propertiesOf(parentId);
    if (parentId == 0 && recursionDepth != 0 && m_menu) {
        for (int id = 1; id <= m_menu->actions().size(); ++id)
            layout.children << DBusMenuLayout{id, propertiesOf(id), {}};
    }
    return m_revision;
}

QList<DBusMenuItemProperties> DBusMenu::GetGroupProperties(const QList<int>& ids,
                                                           const QStringList&)
{
    QList<DBusMenuItemProperties> result;
    for (int id : ids)
        if (id == 0 || actionFor(id))
            result << DBusMenuItemProperties{id, propertiesOf(id)};
    return result;
}

QDBusVariant DBusMenu::GetProperty(int id, const QString& name)
{
    return QDBusVariant(propertiesOf(id).value(name));
}

void DBusMenu::Event(int id, const QString& eventId, const QDBusVariant&, uint)
{
    if (eventId == u"opened" && id == 0 && m_menu) {
        Q_EMIT m_menu->aboutToShow();
        return;
    }
    if (eventId == u"clicked")
        activate(id);
}

void DBusMenu::activate(int id)
{
    // After the reply: what the action does may take a while.
    QTimer::singleShot(0, this, [this, id] {
        if (QAction* action = actionFor(id); action && action->isEnabled())
            action->trigger();
    });
}

QList<int> DBusMenu::EventGroup(const QList<DBusMenuEvent>& events)
{
    QList<int> unknown;
    for (const DBusMenuEvent& event : events) {
        if (event.id != 0 && !actionFor(event.id))
            unknown << event.id;
        else
            Event(event.id, event.eventId, event.data, event.timestamp);
    }
    return unknown;
}

QList<int> DBusMenu::AboutToShowGroup(const QList<int>& ids, QList<int>& idErrors)
{
    for (int id : ids) {
        if (id != 0 && !actionFor(id))
            idErrors << id;
        else
            AboutToShow(id);
    }
    return {}; // changes, if any, come as signals
}

bool DBusMenu::AboutToShow(int id)
{
    if (id == 0 && m_menu)
        Q_EMIT m_menu->aboutToShow();
    return false; // changes, if any, come as LayoutUpdated
}

void DBusMenu::actionsChanged()
{
    // A check mark or label changed: hosts that cache entries hear of it both
    // ways, as new properties and as a new layout.
    QList<DBusMenuItemProperties> updated;
    if (m_menu) {
        for (int id = 1; id <= m_menu->actions().size(); ++id)
            updated << DBusMenuItemProperties{id, propertiesOf(id)};
    }
    Q_EMIT ItemsPropertiesUpdated(updated, {});
    Q_EMIT LayoutUpdated(++m_revision, 0);
}
