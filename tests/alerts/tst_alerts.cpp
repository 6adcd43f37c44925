#include "alerts/alert_controller.h"
#include "alerts/alert_panel.h"
#include "common/fake_chimes.h"
#include "common/shown_text.h"
#include "widgets/elided_label.h"

#include <QAccessible>
#include <QApplication>
#include <QCursor>
#include <QMenu>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QTemporaryDir>
#include <QTextDocument>
#include <QtTest>

namespace {

constexpr qint64 msecsPerTestMinute = 20;

QPushButton* button(QWidget* panel, const char* name)
{
    return panel->findChild<QPushButton*>(QString::fromLatin1(name));
}

// On the monitor under the pointer: the laptop's, where main() puts it.
QPoint firstPosition()
{
    const QRect area = QGuiApplication::screenAt(QPoint(100, 100))->availableGeometry();
    return {area.x() + area.width() / 2 - 220, area.y() + 60};
}

} // namespace

class TestAlerts : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void cascadeThroughSixAndReset();
    void sameReminderTwiceKeepsOneWindow();
    void buttonsWithWebsite();
    void buttonsWithoutWebsite();
    void websiteLineShowsHostOrWholeUrl();
    void snoozeComesBackAsTheSameCopy();
    void openAutomaticallyOpensHttpsForm();
    void windowManagerCloseStopsLoopingChime();
    void silentAndUnknownSounds();
    void longTextsStayInsideTheFrame();
    void longTitleWraps_data();
    void longTitleWraps();
    void textsShownAsWritten();
    void keyboardFollowsTheButtons();
    void screenReadersHearAnAlert_data();
    void screenReadersHearAnAlert();
    void popUpComesWhereTheUserIs();

private:
    std::unique_ptr<FakeChimes> m_chimes;
    std::unique_ptr<FakeOpener> m_opener;
    std::unique_ptr<AlertController> m_controller;
};

void TestAlerts::init()
{
    m_chimes = std::make_unique<FakeChimes>();
    m_opener = std::make_unique<FakeOpener>();
    m_controller = std::make_unique<AlertController>(*m_chimes, *m_opener, msecsPerTestMinute);
}

void TestAlerts::cleanup()
{
    m_controller.reset();
}

void TestAlerts::cascadeThroughSixAndReset()
{
    const QPoint origin = firstPosition();
    QList<Reminder> shown;
    for (int i = 0; i < 6; ++i) {
        shown << Reminder{.title = QStringLiteral("Reminder %1").arg(i)};
        m_controller->show(shown.last());
    }
    const QList<QWidget*> panels = m_controller->openPanels();
    QCOMPARE(panels.size(), 6);
    const int offsets[] = {0, 30, 60, 90, 120, 0};
    for (int i = 0; i < 6; ++i) {
        QCOMPARE(panels[i]->pos(), origin + QPoint(offsets[i], offsets[i]));
        QCOMPARE(panels[i]->size(), QSize(440, 240));
        QVERIFY(panels[i]->isVisible());
        QVERIFY(panels[i]->windowFlags() & Qt::Tool);
        QVERIFY(panels[i]->windowFlags() & Qt::WindowStaysOnTopHint);
        QVERIFY(panels[i]->testAttribute(Qt::WA_ShowWithoutActivating));
    }
    QVERIFY(!QApplication::activeWindow()); // nothing took the focus by appearing

    // Dismissing one keeps the cascade going; dismissing all resets it.
    m_controller->dismiss(shown[2].id);
    m_controller->show(Reminder{});
    QCOMPARE(m_controller->openPanels().last()->pos(), origin + QPoint(30, 30));
    m_controller->dismissAll();
    QVERIFY(m_controller->openPanels().isEmpty());
    m_controller->show(Reminder{});
    QCOMPARE(m_controller->openPanels().first()->pos(), origin);
}

void TestAlerts::sameReminderTwiceKeepsOneWindow()
{
    const Reminder r{.sound = QStringLiteral("Glass"), .repeatSound = true};
    m_controller->show(r);
    m_controller->show(r);
    QCOMPARE(m_controller->openPanels().size(), 1);
    QCOMPARE(m_controller->openPanels().first()->pos(), firstPosition());
    QCOMPARE(m_chimes->plays, (QList<bool>{true, true}));
    QCOMPARE(m_chimes->stops, 1); // the first pop-up's chime stopped with it
}

