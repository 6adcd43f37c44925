#include "alerts/alert_controller.h"
#include "alerts/alert_panel.h"
#include "alerts/alert_view.h"
#include "app/app_delegate.h"
#include "app/command_line.h"
#include "app/translations.h"
#include "common/fake_chimes.h"
#include "common/fake_clock.h"
#include "common/parts.h"
#include "common/recording_log.h"
#include "common/shown_text.h"
#include "common/store_fixture.h"
#include "desktop/login_item.h"
#include "desktop/system_log.h"
#include "scheduler/scheduler.h"
#include "store/store.h"
#include "store/user_defaults.h"
#include "ui/editor_view.h"
#include "ui/manager_view.h"
#include "ui/reminder_list_model.h"
#include "widgets/elided_label.h"
#include "widgets/icons.h"

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QListView>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QSignalSpy>
#include <QSystemTrayIcon>
#include <QTemporaryDir>
#include <QTextDocument>
#include <QToolButton>
#include <QtTest>

#include "common/files.h"

namespace {

constexpr qint64 msecsPerTestMinute = 20;

QStringList args(std::initializer_list<const char*> list)
{
    QStringList out{QStringLiteral("/usr/bin/pendrel")};
    for (const char* a : list)
        out << QString::fromUtf8(a);
    return out;
}

// What the desktop lists: the manager window, once made, and the tray's menu.
template <typename T> T* topLevel(const char* name)
{
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (widget->objectName() == QLatin1String(name))
            return qobject_cast<T*>(widget);
    }
    return nullptr;
}

ManagerWindow* managerWindow()
{
    return topLevel<ManagerWindow>("manager");
}

QMenu* statusMenu()
{
    return topLevel<QMenu>("statusMenu");
}

} // namespace

class TestApp : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init();
    void optionMatching();
    void snapshotOptions_data();
    void snapshotOptions();
    void secondsParsing_data();
    void secondsParsing();
    void loginCheckboxFailureReturnsUnticked();
    void loginBoxFollowsTheDesktopsSettings();
    void firstLaunchOpensManagerOnce();
    void demoShowsSilentPopupAfterOneSecond();
    void pauseFromTheMenu();
    void snoozeEndsWithItsReminder_data();
    void snoozeEndsWithItsReminder();
    void germanDesktop();

private:
    LoginItem makeLogin(const QString& program);
    std::unique_ptr<AppDelegate> makeDelegate(const QStringList& arguments);

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<UserDefaults> m_defaults;
    RecordingLog m_log;
    QString m_entry;
    QString m_program;
    // For the launch tests.
    FakeClock m_clock;
    FakeChimes m_chimes;
    FakeOpener m_opener;
    std::unique_ptr<Store> m_store;
    std::unique_ptr<Scheduler> m_scheduler;
    std::unique_ptr<AlertController> m_alerts;
    std::unique_ptr<LoginItem> m_login;
};

void TestApp::init()
{
    m_scheduler.reset();
    m_alerts.reset();
    m_store.reset();
    m_login.reset();
    m_chimes.lookups.clear();
    m_opener.opened.clear();
    m_dir = std::make_unique<QTemporaryDir>();
    m_defaults = std::make_unique<UserDefaults>(m_dir->filePath(QStringLiteral("Pendrel.conf")));
    m_log.lines.clear();
    m_entry = m_dir->filePath(QStringLiteral("autostart/pendrel.desktop"));
    m_program = m_dir->filePath(QStringLiteral("bin dir/pendrel"));
    QVERIFY(writeFile(m_program, "#!/bin/sh\n"));
    QFile::setPermissions(m_program, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

LoginItem TestApp::makeLogin(const QString& program)
{
    return LoginItem(m_entry, program, *m_defaults, m_log);
}

void TestApp::optionMatching()
{
    const CommandLine line(args({"--Demo", "---demo", "--demo=1", "-demo", "--login-statusx"}));
    QVERIFY(!line.demo());
    QVERIFY(!line.loginStatus());
    QVERIFY(CommandLine(args({"x", "--demo", "y"})).demo());
    QVERIFY(CommandLine(args({"--login-status", "--demo"})).loginStatus());
    // The usage lines name every option the list below them explains.
    const QStringList help = CommandLine::usage().split(u'\n');
    const QString usage = help.at(0) + help.at(1) + help.at(2);
    for (const QString& explained : help.filter(QRegularExpression(QStringLiteral("^  --"))))
        QVERIFY2(usage.contains(explained.split(u' ', Qt::SkipEmptyParts).first()),
                 qPrintable(explained));
}

void TestApp::snapshotOptions_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("folder"); // empty: no snapshot
    QTest::addColumn<double>("delay");
    QTest::newRow("default delay") << args({"--snapshot", "out"}) << "out" << 3.0;
    QTest::newRow("last argument") << args({"--demo", "--snapshot"}) << "" << 3.0;
    QTest::newRow("2s keeps 3") << args({"--snapshot", "d", "--snapshot-after", "2s"}) << "d"
                                << 3.0;
    QTest::newRow("zero") << args({"--snapshot-after", "0", "--snapshot", "d"}) << "d" << 0.0;
    QTest::newRow("value may be an option")
        << args({"--snapshot", "--snapshot-after", "5"}) << "--snapshot-after" << 5.0;
    QTest::newRow("first occurrence") << args({"--snapshot", "a", "--snapshot", "b",
                                               "--snapshot-after", "1", "--snapshot-after", "9"})
                                      << "a" << 1.0;
    QTest::newRow("after is last") << args({"--snapshot", "a", "--snapshot-after"}) << "a" << 3.0;
}

void TestApp::snapshotOptions()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, folder);
    QFETCH(double, delay);
    const CommandLine line(arguments);
    QCOMPARE(line.snapshotFolder().value_or(QString()), folder);
    QCOMPARE(line.snapshotDelay(), delay);
}

