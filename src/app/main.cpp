#include "alerts/alert_controller.h"
#include "app_delegate.h"
#include "command_line.h"
#include "desktop/login_item.h"
#include "desktop/quit_on_signal.h"
#include "desktop/single_instance.h"
#include "message_filter.h"
#include "store/store.h"
#include "translations.h"
#include "widgets/outline_style.h"

#include <QApplication>
#include <QTextStream>

#include <csignal>
#include <cstdio>

namespace {

constexpr int quitWaitMsecs = 5000;

// On a Wayland desktop Pendrel runs through XWayland, where pop-ups can be
// placed and kept on top, unless the user chose a platform or there is no
// XWayland; then natively. Decided by the displays that are really there:
// a compositor started from a console names no session type.
void chooseWindowingSystem(int argc, char** argv)
{
    const CommandLine arguments = CommandLine::fromArgv(argc, argv);
    if (qEnvironmentVariableIsSet("QT_QPA_PLATFORM") || arguments.has(QStringLiteral("-platform")))
        return;
    const bool wayland = !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") ||
                         qEnvironmentVariable("XDG_SESSION_TYPE") == u"wayland";
    if (!wayland)
        return;
    qputenv("QT_QPA_PLATFORM", qEnvironmentVariableIsEmpty("DISPLAY") ? "wayland" : "xcb");
}

} // namespace

int main(int argc, char** argv)
{
    // A file size limit or quota makes a save fail (and the old file stay);
    // it must not end the program.
    std::signal(SIGXFSZ, SIG_IGN);
    const CommandLine commandLine = CommandLine::fromArgv(argc, argv);
    // Answered before any window, file or instance exists; the help in the
    // user's language.
    if (commandLine.help() || commandLine.version()) {
        QCoreApplication core(argc, argv);
        Translations::install();
        std::fputs(
            qPrintable(commandLine.help() ? CommandLine::usage() : CommandLine::versionText()),
            stdout);
        return 0;
    }
    if (commandLine.loginStatus()) {
        // Before any window, Store, tray icon or login default exists.
        QCoreApplication core(argc, argv);
        QTextStream(stdout) << LoginItem::standard().statusText() << '\n';
        return 0;
    }

    MessageFilter::install();
    chooseWindowingSystem(argc, argv);
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Pendrel"));
    QApplication::setOrganizationName(QStringLiteral("Pendrel"));
    QApplication::setDesktopFileName(QStringLiteral("org.pendrel.Pendrel"));
    QApplication::setQuitOnLastWindowClosed(false);
    OutlineStyle::install();
    Translations::install();

    SingleInstance instance;
    if (!instance.claim()) {
        // A start at login (session restore and the autostart entry both)
        // leaves the running one as it is.
        if (!commandLine.autostart())
            instance.askRunningToOpen();
        return 0;
    }

    QuitOnSignal::install();
    AppDelegate delegate(commandLine, AppServices::standard());
    QObject::connect(&instance, &SingleInstance::openRequested, &delegate,
                     &AppDelegate::openManager);
    delegate.launch();
    const int status = QApplication::exec();
    AlertController::shared().dismissAll();
    // The last change, or a failed save's retry, reaches the disk; bounded,
    // so a hung network folder never keeps Pendrel from quitting.
    Store::shared().finishWrites(quitWaitMsecs);
    return status;
}