void TestAlerts::buttonsWithWebsite()
{
    const Reminder r{.url = QStringLiteral("example.com/standup")};
    m_controller->show(r);
    QWidget* panel = m_controller->openPanels().first();
    QVERIFY(button(panel, "snooze"));
    QCOMPARE(button(panel, "snooze")->width(), 110);
    QCOMPARE(button(panel, "snooze")->menu()->actions().size(), 3);
    QPushButton* open = button(panel, "openWebsite");
    QVERIFY(open);
    QCOMPARE(open->text(), QStringLiteral("Open website"));
    QVERIFY(open->isDefault());
    QVERIFY(!button(panel, "done")->isDefault());
    // As much room beside "Open website" as beside the shorter "Done".
    QVERIFY(open->width() - open->fontMetrics().horizontalAdvance(open->text()) >= 36);

    panel->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(panel));
    QTest::keyClick(panel, Qt::Key_Return);
    QCOMPARE(m_opener->opened, QList<QUrl>{QUrl(QStringLiteral("https://example.com/standup"))});
    QVERIFY(m_controller->openPanels().isEmpty());

    m_controller->show(r);
    panel = m_controller->openPanels().first();
    panel->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(panel));
    QTest::keyClick(panel, Qt::Key_Escape);
    QVERIFY(m_controller->openPanels().isEmpty());
    QCOMPARE(m_opener->opened.size(), 1);
}

void TestAlerts::buttonsWithoutWebsite()
{
    m_controller->show(Reminder{.url = QStringLiteral("   ")});
    QWidget* panel = m_controller->openPanels().first();
    QVERIFY(!button(panel, "openWebsite"));
    QVERIFY(!panel->findChild<QWidget*>(QStringLiteral("website")));
    QVERIFY(!panel->findChild<QWidget*>(QStringLiteral("note")));
    QVERIFY(button(panel, "done")->isDefault());
    // Opaque behind the texts, so windows behind never show through them.
    QCOMPARE(panel->grab().toImage().pixelColor(220, 60).alpha(), 255);
    panel->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(panel));
    QTest::keyClick(panel, Qt::Key_Escape); // no website: Escape is not bound
    QCOMPARE(m_controller->openPanels().size(), 1);
    QTest::keyClick(panel, Qt::Key_Return);
    QVERIFY(m_controller->openPanels().isEmpty());
}

void TestAlerts::websiteLineShowsHostOrWholeUrl()
{
    m_controller->show(
        Reminder{.note = QStringLiteral(" "), .url = QStringLiteral("example.com/a/b")});
    QWidget* panel = m_controller->openPanels().first();
    QCOMPARE(panel->findChild<QLabel*>(QStringLiteral("website"))->text(),
             QStringLiteral("example.com"));
    QCOMPARE(shownToolTip(panel->findChild<QLabel*>(QStringLiteral("website"))->toolTip()),
             QStringLiteral("https://example.com/a/b"));
    QVERIFY(panel->findChild<QLabel*>(QStringLiteral("note"))); // a note of spaces is shown
    QCOMPARE(AlertView::websiteText(QUrl(QStringLiteral("https:///local/path"))),
             QStringLiteral("https:///local/path"));
    QCOMPARE(AlertView::websiteText(QUrl(QStringLiteral("zoommtg://zoom.us/join?confno=123"))),
             QStringLiteral("zoom.us"));
    QCOMPARE(AlertView::websiteText(QUrl(QStringLiteral("msteams:/l/meetup-join/x"))),
             QStringLiteral("msteams:/l/meetup-join/x"));
}

void TestAlerts::snoozeComesBackAsTheSameCopy()
{
    const Reminder r{.title = QStringLiteral("Stretch"), .repeatSound = true};
    m_controller->show(r);
    QWidget* panel = m_controller->openPanels().first();
    QMenu* menu = button(panel, "snooze")->menu();
    QCOMPARE(menu->actions().at(1)->text(), QStringLiteral("10 minutes"));
    QSignalSpy snoozed(qobject_cast<AlertPanel*>(panel)->view(), &AlertView::snoozeRequested);
    QElapsedTimer clock;
    clock.start();
    menu->actions().at(1)->trigger();
    QCOMPARE(snoozed.first().first().toLongLong(), 10);
    QVERIFY(m_controller->openPanels().isEmpty());
    QCOMPARE(m_chimes->stops, 1);
    QTRY_COMPARE_WITH_TIMEOUT(m_controller->openPanels().size(), 1, 5000);
    QVERIFY(clock.elapsed() >= 10 * msecsPerTestMinute);
    auto* again = qobject_cast<AlertPanel*>(m_controller->openPanels().first());
    QVERIFY(again->view()->reminder() == r);
    QCOMPARE(m_chimes->plays, (QList<bool>{true, true}));
}

