#include "app_delegate.h"

#include "alerts/alert_controller.h"
#include "desktop/desktop_notification.h"
#include "desktop/login_item.h"
#include "model/next_ring.h"
#include "scheduler/scheduler.h"
#include "snapshot.h"
#include "sound/chime_output.h"
#include "store/store.h"
#include "store/user_defaults.h"
#include "tray/tray_icon.h"
#include "ui/manager_view.h"
#include "ui/manager_window.h"
#include "widgets/icons.h"

#include <QApplication>
#include <QMenu>
#include <QMessageBox>
#include <QTimer>

#include <cmath>

namespace {

// Seconds to a timer delay, for any number the command line may give.
std::chrono::milliseconds delayFor(double seconds)
{
    if (std::isnan(seconds) || seconds <= 0)
        return std::chrono::milliseconds(0);
    const double msecs = std::min(seconds * 1000.0, double(std::numeric_limits<int>::max()));
    return std::chrono::milliseconds(static_cast<qint64>(msecs));
}

} // namespace

AppServices AppServices::standard()
{
    return AppServices{LoginItem::standard(),   UserDefaults::standard(),
                       Scheduler::shared(),     AlertController::shared(),
                       ChimeOutput::standard(), &Store::shared,
                       Clock::system()};
}

AppDelegate::AppDelegate(CommandLine commandLine, AppServices services, QObject* parent)
    : QObject(parent), m_commandLine(std::move(commandLine)), m_services(std::move(services))
{}

AppDelegate::~AppDelegate()
{
    delete m_window;
}

bool AppDelegate::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == qApp && event->type() == QEvent::Quit)
        m_quitting = true;
    return QObject::eventFilter(watched, event);
}

void AppDelegate::launch()
{
    qApp->installEventFilter(this);
    // Every window carries it (_NET_WM_ICON on X11), also when Pendrel runs
    // from where it was built, with no icon installed for its desktop file.
    QApplication::setWindowIcon(Icons::application(false));
    m_services.login.ensureDefault();
    createTrayIcon();

    m_services.scheduler.setAlertSink(showAlert());
    m_services.alerts.setSnoozeCheck(
        [this](const Reminder& r) { return m_services.store().stillRings(r.id); });
    m_services.scheduler.start(); // its first tick brings the Store up

    const bool launchedBefore = m_services.defaults.value(UserDefaults::Key::HasLaunched);
    m_services.defaults.set(UserDefaults::Key::HasLaunched, true);
    if (!launchedBefore || m_commandLine.demo()) {
        openManager();
    } else if (!m_commandLine.autostart()) {
        // Started by the user where no tray shows the icon: the window is
        // the only sign that Pendrel runs.
        connect(m_tray, &TrayIcon::settled, this, [this] {
            if (!m_tray->shown())
                openManager();
        });
    }
    if (m_commandLine.demo())
        scheduleDemo();
    scheduleSnapshot();
}

void AppDelegate::createTrayIcon()
{
    m_menu = std::make_unique<QMenu>();
    m_menu->setObjectName(QStringLiteral("statusMenu"));
    connect(m_menu->addAction(tr("Open Pendrel\u2026")), &QAction::triggered, this,
            &AppDelegate::openManager);
    m_menu->addSeparator();
    m_pauseItem = m_menu->addAction(tr("Pause all reminders"));
    m_pauseItem->setObjectName(QStringLiteral("pause"));
    m_pauseItem->setCheckable(true);
    connect(m_pauseItem, &QAction::triggered, this, &AppDelegate::togglePause);
    m_menu->addSeparator();
    QAction* quit = m_menu->addAction(tr("Quit Pendrel"));
    quit->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));
    connect(quit, &QAction::triggered, qApp, &QCoreApplication::quit);
    connect(m_menu.get(), &QMenu::aboutToShow, this, &AppDelegate::refreshStatusMenu);

    // Shown even without a tray yet; where none ever comes Pendrel still
    // runs and a second launch opens the manager.
    m_tray = new TrayIcon(m_menu.get(), this);
    connect(m_tray, &TrayIcon::settled, this, &AppDelegate::refreshQuitOffer);
    m_trayCheck.setInterval(trayCheckMsecs);
    connect(&m_trayCheck, &QTimer::timeout, this, &AppDelegate::refreshQuitOffer);
    connect(m_tray, &TrayIcon::activated, this, [this](const QString& activationToken) {
        // Qt's Wayland platform takes the token from there when the window
        // asks for the focus; set here, on a click, never from a bus call.
        if (!activationToken.isEmpty() && QGuiApplication::platformName() == u"wayland")
            qputenv("XDG_ACTIVATION_TOKEN", activationToken.toUtf8());
        openManager();
    });

    // The icon and the tooltip follow every change at once, wherever it was made.
    Store& store = m_services.store();
    connect(&store, &Store::pausedChanged, this, &AppDelegate::refreshStatusMenu);
    connect(&store, &Store::reminderChanged, this, &AppDelegate::refreshToolTip);
    connect(&store, &Store::reminderInserted, this, &AppDelegate::refreshToolTip);
    connect(&store, &Store::reminderRemoved, this, &AppDelegate::refreshToolTip);
    connect(&store, &Store::remindersReset, this, &AppDelegate::refreshToolTip);
    connect(&store, &Store::safetyChanged, this, &AppDelegate::refreshToolTip);
    connect(&m_services.scheduler, &Scheduler::ticked, this, &AppDelegate::refreshToolTip);
    connect(&m_services.alerts, &AlertController::snoozesChanged, this,
            &AppDelegate::refreshToolTip);
    refreshStatusMenu();
}

