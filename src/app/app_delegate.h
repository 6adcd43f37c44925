#pragma once

#include "command_line.h"
#include "model/clock.h"
#include "ui/manager_window.h"

#include <QObject>
#include <QPointer>
#include <QTimer>

#include <functional>

class AlertController;
struct Reminder;
class ChimeOutput;
class LoginItem;
class QAction;
class QMenu;
class Scheduler;
class TrayIcon;
class Store;
class UserDefaults;

// The services the running application is made of; the real ones by default.
struct AppServices {
    LoginItem& login;
    UserDefaults& defaults;
    Scheduler& scheduler;
    AlertController& alerts;
    ChimeOutput& chimes;
    std::function<Store&()> store;
    const Clock& clock = Clock::system();

    static AppServices standard();
};

// Everything the user reaches outside the pop-ups: the tray icon and its
// menu, and the single manager window. launch() is the start-up sequence.
class AppDelegate : public QObject {
    Q_OBJECT

public:
    AppDelegate(CommandLine commandLine, AppServices services, QObject* parent = nullptr);
    ~AppDelegate() override;

    void launch();
    void openManager();
    void togglePause();

    // The website a demonstration pop-up shows when its reminder has none.
    static QString demoWebsite() { return QStringLiteral("www.example.com/pendrel"); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::function<void(const Reminder&)> showAlert() const;
    // Once: closing the window does not stop the reminders.
    void tellKeepsRunning();
    void tellInADialog(const QString& title, const QString& text);
    void refreshQuitOffer();
    void createTrayIcon();
    void refreshStatusMenu();
    void refreshToolTip();
    void scheduleDemo();
    void scheduleSnapshot();
    void takeSnapshots(const QString& folder);

    CommandLine m_commandLine;
    AppServices m_services;
    TrayIcon* m_tray = nullptr;
    std::unique_ptr<QMenu> m_menu;
    QAction* m_pauseItem = nullptr;
    QPointer<ManagerWindow> m_window;
    // Quitting closes the window too; that close is no reason to explain.
    bool m_quitting = false;
    QTimer m_trayCheck;
    static constexpr int trayCheckMsecs = 1000;
};