void TestApp::secondsParsing_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<double>("value");
    QTest::newRow("2") << "2" << true << 2.0;
    QTest::newRow("2.5") << "2.5" << true << 2.5;
    QTest::newRow("-1") << "-1" << true << -1.0;
    QTest::newRow("1e1") << "1e1" << true << 10.0;
    QTest::newRow("trailing space") << "2 " << false << 0.0;
    QTest::newRow("empty") << "" << false << 0.0;
    QTest::newRow("leading space") << " 2" << false << 0.0;
    QTest::newRow("leading tab") << "\t2" << false << 0.0;
    QTest::newRow("2s") << "2s" << false << 0.0;
    QTest::newRow("comma") << "2,5" << false << 0.0;
}

void TestApp::secondsParsing()
{
    QFETCH(QString, text);
    QFETCH(bool, ok);
    QFETCH(double, value);
    // The user's locale must not matter: strtod reads "C" numbers.
    std::setlocale(LC_ALL, "de_DE.UTF-8");
    const auto parsed = CommandLine::parseSeconds(text);
    std::setlocale(LC_ALL, "C");
    QCOMPARE(parsed.has_value(), ok);
    if (ok)
        QCOMPARE(*parsed, value);
}

void TestApp::loginCheckboxFailureReturnsUnticked()
{
    QVERIFY(writeFile(m_dir->filePath(QStringLiteral("autostart")), "in the way"));
    m_defaults->set(UserDefaults::Key::LoginOptOut, true);
    LoginItem login = makeLogin(m_program);
    Store store(m_dir->filePath(QStringLiteral("data")), *m_defaults, m_clock);
    ManagerView view(store, login, {}, m_chimes, m_clock);
    view.show();
    QVERIFY(!part<QCheckBox>(&view, "startAtLogin")->isChecked());
    part<QCheckBox>(&view, "startAtLogin")->click();
    QVERIFY(!part<QCheckBox>(&view, "startAtLogin")->isChecked());
    QCOMPARE(m_log.lines.size(), 1);
    QVERIFY(m_log.lines.first().startsWith(QStringLiteral("Login item change failed: ")));
}

void TestApp::loginBoxFollowsTheDesktopsSettings()
{
    LoginItem login = makeLogin(m_program);
    login.ensureDefault();
    Store store(m_dir->filePath(QStringLiteral("data")), *m_defaults, m_clock);
    ManagerView view(store, login, {}, m_chimes, m_clock);
    view.show();
    QVERIFY(part<QCheckBox>(&view, "startAtLogin")->isChecked());
    // Switched off in the desktop's startup settings while the window is open.
    QFile entry(m_entry);
    QVERIFY(entry.open(QIODevice::Append));
    entry.write("Hidden=true\n");
    entry.close();
    QWidget other;
    other.show();
    other.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&other));
    view.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&view));
    QVERIFY(!part<QCheckBox>(&view, "startAtLogin")->isChecked());
}

