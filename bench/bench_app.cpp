// Measures the running program from outside: start-up time, resident memory
// with and without the manager window, and the cost of sitting idle.
//   bench_app PENDREL BENCH_LAUNCH BENCH_POPUPS [IDLE_SECONDS]
#include "bench_common.h"
#include "model/reminder_json.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTextStream>
#include <QThread>

#include <unistd.h>

namespace {

QTextStream out(stdout);

struct Home {
    QTemporaryDir dir;
    QString path(const QString& relative) const { return dir.filePath(relative); }
    QProcessEnvironment environment() const
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("HOME"), dir.path());
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), path(QStringLiteral("config")));
        env.insert(QStringLiteral("XDG_DATA_HOME"), path(QStringLiteral("data")));
        env.insert(QStringLiteral("XDG_RUNTIME_DIR"), path(QStringLiteral("runtime")));
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        env.remove(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"));
        return env;
    }
};

// A home with 100 reminders, none due for hours, and a first launch behind it.
void prepare(const Home& home)
{
    QDir().mkpath(home.path(QStringLiteral("data/Pendrel")));
    QDir().mkpath(home.path(QStringLiteral("config/Pendrel")));
    QDir().mkpath(home.path(QStringLiteral("runtime")));
    QFile::setPermissions(home.path(QStringLiteral("runtime")),
                          QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    const int hour = (QTime::currentTime().hour() + 12) % 24;
    QList<Reminder> list;
    for (int i = 0; i < 100; ++i)
        list.append(Reminder{.title = QStringLiteral("Reminder %1").arg(i),
                             .hour = hour,
                             .minute = i % 60,
                             .url = i % 3 ? QString() : QStringLiteral("example.com/%1").arg(i)});
    QFile file(home.path(QStringLiteral("data/Pendrel/reminders.json")));
    file.open(QIODevice::WriteOnly);
    file.write(ReminderJson::encodeList(list));
    QFile conf(home.path(QStringLiteral("config/Pendrel/Pendrel.conf")));
    conf.open(QIODevice::WriteOnly);
    conf.write("[General]\nhasLaunched=true\nloginOptOut=true\n");
}

QByteArray procFile(qint64 pid, const char* name)
{
    QFile file(QStringLiteral("/proc/%1/%2").arg(pid).arg(QLatin1String(name)));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

long statusValue(qint64 pid, const char* key)
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
QList<QByteArray> threadFiles(qint64 pid, const char* name)
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
qint64 cpuNanoseconds(qint64 pid)
{
    qint64 total = 0;
    for (const QByteArray& stat : threadFiles(pid, "schedstat"))
        total += stat.split(' ').first().toLongLong();
    return total;
}

long contextSwitches(qint64 pid)
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

QStringList threadNames(qint64 pid)
{
    QStringList names;
    for (const QByteArray& comm : threadFiles(pid, "comm"))
        names << QString::fromUtf8(comm.trimmed());
    return names;
}

void row(const QString& what, const QString& value, const QString& target, const QString& how)
{
    out << qSetFieldWidth(44) << Qt::left << what << qSetFieldWidth(14) << value
        << qSetFieldWidth(12) << target << qSetFieldWidth(0) << how << Qt::endl;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() < 4)
        return 2;
    const QString pendrel = args.at(1);
    const int idleSeconds = args.size() > 4 ? args.at(4).toInt() : 60;
    row(QStringLiteral("measure"), QStringLiteral("median"), QStringLiteral("target"),
        QStringLiteral("how"));

    {
        std::vector<double> times;
        for (int i = 0; i < 7; ++i) {
            Home home;
            prepare(home);
            QProcess p;
            p.setProcessEnvironment(home.environment());
            p.start(args.at(2), {});
            p.waitForFinished(30000);
            times.push_back(p.readAllStandardOutput().trimmed().toDouble());
        }
        std::sort(times.begin(), times.end());
        row(QStringLiteral("start-up to first tick + tray (ms)"), QString::number(times[3], 'f', 1),
            QStringLiteral("< 250"),
            QStringLiteral("7 runs, main() to end of launch, 100 reminders"));
    }
    {
        Home home;
        prepare(home);
        const double msecs = medianMs(7, [&] {
            QProcess p;
            p.setProcessEnvironment(home.environment());
            p.start(pendrel, {QStringLiteral("--snapshot"), home.path(QStringLiteral("x")),
                              QStringLiteral("--snapshot-after"), QStringLiteral("0")});
            p.waitForFinished(30000);
        });
        row(QStringLiteral("launch to quit, --snapshot-after 0 (ms)"),
            QString::number(msecs, 'f', 1), QString(),
            QStringLiteral("7 runs, whole process, tray only"));
    }

    Home home;
    prepare(home);
    QProcess running;
    running.setProcessEnvironment(home.environment());
    running.start(pendrel, {});
    running.waitForStarted();
    const qint64 pid = running.processId();
    QThread::sleep(3);
    row(QStringLiteral("RSS, tray only (MiB)"),
        QString::number(static_cast<double>(statusValue(pid, "VmRSS:")) / 1024, 'f', 1),
        QStringLiteral("< 40"), QStringLiteral("/proc VmRSS 3 s after start"));

    const qint64 cpu0 = cpuNanoseconds(pid);
    const long switches0 = contextSwitches(pid);
    QThread::sleep(static_cast<unsigned long>(idleSeconds));
    const qint64 cpu1 = cpuNanoseconds(pid);
    const long switches1 = contextSwitches(pid);
    const double cpuPercent = static_cast<double>(cpu1 - cpu0) / 1e9 / idleSeconds * 100.0;
    row(QStringLiteral("idle CPU (%)"), QString::number(cpuPercent, 'f', 4),
        QStringLiteral("< 0.01"),
        QStringLiteral("schedstat over %1 s, 100 reminders none due").arg(idleSeconds));
    row(QStringLiteral("idle wake-ups per minute"),
        QString::number(static_cast<double>(switches1 - switches0) * 60.0 / idleSeconds, 'f', 1),
        QStringLiteral("<= 7"), QStringLiteral("context switches, all threads"));
    const QStringList threads = threadNames(pid);
    const bool audio = threads.join(u' ').contains(QStringLiteral("threaded-ml")) ||
                       threads.join(u' ').contains(QStringLiteral("pulse"));
    row(QStringLiteral("audio stack started while idle"),
        audio ? QStringLiteral("yes") : QStringLiteral("no"), QStringLiteral("no"),
        QStringLiteral("threads: ") + threads.join(u','));

    QProcess second;
    second.setProcessEnvironment(home.environment());
    second.start(pendrel, {});
    second.waitForFinished(10000);
    QThread::sleep(2);
    row(QStringLiteral("RSS, manager open on 100 reminders (MiB)"),
        QString::number(static_cast<double>(statusValue(pid, "VmRSS:")) / 1024, 'f', 1), QString(),
        QStringLiteral("after a second launch opened it"));
    running.terminate();
    running.waitForFinished(5000);

    QProcess popups;
    popups.setProcessEnvironment(home.environment());
    popups.start(args.at(3), {});
    popups.waitForFinished(60000);
    const QList<QByteArray> numbers = popups.readAllStandardOutput().trimmed().split(' ');
    if (numbers.size() == 4) {
        row(QStringLiteral("RSS growth over 100 more pop-ups (KiB)"),
            QString::number(numbers[1].toLong() - numbers[0].toLong()), QStringLiteral("~0"),
            QStringLiteral("in-process, after 100 to warm up, looping chimes"));
        row(QStringLiteral("windows / pop-ups left after them"),
            QString::fromLatin1(numbers[2] + " / " + numbers[3]), QStringLiteral("0 / 0"),
            QStringLiteral("QApplication::topLevelWidgets, openPanels"));
    }
    return 0;
}
