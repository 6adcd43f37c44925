#include "alerts/alert_controller.h"
#include "alerts/alert_panel.h"
#include "common/fake_chimes.h"
#include "common/fake_clock.h"
#include "common/parts.h"
#include "common/shown_text.h"
#include "common/store_fixture.h"
#include "desktop/login_switch.h"
#include "model/reminder_json.h"
#include "store/store.h"
#include "store/user_defaults.h"
#include "ui/editor_view.h"
#include "ui/manager_view.h"
#include "ui/reminder_delegate.h"
#include "ui/reminder_list_model.h"
#include "widgets/day_badge.h"
#include "widgets/elided_label.h"
#include "widgets/notice_bar.h"
#include "widgets/outline_style.h"
#include "widgets/secondary_text.h"

#include <QAbstractItemModelTester>
#include <QAccessible>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPainter>
#include <QPushButton>
#include <QScopeGuard>
#include <QScrollArea>
#include <QScrollBar>
#include <QStackedWidget>
#include <QTemporaryDir>
#include <QTimeEdit>
#include <QToolButton>
#include <QToolTip>
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

ReminderListModel* modelOf(const QWidget* view)
{
    return qobject_cast<ReminderListModel*>(part<QListView>(view, "reminders")->model());
}

ReminderDelegate* delegateOf(const QWidget* view)
{
    return qobject_cast<ReminderDelegate*>(part<QListView>(view, "reminders")->itemDelegate());
}

bool showsEditor(const QWidget* view)
{
    return part<QStackedWidget>(view, "detail")->currentWidget() !=
           part<QWidget>(view, "emptyState");
}

// The badge of a day by its stored number, 1 = Sunday.
DayBadge* dayBadge(const QWidget* form, int day)
{
    return form->findChild<DayBadge*>(QStringLiteral("day%1").arg(day));
}

QVariant rowData(const ManagerView& view, int row, int role)
{
    return modelOf(&view)->index(row).data(role);
}

QString rowTitle(const ManagerView& view, int row)
{
    return rowData(view, row, Qt::DisplayRole).toString();
}

QString rowSummary(const ManagerView& view, int row)
{
    return rowData(view, row, ReminderListModel::SummaryRole).toString();
}

// The painting options the list gives a row.
QStyleOptionViewItem rowOption(const ManagerView& view, int row)
{
    QStyleOptionViewItem option;
    option.initFrom(part<QListView>(&view, "reminders"));
    option.rect = part<QListView>(&view, "reminders")->visualRect(modelOf(&view)->index(row));
    option.font = part<QListView>(&view, "reminders")->font();
    return option;
}

ReminderDelegate::Parts rowParts(const ManagerView& view, int row)
{
    return delegateOf(&view)->parts(rowOption(view, row), modelOf(&view)->index(row));
}

// Non-transparent pixels of an image, cropped to the ink: glyph shapes and order.
QImage ink(const QImage& image)
{
    QRect box;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qAlpha(image.pixel(x, y)) > 0)
                box |= QRect(x, y, 1, 1);
    return image.copy(box).convertToFormat(QImage::Format_Alpha8);
}

} // namespace

class TestUi : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();
    void dayClicksAppendAndRemove();
    void duplicatedDayGoesInOneClick();
    void timeChangeSettlesOrRearmsToday_data();
    void timeChangeSettlesOrRearmsToday();
    void noSoundDisablesRepeatWithoutChangingIt();
    void pickingASoundPreviewsItOnce();
    void websiteControlsOpenAutomatically();
    void websiteNoticeAndCaption_data();
    void websiteNoticeAndCaption();
    void invalidTimeIsMarkedUntilPicked();
    void timeTypedAfterAClick_data();
    void timeTypedAfterAClick();
    void dayBadgesStartOnTheLocalesFirstDay_data();
    void dayBadgesStartOnTheLocalesFirstDay();
    void focusRingShowsOnChosenBadge_data();
    void focusRingShowsOnChosenBadge();
    void keyboardPathThroughTheManager();
    void listShowsItsFocus();
    void typingKeepsCursorAndUndo();
    void testItNowWritesNothing();
    void firstOpeningSelectsFirst();
    void emptyListShowsEmptyState();
    void removeLeavesNothingSelected();
    void undoLastsTheRun_data();
    void undoLastsTheRun();
    void rowsShowTitlesAndIcons();
    void rowSwitchWritesEnabled();
    void listFollowsStore();
    void rowToolTips_data();
    void rowToolTips();
    void rowTextDirection_data();
    void rowTextDirection();
    void loginCheckboxShowsRealState();
    void pauseStaysInStepBothWays();
    void footerShowsTheNextRingWhole();
    void accessibleNames();
    void readableInBothThemes_data();
    void readableInBothThemes();
    void boundFieldsShowTheStart();
    void wheelNeedsFocus_data();
    void wheelNeedsFocus();
    void noticeTellsWhatIsNotSafe();

private:
    void makeStore(const QList<Reminder>& reminders)
    {
        m_store = &m_files->make(reminders, m_clock);
    }
    std::unique_ptr<ManagerView> makeManager();
    QList<Reminder> onDisk() const { return m_files->onDisk(); }

    std::unique_ptr<StoreFixture> m_files;
    Store* m_store = nullptr;
    std::unique_ptr<FakeChimes> m_chimes;
    std::unique_ptr<FakeOpener> m_opener;
    std::unique_ptr<AlertController> m_alerts;
    FakeClock m_clock;
    FakeLogin m_login;
};

void TestUi::initTestCase()
{
    OutlineStyle::install(); // as Pendrel does on Fusion
}