std::unique_ptr<AppDelegate> TestApp::makeDelegate(const QStringList& arguments)
{
    const QString data = m_dir->filePath(QStringLiteral("data"));
    if (!m_store)
        m_store = std::make_unique<Store>(data, *m_defaults, m_clock);
    m_alerts = std::make_unique<AlertController>(m_chimes, m_opener, msecsPerTestMinute);
    m_scheduler = std::make_unique<Scheduler>([this]() -> Store& { return *m_store; },
                                              Scheduler::AlertSink{}, m_clock);
    m_login = std::make_unique<LoginItem>(m_entry, m_program, *m_defaults, m_log);
    AppServices services{*m_login,  *m_defaults, *m_scheduler,
                         *m_alerts, m_chimes,    [this]() -> Store& { return *m_store; },
                         m_clock};
    return std::make_unique<AppDelegate>(CommandLine(arguments), services);
}

void TestApp::firstLaunchOpensManagerOnce()
{
    m_clock.setLocal(QDate(2026, 3, 9), QTime(9, 0));
    auto first = makeDelegate(args({}));
    first->launch();
    QVERIFY(managerWindow() && managerWindow()->isVisible());
    QCOMPARE(managerWindow()->windowTitle(), QStringLiteral("Pendrel"));
    QCOMPARE(managerWindow()->windowIcon().cacheKey(), Icons::application(false).cacheKey());
    QCOMPARE(managerWindow()->size(), QSize(820, 700));
    QVERIFY(m_defaults->value(UserDefaults::Key::HasLaunched));
    QVERIFY(m_login->isEnabled());
    QCOMPARE(m_scheduler->lastTick(), m_clock.now()); // started and ticked
    QVERIFY(!QFile::exists(m_store->filePath()));     // launching writes no reminders

    // Reopening keeps the one window, with its size and selection.
    ManagerWindow* window = managerWindow();
    window->resize(900, 720);
    const QUuid selected = window->view()->selection();
    // With no tray here, the window offers Quit, and the first close says
    // once that the reminders go on.
    QVERIFY(part<QPushButton>(window, "quit")->isVisible());
    const auto boxes = [] {
        QList<QMessageBox*> shown;
        for (QWidget* w : QApplication::topLevelWidgets())
            if (auto* box = qobject_cast<QMessageBox*>(w); box && box->isVisible())
                shown << box;
        return shown;
    };
    window->close();
    QCOMPARE(boxes().size(), 1);
    QVERIFY(boxes().first()->text().contains(QStringLiteral("application menu")));
    boxes().first()->accept();
    first->openManager();
    window->close();
    QVERIFY(boxes().isEmpty());
    first->openManager();
    first->openManager();
    QCOMPARE(managerWindow(), window);
    QVERIFY(window->isVisible());
    QCOMPARE(window->size(), QSize(900, 720));
    QCOMPARE(window->view()->selection(), selected);

    // The window's own shortcuts.
    QVERIFY(QTest::qWaitForWindowActive(window));
    QSignalSpy quit(window, &ManagerWindow::quitRequested);
    QTest::keyClick(window, Qt::Key_Q, Qt::ControlModifier);
    QCOMPARE(quit.size(), 1);
    QTest::keyClick(window, Qt::Key_W, Qt::ControlModifier);
    QVERIFY(!window->isVisible());

    // Started again at login, no window; by the user with no tray here, the
    // window, once the tray's state is known.
    first.reset();
    auto atLogin = makeDelegate(args({"--autostart"}));
    atLogin->launch();
    QTest::qWait(100);
    QVERIFY(!managerWindow());
    auto byUser = makeDelegate(args({}));
    byUser->launch();
    QVERIFY(!managerWindow());
    QTRY_VERIFY(managerWindow() && managerWindow()->isVisible());

    // Quitting closes it, and says nothing of Pendrel running on.
    m_defaults->set(UserDefaults::Key::ToldKeepsRunning, false);
    QEvent quitting(QEvent::Quit);
    QCoreApplication::sendEvent(qApp, &quitting);
    QVERIFY(!managerWindow()->isVisible());
    QVERIFY(boxes().isEmpty());
    QVERIFY(!m_defaults->value(UserDefaults::Key::ToldKeepsRunning));
}

