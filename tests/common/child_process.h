#pragma once

#include <QProcess>

#include <csignal>
#include <sys/prctl.h>

// The process is told to end when the test that started it ends, however
// that ends: a test killed at its time limit leaves nothing running.
inline void endWithTest(QProcess& process)
{
    process.setChildProcessModifier([] { ::prctl(PR_SET_PDEATHSIG, SIGTERM); });
}

// Asks the process to end and, if it will not, kills it: one that lingers
// would keep its QProcess busy and its resources held for the next test.
inline void stopProcess(QProcess& process, int graceMs = 5000)
{
    if (process.state() == QProcess::NotRunning)
        return;
    process.terminate();
    if (!process.waitForFinished(graceMs)) {
        process.kill();
        process.waitForFinished(3000);
    }
}
