#include "alerts/alert_controller.h"
#include "common/fake_chimes.h"
#include "common/fake_clock.h"
#include "model/reminder_json.h"
#include "store/store.h"
#include "store/user_defaults.h"
#include "ui/day_badge.h"
#include "ui/editor_view.h"
#include "ui/login_switch.h"
#include "ui/manager_view.h"
#include "ui/reminder_row.h"
#include "ui/toggle_switch.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimeEdit>
#include <QToolButton>
#include <QtTest>

namespace {

class FakeLogin : public LoginSwitch {
public:
    bool isEnabled() const override { return m_enabled; }
    void set(bool enabled) override
    {
        requests << enabled;
        if (!failing)
            m_enabled = enabled;
    }
    bool failing = false;
    QList<bool> requests;

private:
    bool m_enabled = false;
};

} // namespace

class TestUi : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void dayClicksAppendAndRemove();
    void duplicatedDayGoesInOneClick();
    void timeChangeSettlesOrRearmsToday_data();
    void timeChangeSettlesOrRearmsToday();
    void noSoundDisablesRepeatWithoutChangingIt();
    void pickingASoundPreviewsItOnce();
    void websiteControlsOpenAutomatically();
    void typingKeepsCursorAndUndo();
    void testItNowWritesNothing();
    void firstOpeningSelectsFirst();
    void emptyListShowsEmptyState();
    void removeLeavesNothingSelected();
    void rowsShowTitlesAndIcons();
    void rowSwitchWritesEnabled();
    void loginCheckboxShowsRealState();
    void pauseStaysInStepBothWays();
    void accessibleNames();

private:
    void makeStore(const QList<Reminder>& reminders);
    std::unique_ptr<ManagerView> makeManager();
    QList<Reminder> onDisk() const;

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<UserDefaults> m_defaults;
    std::unique_ptr<Store> m_store;
    std::unique_ptr<FakeChimes> m_chimes;
    std::unique_ptr<FakeOpener> m_opener;
    std::unique_ptr<AlertController> m_alerts;
    FakeClock m_clock;
    FakeLogin m_login;
};

void TestUi::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    m_defaults = std::make_unique<UserDefaults>(m_dir->filePath(QStringLiteral("Pendrel.conf")));
    m_chimes = std::make_unique<FakeChimes>();
    m_opener = std::make_unique<FakeOpener>();
    m_alerts = std::make_unique<AlertController>(*m_chimes, *m_opener);
    m_clock.setLocal(QDate(2026, 3, 9), QTime(14, 0));
    m_login = FakeLogin();
}

void TestUi::cleanup()
{
    m_alerts.reset();
}

void TestUi::makeStore(const QList<Reminder>& reminders)
{
    QFile file(m_dir->filePath(QStringLiteral("reminders.json")));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(ReminderJson::encodeList(reminders));
    file.close();
    m_store = std::make_unique<Store>(m_dir->path(), *m_defaults, m_clock);
}

std::unique_ptr<ManagerView> TestUi::makeManager()
{
    auto view = std::make_unique<ManagerView>(*m_store, m_login, *m_alerts, *m_chimes, m_clock);
    view->resize(820, 700);
    view->show();
    return view;
}

QList<Reminder> TestUi::onDisk() const
{
    QFile file(m_store->filePath());
    file.open(QIODevice::ReadOnly);
    return ReminderJson::decodeList(file.readAll()).value_or(QList<Reminder>());
}

void TestUi::dayClicksAppendAndRemove()
{
    makeStore({Reminder{}});
    auto view = makeManager();
    EditorView* editor = view->editor();
    QVERIFY(editor->dayBadge(2)->isOn());
    QVERIFY(!editor->dayBadge(1)->isOn());
    QCOMPARE(editor->dayBadge(4)->toolTip(), QStringLiteral("Wednesday"));
    QTest::mouseClick(editor->dayBadge(1), Qt::LeftButton);
    QCOMPARE(onDisk().first().days, (QList<qint64>{2, 3, 4, 5, 6, 1}));
    QVERIFY(editor->dayBadge(1)->isOn());
    QCOMPARE(view->row(0)->summaryText(), QStringLiteral("08:10 \u00b7 Sun Mon Tue Wed Thu Fri"));
    QTest::mouseClick(editor->dayBadge(1), Qt::LeftButton);
    QCOMPARE(onDisk().first().days, (QList<qint64>{2, 3, 4, 5, 6}));
    QCOMPARE(view->row(0)->summaryText(), QStringLiteral("08:10 \u00b7 Weekdays"));
}

