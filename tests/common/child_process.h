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
