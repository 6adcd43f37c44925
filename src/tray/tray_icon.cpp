#include "tray_icon.h"

#include "status_notifier_item.h"
#include "widgets/icons.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QGuiApplication>
#include <QSystemTrayIcon>
#include <QTextDocument>
#include <QTimer>

namespace {

const QString watcherService = QStringLiteral("org.kde.StatusNotifierWatcher");
const QString watcherPath = QStringLiteral("/StatusNotifierWatcher");
// A watcher's bus name comes a moment before its object answers.
constexpr int watcherSettleMsecs = 250;
// A panel that restarts is usually back within this time.
constexpr int watcherRestartMsecs = 2000;
// A watcher that does not answer by then is asked again, a few times.
constexpr int watcherAnswerMsecs = 3000;
constexpr int maxCheckRetries = 5;
// Longest wait for the watcher to list the item before the start counts as
// settled (it retries meanwhile; a panel may still show it later).
constexpr int settleMsecs = 5000;

bool onX11()
{
    return QGuiApplication::platformName() == u"xcb";
}

} // namespace

TrayIcon::TrayIcon(QMenu* menu, QObject* parent)
    : QObject(parent), m_menu(menu), m_watcher(watcherService, QDBusConnection::sessionBus(),
                                               QDBusServiceWatcher::WatchForRegistration |
                                                   QDBusServiceWatcher::WatchForUnregistration)
{
    connect(&m_watcher, &QDBusServiceWatcher::serviceRegistered, this, [this] {
        m_watcherPresent = true;
        m_fallBack.stop();
        checkSoon();
    });
    connect(&m_watcher, &QDBusServiceWatcher::serviceUnregistered, this,
            &TrayIcon::onWatcherUnregistered);
    QDBusConnection bus = QDBusConnection::sessionBus();
    bus.connect(watcherService, watcherPath, watcherService,
                QStringLiteral("StatusNotifierHostRegistered"), this, SLOT(checkSoon()));
    m_fallBack.setSingleShot(true);
    m_fallBack.setInterval(watcherRestartMsecs);
    connect(&m_fallBack, &QTimer::timeout, this, &TrayIcon::fallBackToXEmbed);
    QTimer::singleShot(settleMsecs, this, &TrayIcon::settle);
    // Qt (6.4) picks its StatusNotifier or its XEmbed icon once per run, when
    // its first icon is made, by whether a host is registered: it is made
    // only once no host is known, so it is the XEmbed one. Asking the bus
    // daemon whether a watcher exists is quick; the watcher itself is asked
    // without waiting.
    const QDBusConnectionInterface* daemon = bus.interface();
    m_watcherPresent = daemon && daemon->isServiceRegistered(watcherService).value();
    if (m_watcherPresent) {
        checkRegistration();
        return;
    }
    useQtIcon();
    QMetaObject::invokeMethod(this, &TrayIcon::settle, Qt::QueuedConnection);
}

TrayIcon::~TrayIcon()
{
    delete m_item;
    delete m_icon;
}

void TrayIcon::setPaused(bool paused)
{
    m_paused = paused;
    if (m_icon)
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
    applyToolTip();
}

void TrayIcon::applyToolTip()
{
    // The text names a reminder, which is never to be read as markup. An
    // XEmbed tooltip takes text that looks like markup as such, so that is
    // escaped; StatusNotifier hosts show the title as plain text.
    if (m_icon)
        m_icon->setToolTip(Qt::mightBeRichText(m_toolTip)
                               ? Qt::convertFromPlainText(m_toolTip, Qt::WhiteSpaceNormal)
                               : m_toolTip);
    if (m_item)
        m_item->setToolTip(m_toolTip);
}

void TrayIcon::showMessage(const QString& title, const QString& text,
                           std::function<void(bool)> delivered)
{
    if (m_icon && m_icon->isVisible() && QSystemTrayIcon::isSystemTrayAvailable()) {
        m_icon->showMessage(title, text);
        if (delivered)
            delivered(true);
        return;
    }
    QDBusMessage notify = QDBusMessage::createMethodCall(
        QStringLiteral("org.freedesktop.Notifications"),
        QStringLiteral("/org/freedesktop/Notifications"),
        QStringLiteral("org.freedesktop.Notifications"), QStringLiteral("Notify"));
    notify << QStringLiteral("Pendrel") << 0u << QStringLiteral("pendrel") << title << text
           << QStringList() << QVariantMap() << -1;
    // Without a notification service the message is lost, never waited for.
    // A service the bus is still starting gets a few seconds, not D-Bus's 25.
    const QDBusPendingCall call = QDBusConnection::sessionBus().asyncCall(notify, 5000);
    if (!delivered)
        return;
    auto* watcher = new QDBusPendingCallWatcher(call, this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this,
            [watcher, delivered = std::move(delivered)] {
                delivered(!watcher->isError());
                watcher->deleteLater();
            });
}