void TestApp::demoShowsSilentPopupAfterOneSecond()
{
    m_defaults->set(UserDefaults::Key::HasLaunched, true);
    m_store =
        std::make_unique<Store>(m_dir->filePath(QStringLiteral("data")), *m_defaults, m_clock);
    replaceList(*m_store, {Reminder{.title = QStringLiteral("Own site"),
                                    .sound = QStringLiteral("Hero"),
                                    .url = QStringLiteral("example.org"),
                                    .openURLAutomatically = true}});
    auto delegate = makeDelegate(args({"--demo"}));
    QElapsedTimer timer;
    timer.start();
    delegate->launch();
    QVERIFY(managerWindow());
    QVERIFY(m_alerts->openPanels().isEmpty());
    QTRY_COMPARE_WITH_TIMEOUT(m_alerts->openPanels().size(), 1, 3000);
    QVERIFY(timer.elapsed() >= 900);
    QVERIFY(m_chimes.lookups.isEmpty());                                  // silent
    QVERIFY(m_opener.opened.isEmpty());                                   // never opens by itself
    QCOMPARE(m_store->reminders().first().sound, QStringLiteral("Hero")); // Store untouched

    replaceList(*m_store, {});
    auto empty = makeDelegate(args({"--demo"}));
    empty->launch();
    QTRY_COMPARE_WITH_TIMEOUT(m_alerts->openPanels().size(), 1, 3000);
    QVERIFY(m_alerts->openPanels().first()->findChild<QWidget*>(QStringLiteral("website")));
}

void TestApp::pauseFromTheMenu()
{
    auto delegate = makeDelegate(args({}));
    delegate->launch();
    QAction* pause = statusMenu()->findChild<QAction*>(QStringLiteral("pause"));
    QCOMPARE(pause->text(), QStringLiteral("Pause all reminders"));
    QSystemTrayIcon* tray = delegate->findChild<QSystemTrayIcon*>();
    // The tooltip as it shows: rich text, which a reminder's title never is.
    const auto shown = [tray] { return shownToolTip(tray->toolTip()); };
    pause->trigger();
    QVERIFY(m_store->paused());
    QVERIFY(m_defaults->value(UserDefaults::Key::Paused));
    // The icon and tooltip follow at once, with no menu opened in between.
    QCOMPARE(tray->icon().cacheKey(), Icons::application(true).cacheKey());
    QCOMPARE(shown(), QStringLiteral("Paused"));
    m_store->setPaused(false); // as from the manager window
    QCOMPARE(tray->icon().cacheKey(), Icons::application(false).cacheKey());
    m_clock.setUtc(QDateTime(QDate(2026, 3, 9), QTime(8, 0), QTimeZone("Europe/Berlin")));
    replaceList(*m_store,
                {Reminder{.title = QStringLiteral("Later"), .hour = 8, .minute = 50, .days = {2}},
                 Reminder{.title = QStringLiteral("Take\nattendance"), .days = {2, 3}}});
    QCOMPARE(shown(), QStringLiteral("Next: Take attendance, Today 08:10"));
    m_clock.advance(
        3600); // past its minute, unrung (the last tick lies later): the tick moves it on
    m_scheduler->tick();
    QCOMPARE(shown(), QStringLiteral("Next: Take attendance, Tomorrow 08:10"));
    m_store->setReminder(1, Reminder{.title = QStringLiteral("<b>Pay</b> &amp;"), .days = {3}});
    QCOMPARE(shown(), QStringLiteral("Next: <b>Pay</b> &amp;, Tomorrow 08:10"));
    // A snooze that ends sooner is what rings next, in the manager too.
    m_alerts->show(m_store->reminders().at(1));
    Q_EMIT qobject_cast<AlertPanel*>(m_alerts->openPanels().first())->view()->snoozeRequested(15);
    QCOMPARE(shown(), QStringLiteral("Next: <b>Pay</b> &amp;, Today 09:00"));
    delegate->openManager();
    QCOMPARE(part<ElidedLabel>(managerWindow(), "nextRing")->text(),
             QStringLiteral("Next: <b>Pay</b> &amp;, Today 09:00"));
    QCOMPARE(shownToolTip(part<QLabel>(managerWindow(), "nextRing")->toolTip()),
             QStringLiteral("Next: <b>Pay</b> &amp;, Today 09:00"));
    replaceList(*m_store, {});
    QTRY_COMPARE(shown(), QStringLiteral("No reminders on")); // deleted: its snooze ends
    Q_EMIT statusMenu()->aboutToShow();
    QVERIFY(!pause->isChecked());
    pause->trigger();
    pause->trigger();
    Q_EMIT statusMenu()->aboutToShow();
    QVERIFY(!pause->isChecked());
    QVERIFY(!m_defaults->value(UserDefaults::Key::Paused));
    const QStringList titles = [&] {
        QStringList t;
        for (QAction* a : statusMenu()->actions())
            t << (a->isSeparator() ? QStringLiteral("-") : a->text());
        return t;
    }();
    QCOMPARE(titles, (QStringList{QStringLiteral("Open Pendrel\u2026"), QStringLiteral("-"),
                                  QStringLiteral("Pause all reminders"), QStringLiteral("-"),
                                  QStringLiteral("Quit Pendrel")}));
}