void TestUi::init()
{
    m_files = std::make_unique<StoreFixture>();
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

std::unique_ptr<ManagerView> TestUi::makeManager()
{
    auto view = std::make_unique<ManagerView>(
        *m_store, m_login, [this](const Reminder& r) { m_alerts->show(r); }, *m_chimes, m_clock);
    view->resize(820, 700);
    view->show();
    return view;
}

void TestUi::dayClicksAppendAndRemove()
{
    makeStore({Reminder{}});
    auto view = makeManager();
    EditorView* editor = part<EditorView>(view.get(), "editor");
    QVERIFY(dayBadge(editor, 2)->isOn());
    QVERIFY(!dayBadge(editor, 1)->isOn());
    QCOMPARE(dayBadge(editor, 4)->toolTip(), QStringLiteral("Wednesday"));
    QTest::mouseClick(dayBadge(editor, 1), Qt::LeftButton);
    QCOMPARE(onDisk().first().days, (QList<qint64>{2, 3, 4, 5, 6, 1}));
    QVERIFY(dayBadge(editor, 1)->isOn());
    QCOMPARE(rowSummary(*view, 0), QStringLiteral("08:10 \u00b7 Mon Tue Wed Thu Fri Sun"));
    QTest::mouseClick(dayBadge(editor, 1), Qt::LeftButton);
    QCOMPARE(onDisk().first().days, (QList<qint64>{2, 3, 4, 5, 6}));
    QCOMPARE(rowSummary(*view, 0), QStringLiteral("08:10 \u00b7 Weekdays"));
}

void TestUi::duplicatedDayGoesInOneClick()
{
    makeStore({Reminder{.days = {3, 5, 3}}});
    auto view = makeManager();
    QVERIFY(dayBadge(view.get(), 3)->isOn());
    QTest::mouseClick(dayBadge(view.get(), 3), Qt::LeftButton);
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
    part<QTimeEdit>(view.get(), "time")->setTime(picked);
    const Reminder saved = onDisk().first();
    QCOMPARE(saved.hour, picked.hour());
    QCOMPARE(saved.minute, picked.minute());
    QCOMPARE(saved.lastFired, lastFired);
}

void TestUi::noSoundDisablesRepeatWithoutChangingIt()
{
    makeStore({Reminder{.sound = QStringLiteral("Ping"), .repeatSound = true}});
    auto view = makeManager();
    EditorView* editor = part<EditorView>(view.get(), "editor");
    QVERIFY(part<QCheckBox>(editor, "repeat")->isEnabled());
    part<QComboBox>(editor, "sound")->setFocus();
    QTest::keyClick(part<QComboBox>(editor, "sound"), Qt::Key_Home); // "No sound"
    QCOMPARE(m_store->reminders().first().sound, QStringLiteral("None"));
    QVERIFY(!part<QCheckBox>(editor, "repeat")->isEnabled());
    QVERIFY(part<QCheckBox>(editor, "repeat")->isChecked());
    QVERIFY(m_store->reminders().first().repeatSound);
    QVERIFY(m_chimes->plays.isEmpty());
    QVERIFY(rowData(*view, 0, ReminderListModel::SilentRole).toBool());
}

void TestUi::pickingASoundPreviewsItOnce()
{
    makeStore({Reminder{.sound = QStringLiteral("None"), .repeatSound = true}});
    auto view = makeManager();
    QComboBox* picker = part<QComboBox>(view.get(), "sound");
    picker->setFocus();
    QTest::keyClick(picker, Qt::Key_Down); // past the separator to "Glass"
    QCOMPARE(m_store->reminders().first().sound, QStringLiteral("Glass"));
    QCOMPARE(m_chimes->lookups, QStringList{QStringLiteral("Glass")});
    QCOMPARE(m_chimes->plays, QList<bool>{false}); // once, whatever repeatSound says
    QVERIFY(!rowData(*view, 0, ReminderListModel::SilentRole).toBool());

    // A hand-edited name matches no entry; it stays until the user picks one.
    view.reset(); // the view must not outlive the Store it shows
    makeStore({Reminder{.sound = QStringLiteral("Gong")}});
    auto other = makeManager();
    QCOMPARE(part<QComboBox>(other.get(), "sound")->currentIndex(), -1);
    QCOMPARE(m_store->reminders().first().sound, QStringLiteral("Gong"));
}

void TestUi::websiteControlsOpenAutomatically()
{
    makeStore({Reminder{.openURLAutomatically = true}});
    auto view = makeManager();
    EditorView* editor = part<EditorView>(view.get(), "editor");
    QVERIFY(!part<QCheckBox>(editor, "openAutomatically")->isEnabled());
    QVERIFY(part<QCheckBox>(editor, "openAutomatically")->isChecked()); // disabled, value kept
    QTest::keyClicks(part<QLineEdit>(editor, "website"), QStringLiteral("   "));
    QVERIFY(!part<QCheckBox>(editor, "openAutomatically")->isEnabled());
    QVERIFY(!rowData(*view, 0, ReminderListModel::WebsiteRole).toBool());
    QTest::keyClicks(part<QLineEdit>(editor, "website"), QStringLiteral("example.com"));
    QVERIFY(part<QCheckBox>(editor, "openAutomatically")->isEnabled());
    QVERIFY(rowData(*view, 0, ReminderListModel::WebsiteRole).toBool());
    QCOMPARE(onDisk().first().url, QStringLiteral("   example.com"));
}

void TestUi::websiteNoticeAndCaption_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("notice");
    QTest::addColumn<bool>("caption");
    QTest::newRow("empty") << "" << false << false;
    QTest::newRow("words") << "intranet/team wiki" << true << false;
    QTest::newRow("meeting link") << "zoommtg://zoom.us/join?confno=123" << false << true;
    QTest::newRow("local file") << "file:///etc/passwd" << true << false;
    QTest::newRow("script") << "javascript:alert(1)" << true << false;
}

void TestUi::websiteNoticeAndCaption()
{
    QFETCH(QString, typed);
    QFETCH(bool, notice);
    QFETCH(bool, caption);
    makeStore({Reminder{}});
    auto view = makeManager();
    EditorView* editor = part<EditorView>(view.get(), "editor");
    QTest::keyClicks(part<QLineEdit>(editor, "website"), typed);
    QCOMPARE(onDisk().first().url, typed); // kept as typed either way
    QCOMPARE(part<QLabel>(editor, "websiteNotice")->isVisibleTo(editor), notice);
    const auto captions = editor->findChildren<QLabel*>();
    const auto found = std::find_if(captions.begin(), captions.end(), [](QLabel* label) {
        return label->text() == QStringLiteral("The pop-up always has an Open website button too.");
    });
    QVERIFY(found != captions.end());
    QCOMPARE((*found)->isVisibleTo(editor), caption);
    QCOMPARE(part<QCheckBox>(editor, "openAutomatically")->isEnabled(), caption);
}

void TestUi::timeTypedAfterAClick_data()
{
    QTest::addColumn<QString>("where"); // the click lands, then Ctrl+A or not
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QTime>("saved");
    QTest::newRow("2348") << "hour"
                          << "2348" << QTime(23, 48);
    QTest::newRow("23:48") << "hour"
                           << "23:48" << QTime(23, 48);
    QTest::newRow("9:05") << "hour"
                          << "9:05" << QTime(9, 5);
    QTest::newRow("minutes only") << "minutes"
                                  << "47" << QTime(8, 47);
    QTest::newRow("Ctrl+A, 12:42") << "all"
                                   << "12:42" << QTime(12, 42);
}

