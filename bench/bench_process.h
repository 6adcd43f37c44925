#pragma once

// Reading a running process from outside through /proc, and the throwaway
// home each measured program runs in.
#include "common/private_home.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>

struct Home : PrivateHome {
    QProcessEnvironment environment() const
    {
        QProcessEnvironment env = PrivateHome::environment();
        // On the X server it is given, as on a desktop; offscreen without one.
        if (!env.contains(QStringLiteral("DISPLAY")))
            env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        else
            env.remove(QStringLiteral("QT_QPA_PLATFORM"));
        return env;
    }
};

inline QByteArray procFile(qint64 pid, const char* name)
{
    QFile file(QStringLiteral("/proc/%1/%2").arg(pid).arg(QLatin1String(name)));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

inline long statusValue(qint64 pid, const char* key)
{
    for (const QByteArray& line : procFile(pid, "status").split('\n')) {
        if (line.startsWith(key))
            return line.mid(static_cast<qsizetype>(qstrlen(key)))
                .trimmed()
                .split(' ')
                .first()
                .toLong();
    }
    return -1;
}

// One file of every thread of the process: /proc/PID/task/TID/NAME.
inline QList<QByteArray> threadFiles(qint64 pid, const char* name)
{
    QList<QByteArray> contents;
    const QString tasks = QStringLiteral("/proc/%1/task").arg(pid);
    for (const QString& task : QDir(tasks).entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        QFile file(tasks + u'/' + task + u'/' + QLatin1String(name));
        contents << (file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray());
    }
    return contents;
}

// CPU time of all threads in nanoseconds (schedstat is exact, unlike the
// clock ticks of /proc/PID/stat).
inline qint64 cpuNanoseconds(qint64 pid)
{
    qint64 total = 0;
    for (const QByteArray& stat : threadFiles(pid, "schedstat"))
        total += stat.split(' ').first().toLongLong();
    return total;
}

inline long contextSwitches(qint64 pid)
{
    long total = 0;
    for (const QByteArray& status : threadFiles(pid, "status")) {
        for (const QByteArray& line : status.split('\n')) {
            if (line.startsWith("voluntary_ctxt_switches:") ||
                line.startsWith("nonvoluntary_ctxt_switches:"))
                total += line.split(':').last().trimmed().toLong();
        }
    }
    return total;
}

inline QStringList threadNames(qint64 pid)
{
    QStringList names;
    for (const QByteArray& comm : threadFiles(pid, "comm"))
        names << QString::fromUtf8(comm.trimmed());
    return names;
}

// Milliseconds from starting the program until it has used no CPU for
// `quietMsecs`, read every millisecond from its threads' schedstat. Leaves
// the process running.
inline double startupToIdleMs(QProcess& process, const QString& program,
                              const QStringList& arguments = {}, qint64 quietMsecs = 300)
{
    QElapsedTimer clock;
    clock.start();
    process.start(program, arguments);
    if (!process.waitForStarted())
        return -1;
    const qint64 pid = process.processId();
    qint64 lastCpu = -1;
    qint64 lastChange = 0;
    while (clock.nsecsElapsed() - lastChange < quietMsecs * 1'000'000 && clock.elapsed() < 10'000) {
        const qint64 cpu = cpuNanoseconds(pid);
        if (cpu != lastCpu) {
            lastCpu = cpu;
            lastChange = clock.nsecsElapsed();
        }
        QThread::usleep(1000);
    }
    // One that ended used no more CPU, which is no start-up figure.
    if (process.state() != QProcess::Running)
        return -1;
    return static_cast<double>(lastChange) / 1e6;
}