void TestApp::snoozeEndsWithItsReminder_data()
{
    QTest::addColumn<QString>("meanwhile");
    QTest::addColumn<bool>("comesBack");
    QTest::newRow("renamed") << "rename" << true;
    QTest::newRow("deleted") << "remove" << false;
    QTest::newRow("switched off") << "off" << false;
    QTest::newRow("paused") << "pause" << false;
}

void TestApp::snoozeEndsWithItsReminder()
{
    QFETCH(QString, meanwhile);
    QFETCH(bool, comesBack);
    auto delegate = makeDelegate(args({}));
    delegate->launch();
    const Reminder rung = m_store->reminders().first();
    m_alerts->show(rung);
    auto* panel = qobject_cast<AlertPanel*>(m_alerts->openPanels().first());
    Q_EMIT panel->view()->snoozeRequested(5);
    Reminder edited = rung;
    edited.title = QStringLiteral("Renamed");
    edited.enabled = meanwhile != QStringLiteral("off");
    if (meanwhile == QStringLiteral("remove"))
        m_store->remove(rung.id);
    else if (meanwhile == QStringLiteral("pause"))
        delegate->togglePause();
    else
        m_store->setReminder(0, edited);
    QTest::qWait(int(8 * msecsPerTestMinute));
    QCOMPARE(m_alerts->openPanels().size(), comesBack ? 1 : 0);
    if (comesBack) // the copy taken when it rang
        QCOMPARE(qobject_cast<AlertPanel*>(m_alerts->openPanels().first())->view()->reminder(),
                 rung);
}

void TestApp::germanDesktop()
{
    const QLocale before;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    Translations::install(QLocale());
    m_store =
        std::make_unique<Store>(m_dir->filePath(QStringLiteral("data")), *m_defaults, m_clock);
    replaceList(
        *m_store,
        {Reminder{.title = QStringLiteral(
                      "Anwesenheit prüfen, die Liste ins Sekretariat bringen und den "
                      "Elternbrief für die Klassenfahrt austeilen"),
                  .hour = 8,
                  .minute = 5,
                  .days = {2, 4, 6}},
         Reminder{.title = QStringLiteral("Wasser trinken, die Pflanzen im Lehrerzimmer gießen "
                                          "und zum Lüften die Fenster öffnen"),
                  .days = {2, 3, 4, 5, 6}}});
    auto delegate = makeDelegate(args({}));
    delegate->launch();
    ManagerView* view = managerWindow()->view();
    const QAbstractItemModel* rows = part<QListView>(view, "reminders")->model();
    const QString summary = rows->index(0, 0).data(ReminderListModel::SummaryRole).toString();
    const QString weekdays = rows->index(1, 0).data(ReminderListModel::SummaryRole).toString();
    const QString pause = part<QCheckBox>(view, "pause")->text();
    const QString test = part<QPushButton>(view, "test")->text();
    const QString quit = statusMenu()->actions().constLast()->text();
    const QString copy = QCoreApplication::translate("QLineEdit", "&Copy"); // Qt's own texts
    part<QToolButton>(view, "add")->click();
    const QString added = m_store->reminders().constLast().title;
    // The next-ring line keeps its beginning, between the two boxes, at the least width.
    managerWindow()->resize(managerWindow()->minimumSize());
    QCoreApplication::processEvents();
    auto* next = part<ElidedLabel>(view, "nextRing");
    // Too long for one line: wrapped, or ended in "…", never cut at both ends.
    const bool elided = next->isElided() || next->height() >= 2 * next->fontMetrics().lineSpacing();
    const bool between = next->x() > part<QCheckBox>(view, "startAtLogin")->geometry().right() &&
                         next->geometry().right() < part<QCheckBox>(view, "pause")->x();
    // The other tests read English texts.
    QLocale::setDefault(before);
    qDeleteAll(qApp->findChildren<QTranslator*>());

    QCOMPARE(summary, QStringLiteral("08:05 \u00b7 Mo Mi Fr"));
    QVERIFY(weekdays.endsWith(QStringLiteral("Wochentags")));
    QCOMPARE(pause, QStringLiteral("Alle Erinnerungen pausieren"));
    QCOMPARE(test, QStringLiteral("Jetzt testen"));
    QCOMPARE(quit, QStringLiteral("Pendrel beenden"));
    QCOMPARE(copy, QStringLiteral("&Kopieren"));
    QCOMPARE(added, QStringLiteral("Neue Erinnerung"));
    QVERIFY(elided);
    QVERIFY(between);
}

QTEST_MAIN(TestApp)
#include "tst_app.moc"