void TestUi::timeTypedAfterAClick()
{
    QFETCH(QString, where);
    QFETCH(QString, typed);
    QFETCH(QTime, saved);
    makeStore({Reminder{.hour = 8, .minute = 10}});
    auto view = makeManager();
    view->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(view.get()));
    auto* field = part<QTimeEdit>(view.get(), "time")->findChild<QLineEdit*>();
    QCOMPARE(field->text(), QStringLiteral("08:10"));
    const QFontMetrics metrics(field->font());
    const int x = metrics.horizontalAdvance(where == u"minutes" ? QStringLiteral("08:1")
                                                                : QStringLiteral("0"));
    // Inside the text, past the frame and margins.
    const QPoint at(field->contentsRect().left() + field->textMargins().left() + x + 3,
                    field->height() / 2);
    QTest::mouseClick(field, Qt::LeftButton, {}, at);
    if (where == u"all")
        QTest::keyClick(part<QTimeEdit>(view.get(), "time"), Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(part<QTimeEdit>(view.get(), "time"), typed);
    QCOMPARE(m_store->reminders().first().hour, saved.hour());
    QCOMPARE(m_store->reminders().first().minute, saved.minute());
    QCOMPARE(onDisk().first().minute, saved.minute());
}

void TestUi::invalidTimeIsMarkedUntilPicked()
{
    makeStore({Reminder{.hour = 25, .minute = 75}});
    auto view = makeManager();
    EditorView* editor = part<EditorView>(view.get(), "editor");
    QVERIFY(part<QLabel>(editor, "timeWarning")->isVisibleTo(editor));
    QCOMPARE(part<QLabel>(editor, "timeWarning")->toolTip(),
             QStringLiteral("This time is not valid, so the reminder never rings. Pick a time."));
    QCOMPARE(onDisk().first().hour, 25); // shown as marked, never rewritten by itself
    part<QTimeEdit>(editor, "time")->setTime(QTime(9, 30));
    QVERIFY(!part<QLabel>(editor, "timeWarning")->isVisibleTo(editor));
    QCOMPARE(onDisk().first().hour, 9);
    QCOMPARE(onDisk().first().minute, 30);
}

void TestUi::dayBadgesStartOnTheLocalesFirstDay_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QList<int>>("order"); // stored day numbers, left to right
    QTest::newRow("de_DE") << "de_DE" << QList<int>{2, 3, 4, 5, 6, 7, 1};
    QTest::newRow("en_US") << "en_US" << QList<int>{1, 2, 3, 4, 5, 6, 7};
}

void TestUi::dayBadgesStartOnTheLocalesFirstDay()
{
    QFETCH(QString, locale);
    QFETCH(QList<int>, order);
    QLocale::setDefault(QLocale(locale));
    makeStore({Reminder{.days = {1}}});
    auto view = makeManager();
    QLocale::setDefault(QLocale::c());
    EditorView* editor = part<EditorView>(view.get(), "editor");
    for (qsizetype i = 1; i < order.size(); ++i) {
        DayBadge* left = dayBadge(editor, order[i - 1]);
        QVERIFY(left->x() < dayBadge(editor, order[i])->x());
        QCOMPARE(left->nextInFocusChain(), dayBadge(editor, order[i]));
    }
    QTest::mouseClick(dayBadge(editor, 2), Qt::LeftButton);
    QCOMPARE(onDisk().first().days, (QList<qint64>{1, 2})); // Monday is still 2
}

void TestUi::focusRingShowsOnChosenBadge_data()
{
    QTest::addColumn<QColor>("window");
    QTest::newRow("light") << QColor(239, 239, 239);
    QTest::newRow("dark") << QColor(40, 40, 40);
}

void TestUi::focusRingShowsOnChosenBadge()
{
    QFETCH(QColor, window);
    QWidget host;
    QPalette palette = host.palette();
    palette.setColor(QPalette::Window, window);
    palette.setColor(QPalette::Highlight, QColor(0, 122, 255));
    host.setPalette(palette);
    auto* badge = new DayBadge(QStringLiteral("M"), QStringLiteral("Monday"), &host);
    badge->setOn(true);
    host.show();
    host.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&host));
    badge->setFocus(Qt::TabFocusReason);
    QVERIFY(badge->hasFocus());
    // Between the ring and the filled badge the window colour shows through.
    const QImage image = badge->grab().toImage();
    const int middle = DayBadge::diameter / 2;
    QCOMPARE(image.pixelColor(3, middle).rgb(), window.rgb());
    QCOMPARE(image.pixelColor(1, middle).blue(), 255);
    QCOMPARE(image.pixelColor(8, middle).rgb(), QColor(0, 122, 255).rgb());
}

void TestUi::keyboardPathThroughTheManager()
{
    makeStore({Reminder{.title = QStringLiteral("one")}});
    auto view = makeManager();
    view->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(view.get()));
    EditorView* editor = part<EditorView>(view.get(), "editor");
    part<QToolButton>(view.get(), "remove")->setFocus(Qt::TabFocusReason);
    QTest::keyClick(part<QToolButton>(view.get(), "remove"), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), part<QLineEdit>(editor, "name"));

    part<QPushButton>(editor, "test")->setFocus(Qt::TabFocusReason);
    QTest::keyClick(part<QPushButton>(editor, "test"), Qt::Key_Return);
    QCOMPARE(m_alerts->openPanels().size(), 1);

    QTest::mouseClick(part<QToolButton>(view.get(), "add"), Qt::LeftButton);
    QCOMPARE(QApplication::focusWidget(), part<QLineEdit>(editor, "name"));
    QCOMPARE(part<QLineEdit>(editor, "name")->selectedText(), QStringLiteral("New reminder"));
    QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("Tea"));
    QCOMPARE(onDisk().last().title, QStringLiteral("Tea"));

    // At the window's minimum size the form fits its width, even with a
    // desktop font larger than the test's: no sideways scrolling.
    QFont larger = view->font();
    larger.setPointSizeF(larger.pointSizeF() * 1.2);
    view->setFont(larger);
    view->resize(view->minimumSize());
    QTRY_COMPARE(view->size(), QSize(760, 480));
    auto* scroller = view->findChild<QScrollArea*>();
    QTRY_VERIFY(scroller->verticalScrollBar()->isVisible()); // the layout has settled
    QVERIFY(!scroller->horizontalScrollBar()->isVisible());
}