void TestUi::duplicatedDayGoesInOneClick()
{
    makeStore({Reminder{.days = {3, 5, 3}}});
    auto view = makeManager();
    QVERIFY(view->editor()->dayBadge(3)->isOn());
    QTest::mouseClick(view->editor()->dayBadge(3), Qt::LeftButton);
    QCOMPARE(m_store->reminders().first().days, QList<qint64>{5});
}

void TestUi::timeChangeSettlesOrRearmsToday_data()
{
    QTest::addColumn<QTime>("picked");
    QTest::addColumn<QString>("lastFired");
    QTest::newRow("already passed") << QTime(13, 30) << QStringLiteral("2026-03-09");
    QTest::newRow("still ahead") << QTime(15, 0) << QString();
    QTest::newRow("this very minute") << QTime(14, 0) << QStringLiteral("2026-03-09");
}

void TestUi::timeChangeSettlesOrRearmsToday()
{
    QFETCH(QTime, picked);
    QFETCH(QString, lastFired);
    m_clock.setLocal(QDate(2026, 3, 9), QTime(14, 0, 30));
    makeStore({Reminder{.hour = 9, .minute = 0, .lastFired = QStringLiteral("2026-03-08")}});
    auto view = makeManager();
    view->editor()->timeField()->setTime(picked);
    const Reminder saved = onDisk().first();
    QCOMPARE(saved.hour, picked.hour());
    QCOMPARE(saved.minute, picked.minute());
    QCOMPARE(saved.lastFired, lastFired);
}

void TestUi::noSoundDisablesRepeatWithoutChangingIt()
{
    makeStore({Reminder{.sound = QStringLiteral("Ping"), .repeatSound = true}});
    auto view = makeManager();
    EditorView* editor = view->editor();
    QVERIFY(editor->repeatBox()->isEnabled());
    editor->soundPicker()->setFocus();
    QTest::keyClick(editor->soundPicker(), Qt::Key_Home); // "No sound"
    QCOMPARE(m_store->reminders().first().sound, QStringLiteral("None"));
    QVERIFY(!editor->repeatBox()->isEnabled());
    QVERIFY(editor->repeatBox()->isChecked());
    QVERIFY(m_store->reminders().first().repeatSound);
    QVERIFY(m_chimes->plays.isEmpty());
    QVERIFY(view->row(0)->showsSilentIcon());
}

void TestUi::pickingASoundPreviewsItOnce()
{
    makeStore({Reminder{.sound = QStringLiteral("None"), .repeatSound = true}});
    auto view = makeManager();
    QComboBox* picker = view->editor()->soundPicker();
    picker->setFocus();
    QTest::keyClick(picker, Qt::Key_Down); // past the separator to "Glass"
    QCOMPARE(m_store->reminders().first().sound, QStringLiteral("Glass"));
    QCOMPARE(m_chimes->lookups, QStringList{QStringLiteral("Glass")});
    QCOMPARE(m_chimes->plays, QList<bool>{false}); // once, whatever repeatSound says
    QVERIFY(!view->row(0)->showsSilentIcon());

    // A hand-edited name matches no entry; it stays until the user picks one.
    view.reset(); // the view must not outlive the Store it shows
    makeStore({Reminder{.sound = QStringLiteral("Gong")}});
    auto other = makeManager();
    QCOMPARE(other->editor()->soundPicker()->currentIndex(), -1);
    QCOMPARE(m_store->reminders().first().sound, QStringLiteral("Gong"));
}

void TestUi::websiteControlsOpenAutomatically()
{
    makeStore({Reminder{.openURLAutomatically = true}});
    auto view = makeManager();
    EditorView* editor = view->editor();
    QVERIFY(!editor->openAutomaticallyBox()->isEnabled());
    QVERIFY(editor->openAutomaticallyBox()->isChecked()); // disabled, value kept
    QTest::keyClicks(editor->websiteField(), QStringLiteral("   "));
    QVERIFY(!editor->openAutomaticallyBox()->isEnabled());
    QVERIFY(!view->row(0)->showsWebsiteIcon());
    QTest::keyClicks(editor->websiteField(), QStringLiteral("example.com"));
    QVERIFY(editor->openAutomaticallyBox()->isEnabled());
    QVERIFY(view->row(0)->showsWebsiteIcon());
    QCOMPARE(onDisk().first().url, QStringLiteral("   example.com"));
}

