// The floor Pendrel is measured against: the smallest Qt tray program, a tray
// icon and a ten-second timer, nothing else.
#include <QApplication>
#include <QIcon>
#include <QPixmap>
#include <QSystemTrayIcon>
#include <QTimer>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    QPixmap pixmap(22, 22);
    pixmap.fill(Qt::darkGray);
    QSystemTrayIcon tray{QIcon(pixmap)};
    tray.show();
    QTimer timer;
    timer.setTimerType(Qt::PreciseTimer);
    timer.start(10'000);
    return QApplication::exec();
}