void TestUi::listShowsItsFocus()
{
    makeStore({Reminder{.title = QStringLiteral("one")}, Reminder{.title = QStringLiteral("two")}});
    auto view = makeManager();
    view->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(view.get()));
    auto* rows = part<QListView>(view.get(), "reminders");
    const QRect first = rows->visualRect(rows->model()->index(0, 0));
    const auto edge = [&] {
        return rows->viewport()->grab().toImage().pixelColor(first.left() + first.width() / 2,
                                                             first.top());
    };
    part<QLineEdit>(view.get(), "name")->setFocus(Qt::TabFocusReason);
    const QColor away = edge();
    rows->setFocus(Qt::TabFocusReason);
    QVERIFY(rows->hasFocus());
    // The selected row's edge turns the accent's colour, and back.
    const QColor accent = rows->palette().color(QPalette::Active, QPalette::Highlight);
    QCOMPARE(edge().rgb(), accent.rgb());
    part<QLineEdit>(view.get(), "name")->setFocus(Qt::TabFocusReason);
    QCOMPARE(edge().rgb(), away.rgb());
}

void TestUi::typingKeepsCursorAndUndo()
{
    makeStore({Reminder{.title = QStringLiteral("Standup")}});
    auto view = makeManager();
    QLineEdit* name = part<QLineEdit>(view.get(), "name");
    name->setFocus();
    name->setCursorPosition(5); // "Stand|up"
    QTest::keyClicks(name, QStringLiteral("-by "));
    QCOMPARE(name->text(), QStringLiteral("Stand-by up"));
    QCOMPARE(name->cursorPosition(), 9);
    QCOMPARE(rowTitle(*view, 0), QStringLiteral("Stand-by up"));
    QCOMPARE(onDisk().first().title, QStringLiteral("Stand-by up"));
    QCOMPARE(view->selection(), m_store->reminders().first().id);

    QTest::keyClick(name, Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(name->text(), QStringLiteral("Standup"));
    QCOMPARE(m_store->reminders().first().title, QStringLiteral("Standup"));

    name->selectAll();
    QTest::keyClick(name, Qt::Key_Delete);
    QCOMPARE(rowTitle(*view, 0), QStringLiteral("Untitled"));
    QVERIFY(name->text().isEmpty());

    // Someone adds a reminder ahead of it in the file: the selection follows
    // its reminder, and the field being typed in is left alone...
    QTest::keyClicks(name, QStringLiteral("Retro"));
    Reminder mine = m_store->reminders().first();
    const Reminder dentist{.title = QStringLiteral("Dentist")};
    QSignalSpy reset(m_store, &Store::remindersReset);
    auto writeByHand = [this](const QList<Reminder>& list) {
        m_store->finishWrites(5000);
        QFile file(m_store->filePath());
        return file.open(QIODevice::WriteOnly) && file.write(ReminderJson::encodeList(list)) > 0;
    };
    QVERIFY(writeByHand({dentist, mine}));
    QVERIFY(reset.wait(3000));
    QCOMPARE(view->selection(), mine.id);
    QCOMPARE(part<EditorView>(view.get(), "editor")->boundId(), mine.id);
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
    QTest::mouseClick(part<QPushButton>(view.get(), "test"), Qt::LeftButton);
    QCOMPARE(m_alerts->openPanels().size(), 1);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), before);
}

void TestUi::firstOpeningSelectsFirst()
{
    makeStore({Reminder{.title = QStringLiteral("one")}, Reminder{.title = QStringLiteral("two")}});
    auto view = makeManager();
    QCOMPARE(view->selection(), m_store->reminders().first().id);
    QVERIFY(showsEditor(view.get()));
    QCOMPARE(part<QLineEdit>(view.get(), "name")->text(), QStringLiteral("one"));
    QVERIFY(part<QToolButton>(view.get(), "remove")->isEnabled());
}

void TestUi::emptyListShowsEmptyState()
{
    makeStore({});
    auto view = makeManager();
    QVERIFY(view->selection().isNull());
    QVERIFY(!showsEditor(view.get()));
    QVERIFY(!part<QToolButton>(view.get(), "remove")->isEnabled());
    QTest::mouseClick(part<QToolButton>(view.get(), "add"), Qt::LeftButton);
    QCOMPARE(m_store->reminders().size(), 1);
    QCOMPARE(view->selection(), m_store->reminders().last().id);
    QVERIFY(showsEditor(view.get()));
    QCOMPARE(part<QListView>(view.get(), "reminders")->currentIndex().row(), 0);
    QCOMPARE(part<QLineEdit>(view.get(), "name")->text(), QStringLiteral("New reminder"));
    QCOMPARE(m_store->reminders().first().hour, 14); // 14:00 + 5 minutes
    QCOMPARE(m_store->reminders().first().minute, 5);
}

void TestUi::removeLeavesNothingSelected()
{
    makeStore({Reminder{.title = QStringLiteral("one")}, Reminder{.title = QStringLiteral("two")},
               Reminder{.title = QStringLiteral("three")}});
    auto view = makeManager();
    part<QListView>(view.get(), "reminders")->setCurrentIndex(modelOf(view.get())->index(1));
    QCOMPARE(part<QLineEdit>(view.get(), "name")->text(), QStringLiteral("two"));
    QTest::mouseClick(part<QToolButton>(view.get(), "remove"), Qt::LeftButton);
    QCOMPARE(m_store->reminders().size(), 2);
    QCOMPARE(onDisk().size(), 2);
    QVERIFY(view->selection().isNull());
    QVERIFY(!showsEditor(view.get()));
    QVERIFY(!part<QToolButton>(view.get(), "remove")->isEnabled());
    QVERIFY(
        part<QListView>(view.get(), "reminders")->selectionModel()->selectedIndexes().isEmpty());
    QCOMPARE(modelOf(view.get())->rowCount(), 2);

    // Undo in the notice puts it back where it was, selected, on disk too.
    auto* undo = part<NoticeBar>(view.get(), "undoNotice");
    QCOMPARE(undo->text(), QStringLiteral("\u201ctwo\u201d was removed."));
    undo->actionButton()->click();
    QCOMPARE(rowTitle(*view, 1), QStringLiteral("two"));
    QCOMPARE(part<QLineEdit>(view.get(), "name")->text(), QStringLiteral("two"));
    QCOMPARE(onDisk().at(1).title, QStringLiteral("two"));
    QVERIFY(part<EditorView>(view.get(), "editor")->isEnabled());
    QVERIFY(undo->text().isEmpty());

    // The keys: Delete in the list, Ctrl+Z anywhere but a text field, Ctrl+N.
    QVERIFY(part<QToolButton>(view.get(), "remove")->toolTip().contains(QStringLiteral("Del")));
    QVERIFY(part<QToolButton>(view.get(), "add")->toolTip().contains(QStringLiteral("Ctrl+N")));
    view->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(view.get()));
    part<QListView>(view.get(), "reminders")->setFocus();
    QTest::keyClick(part<QListView>(view.get(), "reminders"), Qt::Key_Delete);
    QCOMPARE(m_store->reminders().size(), 2);
    QTest::keyClick(part<QListView>(view.get(), "reminders"), Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(m_store->reminders().at(1).title, QStringLiteral("two"));
    QTest::keyClick(part<QListView>(view.get(), "reminders"), Qt::Key_N, Qt::ControlModifier);
    QCOMPARE(m_store->reminders().size(), 4);
    QCOMPARE(QApplication::focusWidget(), part<QLineEdit>(view.get(), "name"));
}

