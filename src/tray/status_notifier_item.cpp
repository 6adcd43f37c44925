#include "status_notifier_item.h"

#include "dbus_menu.h"

#include <QDBusArgument>
#include <QDBusMetaType>
#include <QImage>
#include <QMenu>
#include <QtEndian>

#include <algorithm>
#include <utility>

namespace {

const QString menuObjectPath = QStringLiteral("/MenuBar");

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
    : QObject(parent), m_menu(menu), m_bus(QDBusConnection::sessionBus()),
      m_dbusMenu(new DBusMenu(menu, this))
{
    qDBusRegisterMetaType<SniPixmap>();
    qDBusRegisterMetaType<QList<SniPixmap>>();
    qDBusRegisterMetaType<SniToolTip>();
}

StatusNotifierItem::~StatusNotifierItem()
{
    m_bus.unregisterObject(objectPath());
    m_bus.unregisterObject(menuObjectPath);
}

bool StatusNotifierItem::start()
{
    const auto exports = QDBusConnection::ExportScriptableSlots |
                         QDBusConnection::ExportScriptableProperties |
                         QDBusConnection::ExportScriptableSignals;
    return m_bus.registerObject(objectPath(), this, exports) &&
           m_dbusMenu->exportOn(m_bus, menuObjectPath);
}

void StatusNotifierItem::setAccessibleDescription(const QString& text)
{
    m_accessibleDescription = text;
    Q_EMIT NewIcon(); // hosts read the description with the icon
}

void StatusNotifierItem::ProvideXdgActivationToken(const QString& token)
{
    // Compositors' tokens are short printable words; anything else is no token.
    const bool plausible =
        token.size() <= 512 && std::all_of(token.cbegin(), token.cend(), [](QChar c) {
            return c.unicode() > u' ' && c.unicode() < 0x7f;
        });
    m_activationToken = plausible ? token : QString();
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

QString StatusNotifierItem::objectPath()
{
    return QStringLiteral("/StatusNotifierItem");
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
    Q_EMIT activated(std::exchange(m_activationToken, QString()));
}
