// A pop-up on a real X server with a window manager, with and without a
// compositor: its rounded corners must show the desktop behind, never black;
// and the window manager's close key and command close it.
#include "alerts/alert_controller.h"
#include "alerts/alert_panel.h"
#include "common/child_process.h"
#include "common/fake_chimes.h"
#include "desktop/compositor_watch.h"

#include <QGuiApplication>
#include <QProcess>
#include <QScreen>
#include <QStandardPaths>
#include <QWidget>
#include <QtTest>

namespace {

const QColor desktopColor(0x3a, 0x7a, 0x3a);

bool near(const QColor& a, const QColor& b)
{
    return std::abs(a.red() - b.red()) < 24 && std::abs(a.green() - b.green()) < 24 &&
           std::abs(a.blue() - b.blue()) < 24;
}

} // namespace

class TestShape : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void cleanupTestCase();
    void cornersShowTheDesktop();
    void windowManagerClosesIt_data();
    void windowManagerClosesIt();

private:
    void checkCorners(const char* when);
    QString wrongPixel() const;
    QProcess* start(const QString& program, const QStringList& arguments = {});

    QProcess m_windowManager;
    QProcess m_compositor;
    std::unique_ptr<QWidget> m_desktop;
    std::unique_ptr<AlertPanel> m_panel;
};

void TestShape::initTestCase()
{
    if (QGuiApplication::platformName() != u"xcb")
        QSKIP("needs an X server");
    for (const char* tool : {"openbox", "xcompmgr", "xfwm4", "xdotool", "wmctrl"}) {
        if (QStandardPaths::findExecutable(QString::fromLatin1(tool)).isEmpty())
            QFAIL(qPrintable(
                QStringLiteral("%1 is not installed: run scripts/setup").arg(QLatin1String(tool))));
    }
    m_windowManager.start(QStringLiteral("openbox"), {});
    QVERIFY(m_windowManager.waitForStarted());
    QTest::qWait(1000); // openbox takes the screen

    // A plain coloured desktop under everything.
    m_desktop = std::make_unique<QWidget>(nullptr, Qt::FramelessWindowHint);
    QPalette palette;
    palette.setColor(QPalette::Window, desktopColor);
    m_desktop->setPalette(palette);
    m_desktop->setAutoFillBackground(true);
    // Short of the whole screen: window managers raise an undecorated window
    // of the screen's size above everything, as if full screen.
    m_desktop->setGeometry(40, 40, 1000, 700);
    m_desktop->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_desktop.get()));
}

void TestShape::cleanupTestCase()
{
    m_panel.reset();
    stopProcess(m_compositor, 3000);
    stopProcess(m_windowManager, 3000);
}

QString TestShape::wrongPixel() const
{
    const QRect frame = m_panel->geometry();
    const QImage shot = QGuiApplication::primaryScreen()
                            ->grabWindow(0, frame.x(), frame.y(), frame.width(), frame.height())
                            .toImage();
    if (shot.isNull())
        return QStringLiteral("no picture of the screen");
    const int w = shot.width() - 1;
    const int h = shot.height() - 1;
    for (const QPoint corner : {QPoint(0, 0), QPoint(w, 0), QPoint(0, h), QPoint(w, h)}) {
        const QColor seen = shot.pixelColor(corner);
        if (!near(seen, desktopColor))
            return QStringLiteral("corner (%1, %2) is %3")
                .arg(corner.x())
                .arg(corner.y())
                .arg(seen.name());
    }
    // The middle is the panel's own colour, not the desktop's.
    if (near(shot.pixelColor(shot.width() / 2, 8), desktopColor))
        return QStringLiteral("the middle shows the desktop");
    return {};
}

void TestShape::checkCorners(const char* when)
{
    // The server and the compositor catch up in their own time.
    QString wrong;
    const bool right = QTest::qWaitFor(
        [&] {
            wrong = wrongPixel();
            return wrong.isEmpty();
        },
        10000);
    QVERIFY2(right, qPrintable(QLatin1String(when) + QStringLiteral(": ") + wrong));
}

