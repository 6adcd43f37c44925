#include "alerts/alert_controller.h"
#include "alerts/alert_panel.h"
#include "alerts/clock_drawing.h"
#include "alerts/elided_label.h"
#include "alerts/icons.h"
#include "common/fake_chimes.h"

#include <QAccessible>
#include <QApplication>
#include <QMenu>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QTextDocument>
#include <QtTest>

namespace {

constexpr qint64 msecsPerTestMinute = 20;

QPushButton* button(QWidget* panel, const char* name)
{
    return panel->findChild<QPushButton*>(QString::fromLatin1(name));
}

// What a tooltip shows, as plain text.
QString shownToolTip(const QString& toolTip)
{
    QTextDocument document;
    if (Qt::mightBeRichText(toolTip))
        document.setHtml(toolTip);
    else
        document.setPlainText(toolTip);
    return document.toPlainText();
}

QPoint firstPosition()
{
    const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
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
    void textsShownAsWritten();
    void breaksInLabels_data();
    void breaksInLabels();
    void directionAsQLabel_data();
    void directionAsQLabel();
    void keyboardFollowsTheButtons();
    void screenReadersHearAnAlert_data();
    void screenReadersHearAnAlert();
    void trayIconIsTheDrawingAtEverySize();

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
    QVERIFY(note->height() > 3 * note->fontMetrics().lineSpacing());
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
    QCOMPARE(shownToolTip(ElidedLabel::plainToolTip(QStringLiteral("a  b\u2029c"))),
             QStringLiteral("a  b\nc"));
}

void TestAlerts::breaksInLabels_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("asLines");
    QTest::addColumn<int>("lines");
    QTest::addColumn<bool>("elided");
    QTest::newRow("line separator in a title") << "one\u2028two" << false << 1 << false;
    QTest::newRow("paragraph separator in a title") << "one\u2029two" << false << 1 << false;
    QTest::newRow("paragraph separator in a message") << "one\u2029two" << true << 2 << false;
    QTest::newRow("CR LF is one break") << "one\r\ntwo" << true << 2 << false;
    QTest::newRow("empty line kept") << "one\n\ntwo" << true << 3 << false;
    QTest::newRow("more lines than room") << "1\n2\n3\n4\n5" << true << 4 << true;
}

void TestAlerts::breaksInLabels()
{
    QFETCH(QString, text);
    QFETCH(bool, asLines);
    QFETCH(int, lines);
    QFETCH(bool, elided);
    ElidedLabel label(text, 4, nullptr,
                      asLines ? ElidedLabel::Breaks::AsLines : ElidedLabel::Breaks::AsSpaces);
    label.resize(400, label.heightForWidth(400));
    QCOMPARE(label.height(), lines * label.fontMetrics().lineSpacing());
    QCOMPARE(label.isElided(), elided);
}

void TestAlerts::directionAsQLabel_data()
{
    QTest::addColumn<QString>("text");
    QTest::newRow("hebrew") << QStringLiteral("\u05d0\u05d0\u05d0!!!");
    QTest::newRow("hebrew sentence")
        << QStringLiteral("\u05e4\u05d2\u05d9\u05e9\u05d4 \u05e2\u05dd "
                          "\u05d3\u05e0\u05d9!");
    QTest::newRow("arabic sentence")
        << QStringLiteral("\u0627\u062c\u062a\u0645\u0627\u0639 \u0641\u064a "
                          "\u0627\u0644\u0645\u0643\u062a\u0628 10.");
    QTest::newRow("latin") << QStringLiteral("Stand-up!");
}

void TestAlerts::directionAsQLabel()
{
    QFETCH(QString, text);
    ElidedLabel elided(text);
    QLabel plain(text);
    for (QLabel* label : {static_cast<QLabel*>(&elided), &plain})
        label->setFixedSize(300, label->fontMetrics().lineSpacing());
    const QImage expected = plain.grab().toImage();
    QCOMPARE(elided.grab().toImage(), expected);
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
}

void TestAlerts::trayIconIsTheDrawingAtEverySize()
{
    // The build renders the icon ahead of time; it must be the drawing, not a
    // stale or garbled copy of it, and in-between sizes come from the next larger.
    for (const bool paused : {false, true}) {
        const QIcon icon = Icons::application(paused);
        for (int size : ClockDrawing::sizes) {
            const QImage drawn = ClockDrawing::rendered(
                size, [paused](QPainter& p) { ClockDrawing::application(p, paused); });
            QCOMPARE(icon.pixmap(size).toImage().convertToFormat(drawn.format()), drawn);
        }
        const QImage between = icon.pixmap(20).toImage();
        QCOMPARE(between.size(), QSize(20, 20));
        QVERIFY(qAlpha(between.pixel(10, 12)) == 255 && qAlpha(between.pixel(0, 19)) == 0);
        QCOMPARE(icon.pixmap(200).size(), QSize(128, 128));
        // As an X11 tray paints it, also at scale 2.
        for (const qreal ratio : {1.0, 2.0}) {
            QImage canvas(QSize(22, 22) * ratio, QImage::Format_ARGB32_Premultiplied);
            canvas.setDevicePixelRatio(ratio);
            canvas.fill(Qt::transparent);
            QPainter painter(&canvas);
            icon.paint(&painter, QRect(0, 0, 22, 22));
            painter.end();
            canvas.setDevicePixelRatio(1);
            const int side = int(22 * ratio);
            QCOMPARE(canvas, icon.pixmap(side).toImage().convertToFormat(canvas.format()));
        }
    }
    QVERIFY(Icons::application(true).pixmap(22).toImage() !=
            Icons::application(false).pixmap(22).toImage());
}

QTEST_MAIN(TestAlerts)
#include "tst_alerts.moc"
