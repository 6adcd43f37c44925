// Time from entering main to the end of the launch sequence (the first tick
// done, the tray icon and its menu ready), in the real application objects.
// Run with a prepared HOME; prints one number in milliseconds.
#include "app/app_delegate.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTextStream>

int main(int argc, char** argv)
{
    QElapsedTimer timer;
    timer.start();
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    AppDelegate delegate(CommandLine::fromArgv(argc, argv), AppServices::standard());
    delegate.launch();
    const double msecs = static_cast<double>(timer.nsecsElapsed()) / 1e6;
    QTextStream(stdout) << QString::number(msecs, 'f', 2) << '\n';
    return 0;
}