void TestUi::typingKeepsCursorAndUndo()
{
    makeStore({Reminder{.title = QStringLiteral("Standup")}});
    auto view = makeManager();
    QLineEdit* name = view->editor()->nameField();
    name->setFocus();
    name->setCursorPosition(5); // "Stand|up"
    QTest::keyClicks(name, QStringLiteral("-by "));
    QCOMPARE(name->text(), QStringLiteral("Stand-by up"));
    QCOMPARE(name->cursorPosition(), 9);
    QCOMPARE(view->row(0)->titleText(), QStringLiteral("Stand-by up"));
    QCOMPARE(onDisk().first().title, QStringLiteral("Stand-by up"));
    QCOMPARE(view->selection(), m_store->reminders().first().id);

    QTest::keyClick(name, Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(name->text(), QStringLiteral("Standup"));
    QCOMPARE(m_store->reminders().first().title, QStringLiteral("Standup"));

    name->selectAll();
    QTest::keyClick(name, Qt::Key_Delete);
    QCOMPARE(view->row(0)->titleText(), QStringLiteral("Untitled"));
    QVERIFY(name->text().isEmpty());

    // Someone adds a reminder ahead of it in the file: the selection follows
    // its reminder, and the field being typed in is left alone...
    QTest::keyClicks(name, QStringLiteral("Retro"));
    Reminder mine = m_store->reminders().first();
    const Reminder dentist{.title = QStringLiteral("Dentist")};
    QSignalSpy reset(m_store.get(), &Store::remindersReset);
    auto writeByHand = [this](const QList<Reminder>& list) {
        QFile file(m_store->filePath());
        return file.open(QIODevice::WriteOnly) && file.write(ReminderJson::encodeList(list)) > 0;
    };
    QVERIFY(writeByHand({dentist, mine}));
    QVERIFY(reset.wait(3000));
    QCOMPARE(view->selection(), mine.id);
    QCOMPARE(view->editor()->boundId(), mine.id);
    QCOMPARE(name->cursorPosition(), 5);
    QVERIFY(name->isUndoAvailable());
    // ...unless its own reminder changed there.
    mine.title = QStringLiteral("Retrospective");
    QVERIFY(writeByHand({dentist, mine}));
    QVERIFY(reset.wait(3000));
    QCOMPARE(name->text(), mine.title);
}

void TestUi::testItNowWritesNothing()
{
    makeStore({Reminder{.days = {}, .enabled = false}});
    auto view = makeManager();
    QFile file(m_store->filePath());
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray before = file.readAll();
    file.close();
    QTest::mouseClick(view->editor()->testButton(), Qt::LeftButton);
    QCOMPARE(m_alerts->openPanels().size(), 1);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), before);
}

void TestUi::firstOpeningSelectsFirst()
{
    makeStore({Reminder{.title = QStringLiteral("one")}, Reminder{.title = QStringLiteral("two")}});
    auto view = makeManager();
    QCOMPARE(view->selection(), m_store->reminders().first().id);
    QVERIFY(view->showsEditor());
    QCOMPARE(view->editor()->nameField()->text(), QStringLiteral("one"));
    QVERIFY(view->removeButton()->isEnabled());
}

void TestUi::emptyListShowsEmptyState()
{
    makeStore({});
    auto view = makeManager();
    QVERIFY(view->selection().isNull());
    QVERIFY(!view->showsEditor());
    QVERIFY(!view->removeButton()->isEnabled());
    QTest::mouseClick(view->addButton(), Qt::LeftButton);
    QCOMPARE(m_store->reminders().size(), 1);
    QCOMPARE(view->selection(), m_store->reminders().last().id);
    QVERIFY(view->showsEditor());
    QCOMPARE(view->list()->currentRow(), 0);
    QCOMPARE(view->editor()->nameField()->text(), QStringLiteral("New reminder"));
    QCOMPARE(m_store->reminders().first().hour, 14); // 14:00 + 5 minutes
    QCOMPARE(m_store->reminders().first().minute, 5);
}