void TestUi::undoLastsTheRun_data()
{
    QTest::addColumn<int>("count");    // reminders in the list
    QTest::addColumn<int>("removals"); // from the second row on, or the only one
    QTest::addColumn<int>("waitMsecs");
    QTest::addColumn<bool>("elsewhere"); // a click on a row before undoing
    QTest::newRow("at once") << 4 << 1 << 0 << false;
    QTest::newRow("after 30 s") << 4 << 1 << 30'500 << false;
    QTest::newRow("twice") << 4 << 2 << 0 << false;
    QTest::newRow("after something else") << 4 << 2 << 0 << true;
    QTest::newRow("the only one") << 1 << 1 << 0 << false;
}

void TestUi::undoLastsTheRun()
{
    QFETCH(int, count);
    QFETCH(int, removals);
    QFETCH(int, waitMsecs);
    QFETCH(bool, elsewhere);
    const QStringList titles = QStringList{QStringLiteral("one"), QStringLiteral("two"),
                                           QStringLiteral("three"), QStringLiteral("four")}
                                   .first(count);
    QList<Reminder> list;
    for (const QString& title : titles)
        list << Reminder{.title = title};
    makeStore(list);
    auto view = makeManager();
    view->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(view.get()));
    auto* rows = part<QListView>(view.get(), "reminders");
    auto* undo = part<NoticeBar>(view.get(), "undoNotice");
    QAbstractItemModelTester tester(rows->model(),
                                    QAbstractItemModelTester::FailureReportingMode::QtTest);
    QSignalSpy resets(rows->model(), &QAbstractItemModel::modelReset);
    const int from = std::min(1, count - 1);
    for (int i = 0; i < removals; ++i) {
        rows->setCurrentIndex(rows->model()->index(from, 0));
        QTest::mouseClick(part<QToolButton>(view.get(), "remove"), Qt::LeftButton);
    }
    QCOMPARE(onDisk().size(), titles.size() - removals);
    const auto removed = [](const QString& title) {
        return QStringLiteral("\u201c%1\u201d was removed.").arg(title);
    };
    QCOMPARE(undo->text(), removed(titles.at(from + removals - 1)));
    QTest::qWait(waitMsecs);
    QVERIFY(undo->isVisible());
    if (elsewhere) {
        QTest::mouseClick(rows->viewport(), Qt::LeftButton, {},
                          rows->visualRect(rows->model()->index(0, 0)).center());
        QVERIFY(!undo->isVisible());
    }
    for (int i = removals; i > 0; --i) {
        // Wherever the keyboard now is in the window.
        QVERIFY(view->isAncestorOf(QApplication::focusWidget()));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Z,
                        Qt::ControlModifier); // the latest first
        QCOMPARE(undo->text(), i > 1 ? removed(titles.at(from + i - 2)) : QString());
    }
    QStringList back;
    for (const Reminder& r : onDisk())
        back << r.title;
    QCOMPARE(back, titles);
    // Back in the list and in the form, ready to edit.
    QCOMPARE(view->selection(), m_store->reminders().at(from).id);
    QVERIFY(part<EditorView>(view.get(), "editor")->isEnabled());
    QCOMPARE(part<QLineEdit>(view.get(), "name")->text(), titles.at(from));
    QCOMPARE(resets.size(), 0); // rows come and go; the list is not rebuilt
}

void TestUi::rowsShowTitlesAndIcons()
{
    QLocale::setDefault(QLocale(QStringLiteral("en_US")));
    makeStore({Reminder{.title = QString(), .hour = 8, .minute = 10},
               Reminder{.title = QStringLiteral("  "), .sound = QStringLiteral("None")},
               Reminder{.sound = QStringLiteral("Gong"), .url = QStringLiteral("example.com")},
               Reminder{.sound = QStringLiteral("None"), .url = QStringLiteral(" \n")}});
    const auto restore = qScopeGuard([] { QLocale::setDefault(QLocale::c()); });
    auto view = makeManager();
    QCOMPARE(rowTitle(*view, 0), QStringLiteral("Untitled"));
    QCOMPARE(rowSummary(*view, 0).replace(QChar(0x202f), u' '),
             QStringLiteral("8:10 AM \u00b7 Weekdays"));
    QCOMPARE(rowTitle(*view, 1), QStringLiteral("Untitled"));
    QCOMPARE(m_store->reminders().at(1).title, QStringLiteral("  ")); // kept as typed
    QVERIFY(part<QLineEdit>(view.get(), "name")->text().isEmpty());
    const bool silent[] = {false, true, false, true};
    const bool globe[] = {false, false, true, false};
    for (int i = 0; i < 4; ++i) {
        QCOMPARE(rowParts(*view, i).silent.isValid(), silent[i]);
        QCOMPARE(rowParts(*view, i).website.isValid(), globe[i]);
    }
}

