#pragma once

#include <QDBusServiceWatcher>
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
    // A desktop notification, or Qt's balloon beside an XEmbed icon;
    // `delivered` hears, later, whether it reached the user.
    void showMessage(const QString& title, const QString& text,
                     std::function<void(bool)> delivered = {});
    // Qt's icon, made once no StatusNotifier host is known (shown on X11
    // only, where XEmbed trays are); else null.
    QSystemTrayIcon* systemTrayIcon() const { return m_icon; }

    // The status line, and a line saying why the reminders are not being
    // saved when they are not.
    static QString toolTipText(const QString& status, const QString& saveError);

Q_SIGNALS:
    // A plain click or double-click: the user wants the manager.
    void activated();
    // Once after the start: whether a tray shows the icon is known now.
    void settled();

private Q_SLOTS:
    // A watcher appeared, or a panel appeared behind it.
    void checkSoon();

private:
    void onWatcherUnregistered();
    void fallBackToXEmbed();
    void checkRegistration();
    void useQtIcon();
    void applyToolTip();
    void takeOver();
    void settle();
    QString accessibleDescription() const;

    QMenu* m_menu;
    QSystemTrayIcon* m_icon = nullptr;
    StatusNotifierItem* m_item = nullptr;
    QDBusServiceWatcher m_watcher;
    bool m_paused = false;
    bool m_listed = false;
    bool m_settled = false;
    int m_checkRetries = 0;
    bool m_watcherPresent = false;
    // A watcher gone for this long on X11: back to Qt's XEmbed icon.
    QTimer m_fallBack;
    QString m_toolTip;
};
