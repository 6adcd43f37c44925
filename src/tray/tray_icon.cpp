#include "tray_icon.h"

#include "status_notifier_item.h"
#include "widgets/icons.h"

#include <QDBusConnection>
#include <QGuiApplication>
#include <QSystemTrayIcon>
#include <QTextDocument>
#include <QTimer>

namespace {

// A panel that restarts is usually back within this time.
constexpr int watcherRestartMsecs = 2000;
// Longest wait for the watcher to list the item before the start counts as
// settled (it retries meanwhile; a panel may still show it later).
constexpr int settleMsecs = 5000;

bool onX11()
{
    return QGuiApplication::platformName() == u"xcb";
}

} // namespace

TrayIcon::TrayIcon(QMenu* menu, QObject* parent)
    : QObject(parent), m_menu(menu), m_watcher(QDBusConnection::sessionBus())
{
    connect(&m_watcher, &SniWatcher::appeared, this, [this] {
        m_fallBack.stop();
        if (!m_item)
            m_watcher.askForHost();
    });
    connect(&m_watcher, &SniWatcher::vanished, this, &TrayIcon::onWatcherVanished);
    connect(&m_watcher, &SniWatcher::hostAnswered, this, &TrayIcon::onHostAnswered);
    // One icon only: a desktop with both kinds of tray shows the own item,
    // once the watcher really lists it; until then an XEmbed icon shown stays.
    connect(&m_watcher, &SniWatcher::listed, this, [this] {
        m_listed = true;
        if (m_icon)
            m_icon->hide();
        settle();
    });
    connect(&m_watcher, &SniWatcher::unlisted, this, [this] { m_listed = false; });
    m_fallBack.setSingleShot(true);
    m_fallBack.setInterval(watcherRestartMsecs);
    connect(&m_fallBack, &QTimer::timeout, this, &TrayIcon::fallBackToXEmbed);
    QTimer::singleShot(settleMsecs, this, &TrayIcon::settle);
    // Qt (6.4) picks its StatusNotifier or its XEmbed icon once per run, when
    // its first icon is made, by whether a host is registered: it is made
    // only once no host is known, so it is the XEmbed one. The watcher is
    // asked without waiting; meanwhile no Qt icon is made, as Qt would ask
    // the same watcher, waiting on it.
    if (m_watcher.present()) {
        m_watcher.askForHost();
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

bool TrayIcon::showMessage(const QString& title, const QString& text)
{
    if (!m_icon || !m_icon->isVisible() || !QSystemTrayIcon::isSystemTrayAvailable())
        return false;
    m_icon->showMessage(title, text);
    return true;
}

void TrayIcon::onWatcherVanished()
{
    m_listed = false;
    // On X11 Qt's icon docks into an XEmbed tray, if there is one; elsewhere
    // the own item stays and is registered with the next watcher.
    if (m_item && onX11())
        m_fallBack.start();
}

void TrayIcon::fallBackToXEmbed()
{
    // Not while a watcher is there (a restarted panel is back, and the own
    // item is registered with it): Qt could pick its StatusNotifier kind,
    // which never docks into an XEmbed tray.
    if (!m_item || m_watcher.present())
        return;
    m_watcher.forgetItem();
    delete m_item;
    m_item = nullptr;
    useQtIcon();
}

void TrayIcon::onHostAnswered(bool hostRegistered)
{
    if (m_item)
        return;
    if (hostRegistered) {
        takeOver();
        return;
    }
    // Gone again, or no panel to show an item yet (one that comes says so).
    if (!m_icon) {
        useQtIcon();
        settle();
    }
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
                        Q_EMIT activated({});
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
    item->setAccessibleDescription(accessibleDescription());
    m_item = item;
    m_watcher.keepRegistered(StatusNotifierItem::objectPath());
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