void TrayIcon::checkSoon()
{
    m_checkRetries = 0;
    if (!m_item)
        QTimer::singleShot(watcherSettleMsecs, this, &TrayIcon::checkRegistration);
}

void TrayIcon::onWatcherUnregistered()
{
    m_listed = false;
    // On X11 Qt's icon docks into an XEmbed tray, if there is one; elsewhere
    // the own item stays and registers with the next watcher itself.
    m_watcherPresent = false;
    if (m_item && onX11())
        m_fallBack.start();
}

void TrayIcon::fallBackToXEmbed()
{
    // Not while a watcher is there (a restarted panel is back, and the own
    // item registers with it): Qt could pick its StatusNotifier kind, which
    // never docks into an XEmbed tray.
    if (!m_item || m_watcherPresent)
        return;
    delete m_item;
    m_item = nullptr;
    useQtIcon();
}

void TrayIcon::checkRegistration()
{
    QDBusMessage getAll = QDBusMessage::createMethodCall(
        watcherService, watcherPath, QStringLiteral("org.freedesktop.DBus.Properties"),
        QStringLiteral("GetAll"));
    getAll << watcherService;
    auto* call = new QDBusPendingCallWatcher(
        QDBusConnection::sessionBus().asyncCall(getAll, watcherAnswerMsecs), this);
    connect(call, &QDBusPendingCallWatcher::finished, this, [this](QDBusPendingCallWatcher* w) {
        w->deleteLater();
        const QDBusPendingReply<QVariantMap> reply = *w;
        if (m_item)
            return;
        // A watcher that is there but slow to answer (kded while Plasma
        // starts) is asked again, a few times; meanwhile no Qt icon is made,
        // as Qt would ask the same watcher, waiting on it.
        if (reply.isError() && m_watcherPresent && m_checkRetries < maxCheckRetries) {
            ++m_checkRetries;
            QTimer::singleShot(watcherAnswerMsecs, this, &TrayIcon::checkRegistration);
            return;
        }
        if (!reply.isError() &&
            reply.value().value(QStringLiteral("IsStatusNotifierHostRegistered")).toBool()) {
            takeOver();
            return;
        }
        // Gone again, or no panel to show an item yet (one that comes says so).
        if (!m_icon) {
            useQtIcon();
            settle();
        }
    });
}

void TrayIcon::useQtIcon()
{
    if (!m_icon) {
        m_icon = new QSystemTrayIcon(Icons::application(m_paused), this);
        m_icon->setContextMenu(m_menu);
        // A plain click opens the manager; the menu is on the other button,
        // as tray icons on Linux desktops do.
        connect(m_icon, &QSystemTrayIcon::activated, this,
                [this](QSystemTrayIcon::ActivationReason reason) {
                    if (reason == QSystemTrayIcon::Trigger ||
                        reason == QSystemTrayIcon::DoubleClick)
                        Q_EMIT activated();
                });
        applyToolTip();
    }
    // Only X11 has XEmbed trays; elsewhere the own item waits for a watcher.
    if (onX11())
        m_icon->show();
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
        useQtIcon();
        settle();
        return;
    }
    connect(item, &StatusNotifierItem::activated, this, &TrayIcon::activated);
    // One icon only: a desktop with both kinds of tray shows this one, once
    // the watcher really lists it; until then an XEmbed icon shown stays.
    connect(item, &StatusNotifierItem::listed, this, [this] {
        m_listed = true;
        if (m_icon)
            m_icon->hide();
        settle();
    });
    connect(item, &StatusNotifierItem::unlisted, this, [this] { m_listed = false; });
    item->setAccessibleDescription(accessibleDescription());
    m_item = item;
}

void TrayIcon::settle()
{
    if (m_settled)
        return;
    m_settled = true;
    Q_EMIT settled();
}

bool TrayIcon::shown() const
{
    return (m_item && m_listed) ||
           (m_icon && m_icon->isVisible() && QSystemTrayIcon::isSystemTrayAvailable());
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
