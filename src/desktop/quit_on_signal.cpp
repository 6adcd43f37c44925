#include "quit_on_signal.h"

#include <QCoreApplication>
#include <QSocketNotifier>

#include <csignal>
#include <fcntl.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {

int writeEnd = -1;

} // namespace

QuitOnSignal::QuitOnSignal(int readEnd)
    : QObject(QCoreApplication::instance()),
      m_notifier(new QSocketNotifier(readEnd, QSocketNotifier::Read, this))
{
    connect(m_notifier, &QSocketNotifier::activated, this, [readEnd] {
        char byte = 0;
        while (::read(readEnd, &byte, 1) > 0) {
        }
        QCoreApplication::quit();
    });
}

void QuitOnSignal::install()
{
    int ends[2];
    if (writeEnd >= 0 || ::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0, ends))
        return;
    writeEnd = ends[1];
    new QuitOnSignal(ends[0]);
    struct sigaction action {};
    action.sa_handler = &QuitOnSignal::handle;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (int signal : {SIGTERM, SIGHUP, SIGINT})
        sigaction(signal, &action, nullptr);
}

void QuitOnSignal::handle(int)
{
    const char byte = 1;
    [[maybe_unused]] const ssize_t ignored = ::write(writeEnd, &byte, 1);
}
