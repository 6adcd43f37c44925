#include "tray_icon.h"

#include "model/local_time.h"
#include "status_notifier_item.h"
#include "widgets/icons.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QDBusVariant>
#include <QGuiApplication>
#include <QLocale>
#include <QSystemTrayIcon>
#include <QTextDocument>
#include <QTimer>

#include <memory>

namespace {

const QString watcherService = QStringLiteral("org.kde.StatusNotifierWatcher");
const QString watcherPath = QStringLiteral("/StatusNotifierWatcher");
// Qt re-registers an icon the watcher knew by itself; give it this long first.
constexpr int registrationGraceMsecs = 1500;

} // namespace

TrayIcon::TrayIcon(QMenu* menu, QObject* parent)
    : QObject(parent), m_menu(menu), m_watcher(watcherService, QDBusConnection::sessionBus(),
                                               QDBusServiceWatcher::WatchForRegistration |
                                                   QDBusServiceWatcher::WatchForUnregistration)
{
    connect(&m_watcher, &QDBusServiceWatcher::serviceRegistered, this, &TrayIcon::checkSoon);
    connect(&m_watcher, &QDBusServiceWatcher::serviceUnregistered, this,
            &TrayIcon::onWatcherUnregistered);
    QDBusConnection::sessionBus().connect(watcherService, watcherPath, watcherService,
                                          QStringLiteral("StatusNotifierHostRegistered"), this,
                                          SLOT(checkSoon()));
    m_icon = new QSystemTrayIcon(Icons::application(false), this);
    m_icon->setContextMenu(menu);
    // A plain click opens the manager; the menu is on the other button, as
    // tray icons on Linux desktops do.
    connect(m_icon, &QSystemTrayIcon::activated, this,
            [this](QSystemTrayIcon::ActivationReason reason) {
                if (reason == QSystemTrayIcon::Trigger || reason == QSystemTrayIcon::DoubleClick)
                    Q_EMIT activated();
            });
    // On X11 Qt docks into an XEmbed tray whenever one appears, so the icon
    // is shown even with no tray yet. Elsewhere only StatusNotifier exists,
    // and a watcher that appears later gets Pendrel's own item.
    if (QGuiApplication::platformName() == u"xcb" || QSystemTrayIcon::isSystemTrayAvailable())
        m_icon->show();
}

TrayIcon::~TrayIcon()
{
    delete m_item;
    delete m_icon;
}

void TrayIcon::setPaused(bool paused)
{
    m_paused = paused;
    m_icon->setIcon(Icons::application(paused));
    if (m_item) {
        m_item->setIcon(Icons::application(paused));
        m_item->setAccessibleDescription(accessibleDescription());
    }
}

void TrayIcon::setToolTip(const QString& text)
{
    if (text == m_toolTip)
        return;
    m_toolTip = text;
    // The text names a reminder, which is never to be read as markup. An
    // XEmbed tooltip takes text that looks like markup as such, so that is
    // escaped; Qt's StatusNotifier item passes it on, and hosts show the
    // title as plain text: plain text goes there as it is.
    m_icon->setToolTip(
        Qt::mightBeRichText(text) ? Qt::convertFromPlainText(text, Qt::WhiteSpaceNormal) : text);
    if (m_item)
        m_item->setToolTip(text);
}

void TrayIcon::checkSoon()
{
    if (!m_item)
        QTimer::singleShot(registrationGraceMsecs, this, &TrayIcon::checkRegistration);
}

void TrayIcon::onWatcherUnregistered()
{
    // On X11 Qt's icon docks into an XEmbed tray, if there is one; elsewhere
    // the own item stays and registers with the next watcher itself.
    if (m_item && QGuiApplication::platformName() == u"xcb") {
        delete m_item;
        m_item = nullptr;
        m_listed = false;
        m_icon->show();
    }
}

void TrayIcon::checkRegistration()
{
    QDBusMessage getAll = QDBusMessage::createMethodCall(
        watcherService, watcherPath, QStringLiteral("org.freedesktop.DBus.Properties"),
        QStringLiteral("GetAll"));
    getAll << watcherService;
    // Asynchronous: a watcher that hangs must not freeze the pop-ups.
    auto* call = new QDBusPendingCallWatcher(QDBusConnection::sessionBus().asyncCall(getAll), this);
    connect(call, &QDBusPendingCallWatcher::finished, this, [this](QDBusPendingCallWatcher* w) {
        w->deleteLater();
        const QDBusPendingReply<QVariantMap> reply = *w;
        // Gone again, or no panel to show an item yet (one that comes says so).
        if (reply.isError() || m_item ||
            !reply.value().value(QStringLiteral("IsStatusNotifierHostRegistered")).toBool())
            return;
        takeOverUnlessListed(
            reply.value().value(QStringLiteral("RegisteredStatusNotifierItems")).toStringList());
    });
}

void TrayIcon::takeOverUnlessListed(const QStringList& items)
{
    // Watchers list "service/path" or "service"; Qt's own item registers
    // under its connection's unique name, so the owner's process tells.
    QStringList services;
    for (const QString& item : items)
        services << item.section(u'/', 0, 0);
    services.removeDuplicates();
    if (services.isEmpty()) {
        takeOver();
        return;
    }
    auto pending = std::make_shared<qsizetype>(services.size());
    auto listed = std::make_shared<bool>(false);
    const qint64 pid = QCoreApplication::applicationPid();
    for (const QString& service : std::as_const(services)) {
        QDBusMessage owner = QDBusMessage::createMethodCall(
            QStringLiteral("org.freedesktop.DBus"), QStringLiteral("/org/freedesktop/DBus"),
            QStringLiteral("org.freedesktop.DBus"), QStringLiteral("GetConnectionUnixProcessID"));
        owner << service;
        auto* call =
            new QDBusPendingCallWatcher(QDBusConnection::sessionBus().asyncCall(owner), this);
        connect(call, &QDBusPendingCallWatcher::finished, this,
                [this, pending, listed, pid](QDBusPendingCallWatcher* w) {
                    w->deleteLater();
                    const QDBusPendingReply<uint> reply = *w;
                    *listed = *listed || (reply.isValid() && reply.value() == pid);
                    if (--*pending == 0 && !*listed)
                        takeOver();
                });
    }
}

void TrayIcon::takeOver()
{
    if (m_item)
        return;
    auto* item = new StatusNotifierItem(m_menu, this);
    item->setIcon(Icons::application(m_paused));
    item->setToolTip(m_toolTip);
    if (!item->start()) {
        delete item;
        return;
    }
    connect(item, &StatusNotifierItem::activated, this, &TrayIcon::activated);
    // One icon only: a desktop with both kinds of tray shows this one, once
    // the watcher really lists it; until then the XEmbed icon stays.
    connect(item, &StatusNotifierItem::listed, this, [this] {
        m_listed = true;
        m_icon->hide();
    });
    item->setAccessibleDescription(accessibleDescription());
    m_item = item;
}

bool TrayIcon::shown() const
{
    return (m_item && m_listed) || QSystemTrayIcon::isSystemTrayAvailable();
}

QString TrayIcon::accessibleDescription() const
{
    return m_paused ? tr("Pendrel, paused") : QStringLiteral("Pendrel");
}

QString TrayIcon::toolTipText(const QString& status, const QString& saveError)
{
    if (saveError.isEmpty())
        return status;
    return status + u'\n' + tr("Reminders not saved: %1").arg(saveError);
}