void TestShape::cornersShowTheDesktop()
{
    CompositorWatch& watch = CompositorWatch::shared();
    QVERIFY(!watch.isActive());
    m_panel = std::make_unique<AlertPanel>(Reminder{.title = QStringLiteral("Corners")});
    m_panel->move(200, 150);
    m_panel->showFloating();
    QVERIFY(QTest::qWaitForWindowExposed(m_panel.get()));
    checkCorners("without a compositor");

    // A compositor starting and stopping while the pop-up is open.
    m_compositor.start(QStringLiteral("xcompmgr"), {});
    QVERIFY(m_compositor.waitForStarted());
    QTRY_VERIFY_WITH_TIMEOUT(watch.isActive(), 5000);
    QVERIFY(m_panel->mask().isEmpty());
    checkCorners("with a compositor");

    m_compositor.terminate();
    QVERIFY(m_compositor.waitForFinished(3000));
    QTRY_VERIFY_WITH_TIMEOUT(!watch.isActive(), 5000);
    QVERIFY(!m_panel->mask().isEmpty());
    checkCorners("after the compositor stopped");
}

void TestShape::windowManagerClosesIt_data()
{
    QTest::addColumn<QString>("windowManager");
    QTest::addColumn<QStringList>("close"); // a command the user's desktop runs
    const QStringList altF4{QStringLiteral("xdotool"), QStringLiteral("key"),
                            QStringLiteral("alt+F4")};
    const QStringList wmctrl{QStringLiteral("wmctrl"), QStringLiteral("-c"),
                             QStringLiteral("Close me")};
    QTest::newRow("xfwm4, Alt+F4") << "xfwm4" << altF4;
    QTest::newRow("xfwm4, wmctrl -c") << "xfwm4" << wmctrl;
    QTest::newRow("openbox, Alt+F4") << "openbox" << altF4;
}

void TestShape::windowManagerClosesIt()
{
    QFETCH(QString, windowManager);
    QFETCH(QStringList, close);
    // xfwm4 reads its keys from xfconf, on the session bus.
    if (windowManager == u"xfwm4" && qEnvironmentVariableIsEmpty("DBUS_SESSION_BUS_ADDRESS"))
        QSKIP("xfwm4 needs a session bus");
    // xfwm4 may take a while over SIGTERM while it talks to xfconf.
    stopProcess(m_windowManager, 3000);
    m_windowManager.start(windowManager, {QStringLiteral("--replace")});
    QVERIFY(m_windowManager.waitForStarted());
    QTest::qWait(1500);

    FakeChimes chimes;
    FakeOpener opener;
    AlertController alerts(chimes, opener);
    alerts.show(Reminder{.title = QStringLiteral("Close me"), .repeatSound = true});
    QCOMPARE(alerts.openPanels().size(), 1);
    QWidget* panel = alerts.openPanels().first();
    QVERIFY(QTest::qWaitForWindowExposed(panel));
    QTest::qWait(300);
    const QPoint placed = panel->pos();
    const auto run = [](const QStringList& command) {
        QProcess process;
        process.start(command.first(), command.mid(1));
        return process.waitForFinished(5000) && process.exitCode() == 0;
    };
    // A click on its background, as a user gives it, then the pointer goes on.
    const QPoint inside = panel->mapToGlobal(QPoint(200, 110));
    QVERIFY(run({QStringLiteral("xdotool"), QStringLiteral("mousemove"),
                 QString::number(inside.x()), QString::number(inside.y()), QStringLiteral("click"),
                 QStringLiteral("1"), QStringLiteral("mousemove"),
                 QString::number(inside.x() + 300), QString::number(inside.y() + 200)}));
    QTRY_VERIFY_WITH_TIMEOUT(panel->isActiveWindow(), 3000);
    QTest::qWait(500);
    QCOMPARE(panel->pos(), placed); // it does not follow the pointer

    QVERIFY(run(close));
    QTRY_VERIFY_WITH_TIMEOUT(alerts.openPanels().isEmpty(), 3000);
    QCOMPARE(chimes.stops, 1);
}

QTEST_MAIN(TestShape)
#include "tst_shape.moc"
