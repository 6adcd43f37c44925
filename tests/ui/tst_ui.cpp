#include "alerts/alert_controller.h"
#include "alerts/alert_panel.h"
#include "alerts/secondary_text.h"
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

#include <QAccessible>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScopeGuard>
#include <QScrollArea>
#include <QScrollBar>
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
    void readableInBothThemes_data();
    void readableInBothThemes();
    void boundFieldsShowTheStart();
    void wheelNeedsFocus_data();
    void wheelNeedsFocus();

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
    for (int day : {1, 2}) {
        const QAccessible::State state =
            QAccessible::queryAccessibleInterface(view->editor()->dayBadge(day))->state();
        QVERIFY(state.checkable);
        QCOMPARE(bool(state.checked), day == 2); // weekdays
    }
    QVERIFY(view->row(0)->enabledSwitch()->accessibleName().contains(QStringLiteral("Stretch")));
    QVERIFY(view->minimumWidth() >= 760 && view->minimumHeight() >= 480);
}

namespace {

QPalette darkPalette()
{
    QPalette dark;
    const std::pair<QPalette::ColorRole, QColor> roles[] = {
        {QPalette::Window, QColor(0x35, 0x35, 0x35)},
        {QPalette::WindowText, QColor(0xee, 0xee, 0xec)},
        {QPalette::Base, QColor(0x2d, 0x2d, 0x2d)},
        {QPalette::AlternateBase, QColor(0x3a, 0x3a, 0x3a)},
        {QPalette::Text, QColor(0xee, 0xee, 0xec)},
        {QPalette::Button, QColor(0x3a, 0x3a, 0x3a)},
        {QPalette::ButtonText, QColor(0xee, 0xee, 0xec)},
        {QPalette::Highlight, QColor(0x35, 0x84, 0xe4)},
        {QPalette::HighlightedText, Qt::white}};
    for (const auto& [role, color] : roles)
        dark.setColor(role, color);
    dark.setColor(QPalette::Disabled, QPalette::WindowText, QColor(0x91, 0x91, 0x90));
    dark.setColor(QPalette::Disabled, QPalette::Text, QColor(0x91, 0x91, 0x90));
    return dark;
}

// The strongest contrast any pixel of the widget's picture has with its corner.
double glyphContrast(QWidget* widget)
{
    const QImage image = widget->grab().toImage();
    const QColor background = image.pixelColor(0, 0);
    double best = 1;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            best = std::max(best, SecondaryText::contrast(image.pixelColor(x, y), background));
    return best;
}

void checkSecondary(QWidget* label)
{
    QVERIFY(label);
    const QColor text = label->palette().color(QPalette::WindowText);
    const QColor background = label->grab().toImage().pixelColor(0, 0);
    QVERIFY2(SecondaryText::contrast(text, background) >= 4.5,
             qPrintable(label->objectName() + u' ' + text.name() + u'/' + background.name()));
    QVERIFY(text != QApplication::palette().color(QPalette::Disabled, QPalette::WindowText));
}

QLabel* labelWithText(QWidget* parent, const QString& start)
{
    for (QLabel* label : parent->findChildren<QLabel*>())
        if (label->text().startsWith(start))
            return label;
    return nullptr;
}

} // namespace

void TestUi::readableInBothThemes_data()
{
    QTest::addColumn<QPalette>("palette");
    QTest::newRow("light") << QApplication::style()->standardPalette();
    QTest::newRow("dark") << darkPalette();
}

void TestUi::readableInBothThemes()
{
    QFETCH(QPalette, palette);
    const QPalette original = QApplication::palette();
    const QString originalTheme = QIcon::themeName();
    const QStringList originalPaths = QIcon::themeSearchPaths();
    const auto restore = qScopeGuard([&] {
        QApplication::setPalette(original);
        QIcon::setThemeSearchPaths(originalPaths);
        QIcon::setThemeName(originalTheme);
    });
    QApplication::setPalette(palette);
    // A desktop icon theme whose symbolic icons are drawn in a fixed dark grey.
    QIcon::setThemeSearchPaths({QStringLiteral("/usr/share/icons")});
    QIcon::setThemeName(QStringLiteral("Adwaita"));

    makeStore({Reminder{.url = QStringLiteral("example.com")}});
    auto view = makeManager();
    QVERIFY(glyphContrast(view->addButton()) >= 3);
    QVERIFY(glyphContrast(view->removeButton()) >= 3);
    checkSecondary(labelWithText(view->editor(), QStringLiteral("The pop-up always")));
    view.reset();
    makeStore({});
    view = makeManager();
    checkSecondary(labelWithText(view->emptyState(), QStringLiteral("Pick a reminder")));

    AlertPanel panel(Reminder{.url = QStringLiteral("example.com")});
    panel.show();
    for (const char* name : {"time", "website"})
        checkSecondary(panel.findChild<QWidget*>(QString::fromLatin1(name)));
}

void TestUi::boundFieldsShowTheStart()
{
    const QString longText = QStringLiteral("Begin ") + QString(200, u'x');
    makeStore({Reminder{.title = QStringLiteral("short")},
               Reminder{.title = longText, .note = longText, .url = longText}});
    auto view = makeManager();
    view->select(m_store->reminders().last().id);
    EditorView* editor = view->editor();
    for (QLineEdit* field : {editor->nameField(), editor->messageField(), editor->websiteField()})
        QCOMPARE(field->cursorPosition(), 0);
}

void TestUi::wheelNeedsFocus_data()
{
    QTest::addColumn<bool>("sound");
    QTest::newRow("time") << false;
    QTest::newRow("sound") << true;
}

void TestUi::wheelNeedsFocus()
{
    QFETCH(bool, sound);
    makeStore({Reminder{.hour = 9, .minute = 30, .lastFired = QStringLiteral("2026-03-08")}});
    auto view = makeManager();
    view->resize(view->minimumSize()); // the form scrolls
    QScrollBar* scroll = view->findChild<QScrollArea*>()->verticalScrollBar();
    QVERIFY(scroll->maximum() > 0);
    EditorView* editor = view->editor();
    QWidget* field = sound ? static_cast<QWidget*>(editor->soundPicker()) : editor->timeField();
    view->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(view.get()));
    editor->nameField()->setFocus();
    const auto wheel = [field] {
        QWheelEvent event(QPointF(4, 4), field->mapToGlobal(QPointF(4, 4)), QPoint(),
                          QPoint(0, -120), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(field, &event);
    };
    const Reminder before = m_store->reminders().first();
    wheel();
    QVERIFY(scroll->value() > 0); // the form scrolled instead
    QVERIFY(m_store->reminders().first() == before);

    field->setFocus();
    wheel();
    const Reminder changed = m_store->reminders().first();
    QVERIFY(sound ? changed.sound != QStringLiteral("Glass") : changed.hour != 9);
}

QTEST_MAIN(TestUi)
#include "tst_ui.moc"