void TestUi::rowSwitchWritesEnabled()
{
    makeStore({Reminder{.title = QStringLiteral("one")}, Reminder{.title = QStringLiteral("two")}});
    auto view = makeManager();
    QTest::mouseMove(part<QListView>(view.get(), "reminders")->viewport(),
                     rowParts(*view, 1).toggle.center());
    QCOMPARE(part<QListView>(view.get(), "reminders")->viewport()->cursor().shape(),
             Qt::PointingHandCursor);
    QTest::mouseClick(part<QListView>(view.get(), "reminders")->viewport(), Qt::LeftButton, {},
                      rowParts(*view, 1).toggle.center());
    QVERIFY(m_store->reminders().first().enabled);
    QVERIFY(!onDisk().at(1).enabled);
    QCOMPARE(rowData(*view, 1, Qt::CheckStateRole).toInt(), Qt::Unchecked);
    QCOMPARE(view->selection(), m_store->reminders().first().id); // selection kept

    // Elsewhere on the row a click selects; Space flips the current row's switch.
    QTest::mouseClick(part<QListView>(view.get(), "reminders")->viewport(), Qt::LeftButton, {},
                      rowParts(*view, 1).title.center());
    QCOMPARE(view->selection(), m_store->reminders().at(1).id);
    QVERIFY(!m_store->reminders().at(1).enabled);
    part<QListView>(view.get(), "reminders")->setFocus();
    QTest::keyClick(part<QListView>(view.get(), "reminders"), Qt::Key_Space);
    QVERIFY(onDisk().at(1).enabled);
    QVERIFY(m_store->reminders().first().enabled);
}

void TestUi::listFollowsStore()
{
    makeStore({Reminder{.title = QStringLiteral("one")}, Reminder{.title = QStringLiteral("two")},
               Reminder{.title = QStringLiteral("three")}});
    auto view = makeManager();
    QAbstractItemModelTester tester(modelOf(view.get()),
                                    QAbstractItemModelTester::FailureReportingMode::QtTest);
    QSignalSpy resets(modelOf(view.get()), &QAbstractItemModel::modelReset);
    QSignalSpy changes(modelOf(view.get()), &QAbstractItemModel::dataChanged);
    const QUuid two = m_store->reminders().at(1).id;
    view->select(two);

    // An edit changes its row in place.
    Reminder edited = m_store->reminders().at(1);
    edited.title = QStringLiteral("two, edited");
    m_store->setReminder(1, edited);
    QCOMPARE(resets.size(), 0);
    QCOMPARE(changes.size(), 1);
    QCOMPARE(changes.first().at(0).toModelIndex().row(), 1);
    QCOMPARE(changes.first().at(1).toModelIndex().row(), 1);
    QCOMPARE(rowTitle(*view, 1), QStringLiteral("two, edited"));
    QVERIFY(rowData(*view, 1, Qt::AccessibleTextRole).toString().contains(u"two, edited"));

    // A list replaced from outside keeps the selection on the same reminder.
    onDisk(); // the edit's own write lands first
    QList<Reminder> reordered = m_store->reminders();
    std::reverse(reordered.begin(), reordered.end());
    QVERIFY(writeFile(m_files->filePath(), ReminderJson::encodeList(reordered)));
    QTRY_COMPARE(resets.size(), 1);
    QCOMPARE(view->selection(), two);
    QCOMPARE(part<QListView>(view.get(), "reminders")->currentIndex().row(), 1);
    QVERIFY(writeFile(m_files->filePath(), ReminderJson::encodeList({reordered.first()})));
    QTRY_COMPARE(modelOf(view.get())->rowCount(), 1);
    QVERIFY(view->selection().isNull());
    QVERIFY(!showsEditor(view.get()));
    QVERIFY(
        part<QListView>(view.get(), "reminders")->selectionModel()->selectedIndexes().isEmpty());
}

void TestUi::rowToolTips_data()
{
    QTest::addColumn<Reminder>("reminder");
    QTest::addColumn<QString>("piece");
    QTest::addColumn<QString>("shown");
    const QString never =
        QStringLiteral("This time is not valid, so the reminder never rings. Pick a time.");
    QTest::newRow("markup title is shown as written")
        << Reminder{.title = QStringLiteral("<b>bold</b> &amp; <i>it</i>")}
        << QStringLiteral("title") << QStringLiteral("<b>bold</b> &amp; <i>it</i>");
    QTest::newRow("spaces kept") << Reminder{.title = QStringLiteral("Call  Ann   at 3")}
                                 << QStringLiteral("title") << QStringLiteral("Call  Ann   at 3");
    QTest::newRow("markup on the summary line")
        << Reminder{.title = QStringLiteral("<h1>Big</h1><img src=x>")} << QStringLiteral("summary")
        << QStringLiteral("<h1>Big</h1><img src=x>");
    QTest::newRow("time out of range")
        << Reminder{.hour = 25, .minute = 75} << QStringLiteral("warning") << never;
    QTest::newRow("negative minute")
        << Reminder{.minute = -1} << QStringLiteral("warning") << never;
    QTest::newRow("valid time has no mark")
        << Reminder{.hour = 23, .minute = 59} << QStringLiteral("warning") << QString();
    QTest::newRow("silent") << Reminder{.sound = QStringLiteral("None")} << QStringLiteral("silent")
                            << QStringLiteral("No sound");
}

void TestUi::rowToolTips()
{
    QFETCH(Reminder, reminder);
    QFETCH(QString, piece);
    QFETCH(QString, shown);
    makeStore({reminder});
    auto view = makeManager();
    QVERIFY(QTest::qWaitForWindowExposed(view.get()));
    const ReminderDelegate::Parts parts = rowParts(*view, 0);
    const QRect rect = piece == u"title"     ? parts.title
                       : piece == u"summary" ? parts.summary
                       : piece == u"warning" ? parts.warning
                                             : parts.silent;
    QCOMPARE(rect.isValid(), !shown.isEmpty());
    if (shown.isEmpty())
        return;
    QHelpEvent help(
        QEvent::ToolTip, rect.center(),
        part<QListView>(view.get(), "reminders")->viewport()->mapToGlobal(rect.center()));
    QApplication::sendEvent(part<QListView>(view.get(), "reminders")->viewport(), &help);
    QVERIFY(QToolTip::isVisible());
    QCOMPARE(shownToolTip(QToolTip::text()), shown);
    // The row's remembered text stays as stored: the list keeps showing it.
    QCOMPARE(rowSummary(*view, 0), reminder.timeString() + QStringLiteral(" \u00b7 ") +
                                       reminder.daysString(QLocale().firstDayOfWeek()));
    QToolTip::hideText();
}

