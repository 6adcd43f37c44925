// Resident memory before and after 100 pop-ups (with looping chimes) were
// shown and dismissed, and what is left of them: windows and players must
// all be gone.
#include "alerts/alert_controller.h"

#include <QApplication>
#include <QFile>
#include <QTextStream>

namespace {

long rssKiB()
{
    QFile status(QStringLiteral("/proc/self/status"));
    status.open(QIODevice::ReadOnly);
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').first().toLong();
    }
    return -1;
}

void cycle(int count)
{
    AlertController& alerts = AlertController::shared();
    for (int i = 0; i < count; ++i) {
        const Reminder r{.title = QStringLiteral("Pop-up %1").arg(i),
                         .note = QStringLiteral("A message"),
                         .sound = QStringLiteral("Glass"),
                         .repeatSound = true,
                         .url = QStringLiteral("example.com")};
        alerts.show(r);
        QCoreApplication::processEvents();
        alerts.dismiss(r.id);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCoreApplication::processEvents();
    }
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    // Warm up: fonts, glyph and pixmap caches, the chime renderings and the
    // audio device list settle in the first rounds.
    cycle(100);
    const long before = rssKiB();
    cycle(100);
    const long after = rssKiB();
    QTextStream(stdout) << before << ' ' << after << ' ' << QApplication::topLevelWidgets().size()
                        << ' ' << AlertController::shared().openPanels().size() << '\n';
    return 0;
}
