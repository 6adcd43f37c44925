#pragma once

#include "model/reminder.h"

#include <QDBusServiceWatcher>
#include <QObject>

class QDateTime;
class QMenu;
class QSystemTrayIcon;
class QTimeZone;
class StatusNotifierItem;

// Pendrel's icon in the desktop's tray, shown from the start even when no
// tray is there yet: trays often start after the programs of a login.
// An XEmbed tray that appears later is found by Qt itself. A StatusNotifier
// watcher that appears later is not: when one appears with a panel behind it
// and the icon is not among its items, Pendrel's own StatusNotifierItem takes
// over. On X11 Qt's icon comes back when the watcher goes.
class TrayIcon : public QObject {
    Q_OBJECT

public:
    explicit TrayIcon(QMenu* menu, QObject* parent = nullptr);
    ~TrayIcon() override;

    void setPaused(bool paused);
    // Whether a tray shows the icon now: an XEmbed tray, or a panel whose
    // watcher lists Pendrel's item.
    bool shown() const;
    void setToolTip(const QString& text);
    QSystemTrayIcon* systemTrayIcon() const { return m_icon; }

    // The status line, and a line saying why the reminders are not being
    // saved when they are not.
    static QString toolTipText(const QString& status, const QString& saveError);

Q_SIGNALS:
    // A plain click or double-click: the user wants the manager.
    void activated();

private Q_SLOTS:
    // A watcher appeared, or a panel appeared behind it.
    void checkSoon();

private:
    void onWatcherUnregistered();
    void checkRegistration();
    void takeOverUnlessListed(const QStringList& items);
    void takeOver();
    QString accessibleDescription() const;

    QMenu* m_menu;
    QSystemTrayIcon* m_icon = nullptr;
    StatusNotifierItem* m_item = nullptr;
    QDBusServiceWatcher m_watcher;
    bool m_paused = false;
    bool m_listed = false;
    QString m_toolTip;
};