void TestUi::removeLeavesNothingSelected()
{
    makeStore({Reminder{.title = QStringLiteral("one")}, Reminder{.title = QStringLiteral("two")},
               Reminder{.title = QStringLiteral("three")}});
    auto view = makeManager();
    view->list()->setCurrentRow(1);
    QCOMPARE(view->editor()->nameField()->text(), QStringLiteral("two"));
    QTest::mouseClick(view->removeButton(), Qt::LeftButton);
    QCOMPARE(m_store->reminders().size(), 2);
    QCOMPARE(onDisk().size(), 2);
    QVERIFY(view->selection().isNull());
    QVERIFY(!view->showsEditor());
    QVERIFY(!view->removeButton()->isEnabled());
    QVERIFY(view->list()->selectedItems().isEmpty());
    QCOMPARE(view->list()->count(), 2);
}

void TestUi::rowsShowTitlesAndIcons()
{
    QLocale::setDefault(QLocale(QStringLiteral("en_US")));
    makeStore({Reminder{.title = QString(), .hour = 8, .minute = 10},
               Reminder{.title = QStringLiteral("  "), .sound = QStringLiteral("None")},
               Reminder{.sound = QStringLiteral("Gong"), .url = QStringLiteral("example.com")},
               Reminder{.sound = QStringLiteral("None"), .url = QStringLiteral(" \n")}});
    auto view = makeManager();
    QLocale::setDefault(QLocale::c());
    QCOMPARE(view->row(0)->titleText(), QStringLiteral("Untitled"));
    QCOMPARE(view->row(0)->summaryText().replace(QChar(0x202f), u' '),
             QStringLiteral("8:10 AM \u00b7 Weekdays"));
    QCOMPARE(view->row(1)->titleText(), QStringLiteral("  "));
    QVERIFY(view->editor()->nameField()->text().isEmpty());
    const bool silent[] = {false, true, false, true};
    const bool globe[] = {false, false, true, false};
    for (int i = 0; i < 4; ++i) {
        QCOMPARE(view->row(i)->showsSilentIcon(), silent[i]);
        QCOMPARE(view->row(i)->showsWebsiteIcon(), globe[i]);
    }
}

void TestUi::rowSwitchWritesEnabled()
{
    makeStore({Reminder{.title = QStringLiteral("one")}, Reminder{.title = QStringLiteral("two")}});
    auto view = makeManager();
    QTest::mouseClick(view->row(1)->enabledSwitch(), Qt::LeftButton);
    QVERIFY(m_store->reminders().first().enabled);
    QVERIFY(!onDisk().at(1).enabled);
    QCOMPARE(view->selection(), m_store->reminders().first().id); // selection kept
}

void TestUi::loginCheckboxShowsRealState()
{
    makeStore({});
    auto view = makeManager();
    QVERIFY(!view->loginBox()->isChecked());
    view->loginBox()->click();
    QVERIFY(view->loginBox()->isChecked());
    m_login.failing = true;
    view->loginBox()->click(); // switching off fails: stays ticked
    QVERIFY(view->loginBox()->isChecked());
    QCOMPARE(m_login.requests, (QList<bool>{true, false}));
}

void TestUi::pauseStaysInStepBothWays()
{
    makeStore({});
    auto view = makeManager();
    view->pauseBox()->click();
    QVERIFY(m_store->paused());
    QVERIFY(m_defaults->boolValue(QStringLiteral("paused")));
    m_store->setPaused(false); // as from the tray menu
    QVERIFY(!view->pauseBox()->isChecked());
}

void TestUi::accessibleNames()
{
    makeStore({Reminder{.title = QStringLiteral("Stretch")}});
    auto view = makeManager();
    QCOMPARE(view->addButton()->accessibleName(), QStringLiteral("Add reminder"));
    QCOMPARE(view->removeButton()->accessibleName(), QStringLiteral("Remove reminder"));
    QCOMPARE(view->editor()->dayBadge(1)->accessibleName(), QStringLiteral("Sunday"));
    QVERIFY(view->row(0)->enabledSwitch()->accessibleName().contains(QStringLiteral("Stretch")));
    QVERIFY(view->minimumWidth() >= 760 && view->minimumHeight() >= 480);
}

QTEST_MAIN(TestUi)
#include "tst_ui.moc"
