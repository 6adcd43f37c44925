#pragma once

#include "sni_watcher.h"

#include <QObject>
#include <QTimer>

#include <functional>

class QMenu;
class QSystemTrayIcon;
class StatusNotifierItem;

// Pendrel's icon in the desktop's tray, shown from the start even when no
// tray is there yet: trays often start after the programs of a login.
// Wherever a StatusNotifier watcher with a panel behind it is there, at the
// start or later, Pendrel's own StatusNotifierItem shows the icon, whichever
// started first. Qt's icon serves only XEmbed trays on X11: Qt docks it into
// one that appears later by itself, and it comes back when the watcher goes.
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
    // Qt's balloon beside an XEmbed icon; false where there is none (a
    // desktop notification says it there).
    bool showMessage(const QString& title, const QString& text);
    // Qt's icon, made once no StatusNotifier host is known (shown on X11
    // only, where XEmbed trays are); else null.
    QSystemTrayIcon* systemTrayIcon() const { return m_icon; }

    // The status line, and a line saying why the reminders are not being
    // saved when they are not.
    static QString toolTipText(const QString& status, const QString& saveError);

Q_SIGNALS:
    // A plain click or double-click: the user wants the manager.
    // A click on the icon; `activationToken` lets the window it opens take the
    // focus on Wayland, where the panel gave one.
    void activated(const QString& activationToken);
    // Once after the start: whether a tray shows the icon is known now.
    void settled();

private:
    void onWatcherVanished();
    void onHostAnswered(bool hostRegistered);
    void fallBackToXEmbed();
    void useQtIcon();
    void applyToolTip();
    void takeOver();
    void settle();
    QString accessibleDescription() const;

    QMenu* m_menu;
    QSystemTrayIcon* m_icon = nullptr;
    StatusNotifierItem* m_item = nullptr;
    SniWatcher m_watcher;
    bool m_paused = false;
    bool m_listed = false;
    bool m_settled = false;
    // A watcher gone for this long on X11: back to Qt's XEmbed icon.
    QTimer m_fallBack;
    QString m_toolTip;
};