void TestUi::rowTextDirection_data()
{
    QTest::addColumn<QString>("title");
    QTest::newRow("latin") << QStringLiteral("Stand-up!");
    QTest::newRow("hebrew, punctuation") << QStringLiteral("\u05d0\u05d0\u05d0!!!");
    QTest::newRow("hebrew sentence")
        << QStringLiteral("\u05e4\u05d2\u05d9\u05e9\u05d4 \u05e2\u05dd \u05d3\u05e0\u05d9!");
    QTest::newRow("arabic sentence")
        << QStringLiteral("\u0627\u062c\u062a\u0645\u0627\u0639 \u0641\u064a "
                          "\u0627\u0644\u0645\u0643\u062a\u0628 10.");
}

void TestUi::rowTextDirection()
{
    // A row's title must look exactly as a label shows the same text.
    QFETCH(QString, title);
    makeStore({Reminder{.title = title}});
    auto view = makeManager();
    const QStyleOptionViewItem option = rowOption(*view, 0);
    QImage row(option.rect.size(), QImage::Format_ARGB32_Premultiplied);
    row.fill(Qt::transparent);
    QStyleOptionViewItem at = option;
    at.rect.moveTo(0, 0);
    {
        QPainter painter(&row);
        delegateOf(view.get())->paint(&painter, at, modelOf(view.get())->index(0));
    }
    const QRect titleArea = delegateOf(view.get())->parts(at, modelOf(view.get())->index(0)).title;

    QLabel label(title);
    QFont font = part<QListView>(view.get(), "reminders")->font();
    font.setWeight(QFont::Medium);
    label.setFont(font);
    label.setAlignment(Qt::AlignAbsolute | Qt::AlignLeft | Qt::AlignVCenter);
    label.resize(titleArea.size());
    QImage shown(titleArea.size(), QImage::Format_ARGB32_Premultiplied);
    shown.fill(Qt::transparent);
    label.render(&shown, {}, {}, QWidget::DrawChildren);
    QCOMPARE(ink(row.copy(titleArea)), ink(shown));
}

void TestUi::loginCheckboxShowsRealState()
{
    makeStore({});
    auto view = makeManager();
    QVERIFY(!part<QCheckBox>(view.get(), "startAtLogin")->isChecked());
    part<QCheckBox>(view.get(), "startAtLogin")->click();
    QVERIFY(part<QCheckBox>(view.get(), "startAtLogin")->isChecked());
    m_login.failing = true;
    part<QCheckBox>(view.get(), "startAtLogin")->click(); // switching off fails: stays ticked
    QVERIFY(part<QCheckBox>(view.get(), "startAtLogin")->isChecked());
    QCOMPARE(m_login.requests, (QList<bool>{true, false}));
}

void TestUi::pauseStaysInStepBothWays()
{
    makeStore({});
    auto view = makeManager();
    part<QCheckBox>(view.get(), "pause")->click();
    QVERIFY(m_store->paused());
    QVERIFY(m_files->defaults().value(UserDefaults::Key::Paused));
    m_store->setPaused(false); // as from the tray menu
    QVERIFY(!part<QCheckBox>(view.get(), "pause")->isChecked());
}

void TestUi::footerShowsTheNextRingWhole()
{
    makeStore({});
    auto view = makeManager();
    view->offerQuit(true); // the footer at its fullest
    const auto label = [&] { return part<ElidedLabel>(view.get(), "nextRing"); };
    // Longer than the room beside the checkboxes, as in a longer language
    // than English: it takes a second line instead of losing both ends.
    const QString longer = QStringLiteral(
        "Volgende: Presentie opnemen in de grote zaal op de eerste verdieping, Morgen 08:10");
    view->setNextRing(longer);
    QTRY_VERIFY(label()->height() >= label()->heightForWidth(label()->width()));
    QVERIFY(label()->fontMetrics().horizontalAdvance(longer) > label()->width());
    QVERIFY(!label()->isElided());
    QCOMPARE(label()->heightForWidth(label()->width()), 2 * label()->fontMetrics().lineSpacing());

    // Beyond two lines it ends in an ellipsis; the tooltip holds all of it.
    const QString huge = QStringLiteral("Next: %1, Tomorrow 8:10 AM").arg(QString(300, u'x'));
    view->setNextRing(huge);
    QTRY_VERIFY(label()->height() >= label()->heightForWidth(label()->width()));
    QVERIFY(label()->isElided());
    QCOMPARE(shownToolTip(label()->toolTip()), huge);

    // A title that looks like markup shows as typed, in the tooltip too.
    view->setNextRing(QStringLiteral("Next: <b>Rent</b>, Today 3:00 PM"));
    QCOMPARE(shownToolTip(label()->toolTip()), label()->text());
}

