#pragma once

#include <QObject>

class QSocketNotifier;

// Ends the event loop like Quit does when the session asks the program to
// stop (SIGTERM at logout, SIGHUP, Ctrl+C in a terminal), so the last
// change still reaches the disk. The signal handler only writes a byte to a
// pipe; the quitting happens in the event loop.
class QuitOnSignal : public QObject {
    Q_OBJECT

public:
    static void install();

private:
    explicit QuitOnSignal(int readEnd);
    static void handle(int signal);

    QSocketNotifier* m_notifier;
};