void TestAlerts::openAutomaticallyOpensHttpsForm()
{
    m_controller->show(
        Reminder{.url = QStringLiteral(" example.org/today "), .openURLAutomatically = true});
    QCOMPARE(m_opener->opened, QList<QUrl>{QUrl(QStringLiteral("https://example.org/today"))});
    QCOMPARE(m_controller->openPanels().size(), 1); // the pop-up stays
    m_controller->show(Reminder{.url = QStringLiteral(" "), .openURLAutomatically = true});
    QCOMPARE(m_opener->opened.size(), 1);
    m_controller->show(Reminder{.url = QStringLiteral("zoommtg://zoom.us/join?confno=1"),
                                .openURLAutomatically = true});
    QCOMPARE(m_opener->opened.size(), 2);

    // Other handlers (a file from elsewhere may name any) open only on a click.
    for (const char* link : {"apt://pendrel-helper", "smb://fileserver/share/run.desktop"}) {
        const QUrl url(QString::fromLatin1(link));
        m_controller->show(Reminder{.url = url.toString(), .openURLAutomatically = true});
        QCOMPARE(m_opener->opened.size(), 2);
        auto* panel = qobject_cast<AlertPanel*>(m_controller->openPanels().last());
        Q_EMIT panel->view()->openRequested();
        QCOMPARE(m_opener->opened.last(), url);
        m_opener->opened.removeLast();
    }
}

void TestAlerts::windowManagerCloseStopsLoopingChime()
{
    const Reminder r{.repeatSound = true};
    m_controller->show(r);
    ChimePlayer* chime = m_controller->chimeFor(r.id);
    QVERIFY(chime && chime->isPlaying());
    QPointer<QWidget> panel = m_controller->openPanels().first();
    panel->close(); // what Alt+F4 does
    QVERIFY(m_controller->openPanels().isEmpty());
    QCOMPARE(m_chimes->stops, 1);
    QTRY_VERIFY(panel.isNull()); // the window is really gone
}

void TestAlerts::silentAndUnknownSounds()
{
    m_controller->show(Reminder{.sound = QStringLiteral("None")});
    QVERIFY(m_chimes->lookups.isEmpty());
    m_controller->show(Reminder{.sound = QStringLiteral("Missing")});
    QCOMPARE(m_chimes->lookups, QStringList{QStringLiteral("Missing")});
    QVERIFY(m_chimes->plays.isEmpty());
    QCOMPARE(m_controller->openPanels().size(), 2);
}

void TestAlerts::longTextsStayInsideTheFrame()
{
    const QString longWord = QString(300, QLatin1Char('W'));
    const QString longText = QStringLiteral("word ").repeated(200);
    m_controller->show(Reminder{.title = longWord,
                                .note = longText,
                                .url = QStringLiteral("a-very-long-host-name.").repeated(8) +
                                       QStringLiteral("example.com")});
    QWidget* panel = m_controller->openPanels().first();
    QVERIFY(QTest::qWaitForWindowExposed(panel));
    const QRect frame = panel->rect();
    for (const char* name : {"snooze", "openWebsite", "done"}) {
        QWidget* b = button(panel, name);
        QVERIFY2(b, name);
        const QRect inPanel(b->mapTo(panel, QPoint(0, 0)), b->size());
        QVERIFY2(frame.contains(inPanel), name);
        QVERIFY(inPanel.bottom() <= 240 - 20 + 1);
    }
    for (const char* name : {"title", "note", "website"}) {
        auto* label = panel->findChild<ElidedLabel*>(QString::fromLatin1(name));
        QVERIFY2(label->isElided(), name);
        QVERIFY(QRect(label->mapTo(panel, QPoint(0, 0)), label->size()).right() <= 440 - 20);
    }
    // The message fills the panel: no room for another line is left unused.
    auto* note = panel->findChild<ElidedLabel*>(QStringLiteral("note"));
    QWidget* website = panel->findChild<ElidedLabel*>(QStringLiteral("website"));
    const int unused = button(panel, "done")->mapTo(panel, QPoint(0, 0)).y() -
                       (website->mapTo(panel, QPoint(0, 0)).y() + website->height());
    QVERIFY2(unused < 2 * 14 + note->fontMetrics().lineSpacing(),
             qPrintable(QString::number(unused)));
    QVERIFY(note->height() >= 2 * note->fontMetrics().lineSpacing());
}

void TestAlerts::longTitleWraps_data()
{
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("note");
    QTest::addColumn<bool>("elided");
    const QString wrapUp =
        QStringLiteral("Friday wrap-up: write the weekly report and send it to the team");
    QTest::newRow("alone") << wrapUp << QString() << false;
    QTest::newRow("with a message") << wrapUp << QStringLiteral("Figures attached") << false;
    QTest::newRow("endless") << QStringLiteral("wrap-up ").repeated(60) << QString() << true;
}