void AppDelegate::refreshStatusMenu()
{
    const bool paused = m_services.store().paused();
    m_pauseItem->setChecked(paused);
    m_tray->setPaused(paused);
    refreshToolTip();
}

void AppDelegate::refreshToolTip()
{
    const Store& store = m_services.store();
    const QDateTime now = m_services.clock.now();
    // Snoozes that still come back, by the application's clock.
    QList<NextRing::Snooze> snoozes;
    for (const AlertController::Snoozed& s : m_services.alerts.snoozed()) {
        if (store.stillRings(s.reminder.id))
            snoozes.append({now.addMSecs(s.until.remainingTime()), s.reminder.shownTitle()});
    }
    const QString status = NextRing::statusText(store.paused(), store.reminders(), snoozes, now,
                                                m_services.clock.zone());
    m_tray->setToolTip(TrayIcon::toolTipText(status, store.saveError()));
    if (m_window)
        m_window->view()->setNextRing(status);
}

std::function<void(const Reminder&)> AppDelegate::showAlert() const
{
    return [&alerts = m_services.alerts](const Reminder& r) { alerts.show(r); };
}

void AppDelegate::openManager()
{
    if (!m_window) {
        auto* view = new ManagerView(m_services.store(), m_services.login, showAlert(),
                                     m_services.chimes, m_services.clock);
        m_window = new ManagerWindow(view);
        m_window->setObjectName(QStringLiteral("manager"));
        refreshToolTip();
        connect(m_window, &ManagerWindow::quitRequested, qApp, &QCoreApplication::quit);
        connect(view, &ManagerView::quitRequested, qApp, &QCoreApplication::quit);
        connect(m_window, &ManagerWindow::closed, this, &AppDelegate::tellKeepsRunning);
    }
    m_window->bringToFront();
    refreshQuitOffer();
    m_trayCheck.start();
}

void AppDelegate::refreshQuitOffer()
{
    // Where no tray shows the icon, the window is the only way to quit.
    // Trays come and go without a word, so this looks while the window shows.
    if (!m_window || !m_window->isVisible()) {
        m_trayCheck.stop();
        return;
    }
    m_window->view()->offerQuit(!m_tray->shown());
}

void AppDelegate::tellKeepsRunning()
{
    if (m_quitting || m_services.defaults.value(UserDefaults::Key::ToldKeepsRunning))
        return;
    const QString title = tr("Pendrel keeps running");
    if (!m_tray->shown()) {
        tellInADialog(title, tr("Your reminders still ring. Start Pendrel again from the "
                                "application menu to open this window; its Quit Pendrel "
                                "button stops it."));
        return;
    }
    const QString text =
        tr("Your reminders still ring. The alarm clock in the tray opens Pendrel again.");
    if (m_tray->showMessage(title, text)) {
        m_services.defaults.set(UserDefaults::Key::ToldKeepsRunning, true);
        return;
    }
    // Told only once it has reached the user; where no notification server
    // takes it, the same words come in a dialog instead.
    DesktopNotification::show(title, text, this, [this, title, text](bool delivered) {
        if (m_services.defaults.value(UserDefaults::Key::ToldKeepsRunning))
            return;
        if (delivered)
            m_services.defaults.set(UserDefaults::Key::ToldKeepsRunning, true);
        else
            tellInADialog(title, text);
    });
}

void AppDelegate::tellInADialog(const QString& title, const QString& text)
{
    m_services.defaults.set(UserDefaults::Key::ToldKeepsRunning, true);
    auto* box = new QMessageBox(QMessageBox::Information, title, text, QMessageBox::Ok);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->open(); // never waits: pop-ups and ticks go on meanwhile
}

void AppDelegate::togglePause()
{
    Store& store = m_services.store();
    store.setPaused(!store.paused());
}

void AppDelegate::scheduleDemo()
{
    const QList<Reminder>& reminders = m_services.store().reminders();
    Reminder demo = reminders.isEmpty() ? Reminder{} : reminders.first();
    if (demo.url.isEmpty())
        demo.url = demoWebsite();
    demo.openURLAutomatically = false;
    demo.sound = noSound.toString();
    QTimer::singleShot(1000, this, [this, demo] { m_services.alerts.show(demo); });
}

void AppDelegate::scheduleSnapshot()
{
    const auto folder = m_commandLine.snapshotFolder();
    if (!folder)
        return;
    QTimer::singleShot(delayFor(m_commandLine.snapshotDelay()), this,
                       [this, f = *folder] { takeSnapshots(f); });
}

void AppDelegate::takeSnapshots(const QString& folder)
{
    Snapshot::take(m_window, m_services.alerts.openPanels(), folder);
    QCoreApplication::quit();
}
