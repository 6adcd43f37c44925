// A pop-up on a real X server with a window manager, with and without a
// compositor: its rounded corners must show the desktop behind, never black.
#include "alerts/alert_panel.h"
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
    for (const char* tool : {"openbox", "xcompmgr"}) {
        if (QStandardPaths::findExecutable(QString::fromLatin1(tool)).isEmpty())
            QFAIL("openbox and xcompmgr are not installed: run scripts/setup");
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
    for (QProcess* process : {&m_compositor, &m_windowManager}) {
        process->terminate();
        process->waitForFinished(3000);
    }
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

QTEST_MAIN(TestShape)
#include "tst_shape.moc"