void TestAlerts::longTitleWraps()
{
    QFETCH(QString, title);
    QFETCH(QString, note);
    QFETCH(bool, elided);
    m_controller->show(Reminder{.title = title, .note = note});
    QWidget* panel = m_controller->openPanels().first();
    QVERIFY(QTest::qWaitForWindowExposed(panel));
    auto* label = panel->findChild<ElidedLabel*>(QStringLiteral("title"));
    QCOMPARE(label->isElided(), elided);
    QVERIFY(label->height() >= 2 * label->fontMetrics().lineSpacing());
    QWidget* below =
        note.isEmpty() ? button(panel, "done") : panel->findChild<QWidget*>(QStringLiteral("note"));
    QVERIFY(label->mapTo(panel, QPoint(0, label->height())).y() <=
            below->mapTo(panel, QPoint(0, 0)).y());
}

void TestAlerts::textsShownAsWritten()
{
    const QString title = QStringLiteral("<b>bold</b> &amp; <i>it</i>");
    const QString note =
        QStringLiteral("<h1>Big</h1><a href='https://evil.example'>click</a> <img src=x>");
    m_controller->show(Reminder{.title = title, .note = note});
    QWidget* panel = m_controller->openPanels().first();
    for (const auto& [name, text] : {std::pair{"title", title}, std::pair{"note", note}}) {
        auto* label = panel->findChild<ElidedLabel*>(QString::fromLatin1(name));
        QCOMPARE(label->textFormat(), Qt::PlainText);
        QCOMPARE(shownToolTip(label->toolTip()), text);
    }
}

void TestAlerts::keyboardFollowsTheButtons()
{
    m_controller->show(Reminder{.url = QStringLiteral("example.com")});
    QWidget* panel = m_controller->openPanels().first();
    panel->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(panel));
    QCOMPARE(QApplication::focusWidget(), button(panel, "openWebsite"));
    const char* order[] = {"done", "snooze", "openWebsite", "done"};
    for (const char* name : order) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), button(panel, name));
    }
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return); // presses the focused Done
    QVERIFY(m_controller->openPanels().isEmpty());
    QVERIFY(m_opener->opened.isEmpty());
}

void TestAlerts::screenReadersHearAnAlert_data()
{
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("spoken");
    QTest::newRow("titled") << QStringLiteral("Stand-up") << QStringLiteral("Stand-up");
    QTest::newRow("two lines") << QStringLiteral("Stand\nup") << QStringLiteral("Stand up");
    QTest::newRow("blank") << QStringLiteral("  ") << QStringLiteral("Reminder");
}

void TestAlerts::screenReadersHearAnAlert()
{
    QFETCH(QString, title);
    QFETCH(QString, spoken);
    m_controller->show(Reminder{.title = title});
    QAccessibleInterface* alert =
        QAccessible::queryAccessibleInterface(m_controller->openPanels().first());
    QVERIFY(alert);
    QCOMPARE(alert->role(), QAccessible::AlertMessage);
    QCOMPARE(alert->text(QAccessible::Name), spoken);
    const QString shown = title.trimmed().isEmpty() ? QStringLiteral("Untitled") : title;
    QCOMPARE(m_controller->openPanels()
                 .first()
                 ->findChild<ElidedLabel*>(QStringLiteral("title"))
                 ->text(),
             shown);
}

void TestAlerts::popUpComesWhereTheUserIs()
{
    QCOMPARE(QGuiApplication::screens().size(), 2); // a laptop and an external monitor
    const QRect external = QGuiApplication::screenAt(QPoint(1300, 100))->availableGeometry();
    QCursor::setPos(external.center());
    m_controller->show(Reminder{.title = QStringLiteral("one")});
    // The cascade stays on that monitor, wherever the pointer goes meanwhile.
    QCursor::setPos(100, 100);
    m_controller->show(Reminder{.title = QStringLiteral("two")});
    const QList<QWidget*> panels = m_controller->openPanels();
    QCOMPARE(panels.at(0)->pos(),
             QPoint(external.x() + external.width() / 2 - 220, external.y() + 60));
    QCOMPARE(panels.at(1)->pos(), panels.at(0)->pos() + QPoint(30, 30));
    m_controller->dismissAll();
    m_controller->show(Reminder{.title = QStringLiteral("three")});
    QCOMPARE(m_controller->openPanels().first()->pos(), firstPosition());
}

int main(int argc, char** argv)
{
    // Two monitors, the primary one first, on the offscreen platform.
    QTemporaryDir dir;
    const QString config = dir.filePath(QStringLiteral("screens.json"));
    QFile file(config);
    if (!file.open(QIODevice::WriteOnly))
        return 1;
    file.write(R"({"screens": [
        {"name": "laptop", "x": 0, "y": 0, "width": 1280, "height": 800, "logicalDpi": 96},
        {"name": "external", "x": 1280, "y": 0, "width": 1920, "height": 1080, "logicalDpi": 96}
    ]})");
    file.close();
    qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + QFile::encodeName(config));
    QApplication app(argc, argv);
    QCursor::setPos(100, 100);
    TestAlerts test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}
#include "tst_alerts.moc"