void TestUi::accessibleNames()
{
    makeStore({Reminder{.title = QStringLiteral("Stretch")}});
    auto view = makeManager();
    QCOMPARE(part<QToolButton>(view.get(), "add")->accessibleName(),
             QStringLiteral("Add reminder"));
    QCOMPARE(part<QToolButton>(view.get(), "remove")->accessibleName(),
             QStringLiteral("Remove reminder"));
    QCOMPARE(dayBadge(view.get(), 1)->accessibleName(), QStringLiteral("Sunday"));
    // A screen reader finds each row by name, with its switch as a checked state.
    QAccessibleInterface* list =
        QAccessible::queryAccessibleInterface(part<QListView>(view.get(), "reminders"));
    QVERIFY(list && list->childCount() == 1);
    const QString row = list->child(0)->text(QAccessible::Name);
    QVERIFY2(row.contains(u"Stretch") && row.contains(u"Weekdays") && row.endsWith(u"on"),
             qPrintable(row));
    QVERIFY(list->child(0)->state().checkable && list->child(0)->state().checked);
    for (int day : {1, 2}) {
        const QAccessible::State state =
            QAccessible::queryAccessibleInterface(dayBadge(view.get(), day))->state();
        QVERIFY(state.checkable);
        QCOMPARE(bool(state.checked), day == 2); // weekdays
    }
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

// The strongest contrast any pixel of a picture has with its corner.
double glyphContrast(const QImage& image)
{
    const QColor background = image.pixelColor(0, 0);
    double best = 1;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            best = std::max(best, SecondaryText::contrast(image.pixelColor(x, y), background));
    return best;
}

double glyphContrast(QWidget* widget)
{
    return glyphContrast(widget->grab().toImage());
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
    QTest::addColumn<bool>("switched"); // to it while the windows are open
    QTest::newRow("light") << QApplication::style()->standardPalette() << false;
    QTest::newRow("dark") << darkPalette() << false;
    QTest::newRow("switched to dark") << darkPalette() << true;
}

void TestUi::readableInBothThemes()
{
    QFETCH(QPalette, palette);
    QFETCH(bool, switched);
    const QPalette original = QApplication::palette();
    const QString originalTheme = QIcon::themeName();
    const QStringList originalPaths = QIcon::themeSearchPaths();
    const auto restore = qScopeGuard([&] {
        QApplication::setPalette(original);
        QIcon::setThemeSearchPaths(originalPaths);
        QIcon::setThemeName(originalTheme);
    });
    QApplication::setPalette(switched ? QApplication::style()->standardPalette() : palette);
    // A desktop icon theme whose symbolic icons are drawn in a fixed dark grey.
    QIcon::setThemeSearchPaths({QStringLiteral("/usr/share/icons")});
    QIcon::setThemeName(QStringLiteral("Adwaita"));

    makeStore({Reminder{.sound = QStringLiteral("None"), .url = QStringLiteral("example.com")}});
    auto view = makeManager();
    view->select(m_store->reminders().first().id);
    AlertPanel panel(Reminder{.url = QStringLiteral("example.com")});
    panel.show();
    if (switched) {
        QApplication::setPalette(palette);
        QCoreApplication::processEvents(); // the windows pass it on to their widgets
    }

    QVERIFY(glyphContrast(part<QToolButton>(view.get(), "add")) >= 3);
    QVERIFY(glyphContrast(part<QToolButton>(view.get(), "remove")) >= 3);
    // An unticked box: only its outline can stand out from the window around it.
    auto* box = part<QCheckBox>(view.get(), "pause");
    QVERIFY(!box->isChecked());
    QStyleOptionButton boxOption;
    boxOption.initFrom(box);
    const QRect indicator =
        box->style()->subElementRect(QStyle::SE_CheckBoxIndicator, &boxOption, box);
    QVERIFY(glyphContrast(box->grab().toImage().copy(indicator.adjusted(-1, -1, 1, 1))) >= 3);
    checkSecondary(
        labelWithText(part<EditorView>(view.get(), "editor"), QStringLiteral("The pop-up always")));
    for (const char* name : {"time", "website"})
        checkSecondary(panel.findChild<QWidget*>(QString::fromLatin1(name)));
    // The selected row's title and its marks.
    const QImage row = part<QListView>(view.get(), "reminders")->viewport()->grab().toImage();
    const ReminderDelegate::Parts parts = rowParts(*view, 0);
    QVERIFY(glyphContrast(row.copy(parts.title)) >= 4.5);
    QVERIFY(glyphContrast(row.copy(parts.silent)) >= 3);
    QVERIFY(glyphContrast(row.copy(parts.website)) >= 3);

    view.reset();
    makeStore({});
    view = makeManager();
    checkSecondary(
        labelWithText(part<QWidget>(view.get(), "emptyState"), QStringLiteral("Pick a reminder")));
}

void TestUi::boundFieldsShowTheStart()
{
    const QString longText = QStringLiteral("Begin ") + QString(200, u'x');
    makeStore({Reminder{.title = QStringLiteral("short")},
               Reminder{.title = longText, .note = longText, .url = longText}});
    auto view = makeManager();
    view->select(m_store->reminders().last().id);
    EditorView* editor = part<EditorView>(view.get(), "editor");
    for (QLineEdit* field : {part<QLineEdit>(editor, "name"), part<QLineEdit>(editor, "message"),
                             part<QLineEdit>(editor, "website")})
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
    EditorView* editor = part<EditorView>(view.get(), "editor");
    QWidget* field = sound ? static_cast<QWidget*>(part<QComboBox>(editor, "sound"))
                           : part<QTimeEdit>(editor, "time");
    view->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(view.get()));
    part<QLineEdit>(editor, "name")->setFocus();
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

void TestUi::noticeTellsWhatIsNotSafe()
{
    const QString file = m_files->filePath();
    const QString name = QFileInfo(file).fileName();
    QVERIFY(writeFile(file, "[{\"title\": \"half"));
    m_store = &m_files->reopen(m_clock);
    auto view = makeManager();
    NoticeBar* notice = part<NoticeBar>(view.get(), "notice");
    // Said at once, naming the file; then, once, where it was kept.
    QVERIFY(notice->text().contains(name));
    QVERIFY(!notice->closeButton()->isVisible());
    part<QToolButton>(view.get(), "add")->click();
    m_store->finishWrites(5000);
    QVERIFY(notice->text().contains(name + QStringLiteral(".corrupt-")));
    notice->closeButton()->click();
    QVERIFY(notice->text().isEmpty());
    part<QToolButton>(view.get(), "add")->click();
    m_store->finishWrites(5000);
    QVERIFY(notice->text().isEmpty());

    // A save that fails is said with the system's reason until one succeeds.
    QVERIFY(QFile::remove(file));
    QVERIFY(QDir().mkpath(file + QStringLiteral("/in the way")));
    part<QToolButton>(view.get(), "add")->click();
    m_store->finishWrites(5000);
    QVERIFY(!m_store->saveError().isEmpty());
    QVERIFY(notice->text().contains(name));
    QVERIFY(notice->text().contains(m_store->saveError()));
    QVERIFY(QDir(file).removeRecursively());
    QTRY_VERIFY_WITH_TIMEOUT(notice->text().isEmpty(), 5000); // tried again by itself
    QCOMPARE(onDisk().size(), 4);

    // A name being typed that a change from elsewhere replaces is said.
    view->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(view.get()));
    view->select(m_store->reminders().first().id);
    part<QLineEdit>(view.get(), "name")->setFocus(Qt::TabFocusReason);
    QList<Reminder> elsewhere = onDisk();
    elsewhere.first().title = QStringLiteral("Renamed on the laptop");
    QVERIFY(replaceFile(file, ReminderJson::encodeList(elsewhere)));
    QTRY_VERIFY(notice->text().contains(u"Renamed on the laptop"));
    QCOMPARE(part<QLineEdit>(view.get(), "name")->text(), QStringLiteral("Renamed on the laptop"));

    // A sync tool's conflict copy that cannot be read is named, and left.
    const QString copy = QFileInfo(file).absolutePath() +
                         QStringLiteral("/reminders.sync-conflict-20261208-183547-6RBGFW5.json");
    QVERIFY(writeFile(copy, "[{\"title\": "));
    QTRY_VERIFY(notice->text().contains(QFileInfo(copy).fileName()));
    QVERIFY(QFile::exists(copy));
}

QTEST_MAIN(TestUi)
#include "tst_ui.moc"
