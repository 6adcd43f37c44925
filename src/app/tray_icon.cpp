#include "tray_icon.h"

#include "alerts/icons.h"
#include "model/local_time.h"
#include "status_notifier_item.h"

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

namespace {

const QString watcherService = QStringLiteral("org.kde.StatusNotifierWatcher");
// Qt re-registers an icon the watcher knew by itself; give it this long first.
constexpr int registrationGraceMsecs = 1500;

} // namespace

TrayIcon::TrayIcon(QMenu* menu, QObject* parent)
    : QObject(parent), m_menu(menu), m_watcher(watcherService, QDBusConnection::sessionBus(),
                                               QDBusServiceWatcher::WatchForRegistration)
{
    connect(&m_watcher, &QDBusServiceWatcher::serviceRegistered, this,
            &TrayIcon::onWatcherRegistered);
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
    if (m_item)
        m_item->setIcon(Icons::application(paused));
}

void TrayIcon::setToolTip(const QString& text)
{
    if (text == m_toolTip)
        return;
    m_toolTip = text;
    // The text names a reminder, which is never to be read as markup: Qt's
    // tooltips and StatusNotifier hosts both take rich text.
    m_icon->setToolTip(Qt::convertFromPlainText(text, Qt::WhiteSpaceNormal));
    if (m_item)
        m_item->setToolTip(text.toHtmlEscaped());
}

void TrayIcon::onWatcherRegistered()
{
    if (!m_item)
        QTimer::singleShot(registrationGraceMsecs, this, &TrayIcon::checkRegistration);
}

void TrayIcon::checkRegistration()
{
    QDBusMessage get = QDBusMessage::createMethodCall(
        watcherService, QStringLiteral("/StatusNotifierWatcher"),
        QStringLiteral("org.freedesktop.DBus.Properties"), QStringLiteral("Get"));
    get << watcherService << QStringLiteral("RegisteredStatusNotifierItems");
    // Asynchronous: a watcher that hangs must not freeze the pop-ups.
    auto* call = new QDBusPendingCallWatcher(QDBusConnection::sessionBus().asyncCall(get), this);
    connect(call, &QDBusPendingCallWatcher::finished, this, [this](QDBusPendingCallWatcher* w) {
        w->deleteLater();
        const QDBusPendingReply<QDBusVariant> reply = *w;
        if (reply.isError() || m_item)
            return; // gone again; the next one that appears is checked anew
        // Items are named "org.kde.StatusNotifierItem-<pid>-<n>", which
        // watchers list sometimes followed by the object path.
        const QString ours = QStringLiteral("org.kde.StatusNotifierItem-%1-")
                                 .arg(QCoreApplication::applicationPid());
        const QStringList items = reply.value().variant().toStringList();
        for (const QString& item : items)
            if (item.contains(ours))
                return;
        auto* item = new StatusNotifierItem(m_menu, this);
        item->setIcon(Icons::application(m_paused));
        item->setToolTip(m_toolTip.toHtmlEscaped());
        if (!item->start()) {
            delete item;
            return;
        }
        connect(item, &StatusNotifierItem::activated, this, &TrayIcon::activated);
        m_item = item;
        // One icon only: a desktop with both kinds of tray shows this one.
        m_icon->hide();
    });
}

QString TrayIcon::statusText(bool paused, const QList<Reminder>& reminders, const QDateTime& now,
                             const QTimeZone& zone)
{
    if (paused)
        return tr("Paused");
    const auto next = LocalTime::nextDueReminder(reminders, now, zone);
    if (!next)
        return tr("No reminders on");
    const QDateTime wall = LocalTime::wallClock(next->moment, LocalTime::usableZone(zone));
    const QLocale locale;
    const QString when = locale.dayName(wall.date().dayOfWeek(), QLocale::ShortFormat) +
                         QLatin1Char(' ') +
                         locale.toString(wall.time(), Reminder::shortTimeFormat(locale));
    return tr("Next: %1, %2").arg(oneLineText(reminders.at(next->index).title), when);
}
