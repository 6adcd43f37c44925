// Measures the running program from outside: start-up time, resident memory
// with and without the manager window, and the cost of sitting idle, beside
// the same figures of a bare Qt tray program.
//   bench_app PENDREL BENCH_LAUNCH BENCH_POPUPS BENCH_FLOOR [IDLE_SECONDS]
#include "bench_common.h"
#include "bench_process.h"
#include "model/reminder_json.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTextStream>
#include <QThread>

#include <algorithm>

namespace {

QTextStream out(stdout);

// A home with 100 reminders, none due for hours, and a first launch behind it.
void prepare(const Home& home)
{
    QDir().mkpath(home.path(QStringLiteral("data/Pendrel")));
    QDir().mkpath(home.path(QStringLiteral("config/Pendrel")));
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

void row(const QString& what, const QString& value, const QString& target, const QString& how)
{
    out << qSetFieldWidth(44) << Qt::left << what << qSetFieldWidth(14) << value
        << qSetFieldWidth(12) << target << qSetFieldWidth(0) << how << Qt::endl;
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values.empty() ? 0 : values[values.size() / 2];
}

void compared(const QString& what, const QString& floor, const QString& pendrel,
              const QString& ratio)
{
    out << qSetFieldWidth(34) << Qt::left << what << qSetFieldWidth(14) << floor
        << qSetFieldWidth(12) << pendrel << qSetFieldWidth(0) << ratio << Qt::endl;
}

void compared(const QString& what, double floor, double pendrel, int decimals)
{
    compared(what, QString::number(floor, 'f', decimals), QString::number(pendrel, 'f', decimals),
             floor > 0 ? QString::number(pendrel / floor, 'f', 2) + u'x' : QStringLiteral("-"));
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() < 5)
        return 2;
    const QString pendrel = args.at(1);
    const int idleSeconds = std::max(1, args.size() > 5 ? args.at(5).toInt() : 60);
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
            p.start(pendrel, {QStringLiteral("--autostart"), QStringLiteral("--snapshot"),
                              home.path(QStringLiteral("x")), QStringLiteral("--snapshot-after"),
                              QStringLiteral("0")});
            p.waitForFinished(30000);
        });
        row(QStringLiteral("launch to quit, --snapshot-after 0 (ms)"),
            QString::number(msecs, 'f', 1), QString(),
            QStringLiteral("7 runs, whole process, tray only"));
    }

    // Side by side with the floor, in turns so neither slows the other's
    // start: a bare Qt tray program and Pendrel, each in a fresh home. The
    // last pair stays running for the idle measurement, together.
    constexpr int rounds = 5;
    std::vector<double> startFloor, startPendrel, rssFloor, rssPendrel;
    Home home;
    Home floorHome;
    QProcess running;
    QProcess floor;
    for (int i = 0; i < rounds; ++i) {
        Home roundHome;
        Home roundFloorHome;
        const bool last = i == rounds - 1;
        Home& h = last ? home : roundHome;
        Home& f = last ? floorHome : roundFloorHome;
        prepare(h);
        QDir().mkpath(f.path(QStringLiteral("runtime")));
        QFile::setPermissions(f.path(QStringLiteral("runtime")),
                              QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QProcess p;
        QProcess b;
        QProcess& pendrelProcess = last ? running : p;
        QProcess& floorProcess = last ? floor : b;
        pendrelProcess.setProcessEnvironment(h.environment());
        floorProcess.setProcessEnvironment(f.environment());
        QElapsedTimer sinceStart;
        sinceStart.start();
        startFloor.push_back(startupToIdleMs(floorProcess, args.at(4)));
        startPendrel.push_back(
            startupToIdleMs(pendrelProcess, pendrel, {QStringLiteral("--autostart")}));
        QThread::msleep(
            static_cast<unsigned long>(std::max<qint64>(0, 10'000 - sinceStart.elapsed())));
        rssFloor.push_back(static_cast<double>(statusValue(floorProcess.processId(), "VmRSS:")) /
                           1024);
        rssPendrel.push_back(
            static_cast<double>(statusValue(pendrelProcess.processId(), "VmRSS:")) / 1024);
        if (!last) {
            p.terminate();
            b.terminate();
            p.waitForFinished(5000);
            b.waitForFinished(5000);
        }
    }
    for (const auto* figures : {&startFloor, &startPendrel, &rssFloor, &rssPendrel}) {
        if (std::any_of(figures->begin(), figures->end(), [](double v) { return v < 0; })) {
            qCritical("a measured program ended early");
            return 1;
        }
    }
    const qint64 pid = running.processId();
    const qint64 floorPid = floor.processId();
    const qint64 cpu0 = cpuNanoseconds(pid);
    const qint64 floorCpu0 = cpuNanoseconds(floorPid);
    const long switches0 = contextSwitches(pid);
    const long floorSwitches0 = contextSwitches(floorPid);
    QThread::sleep(static_cast<unsigned long>(idleSeconds));
    const double perMinute = 60.0 / idleSeconds;
    const double cpu = static_cast<double>(cpuNanoseconds(pid) - cpu0) / 1e9 * perMinute;
    const double floorCpu =
        static_cast<double>(cpuNanoseconds(floorPid) - floorCpu0) / 1e9 * perMinute;
    const double wakeups = static_cast<double>(contextSwitches(pid) - switches0) * perMinute;
    const double floorWakeups =
        static_cast<double>(contextSwitches(floorPid) - floorSwitches0) * perMinute;
    floor.terminate();
    floor.waitForFinished(5000);

    out << Qt::endl
        << QStringLiteral("Beside a bare Qt tray program (%1 runs, medians; idle over %2 s)")
               .arg(rounds)
               .arg(idleSeconds)
        << Qt::endl;
    compared(QStringLiteral("measure"), QStringLiteral("bare Qt tray"), QStringLiteral("Pendrel"),
             QStringLiteral("ratio"));
    compared(QStringLiteral("start-up to idle (s)"), median(startFloor) / 1000,
             median(startPendrel) / 1000, 3);
    const double rssRatio = median(rssPendrel) / median(rssFloor);
    compared(QStringLiteral("resident memory at 10 s (MiB)"),
             QString::number(median(rssFloor), 'f', 1), QString::number(median(rssPendrel), 'f', 1),
             QString::number(rssRatio, 'f', 3) + QStringLiteral("x   (target <= 1.1x)"));
    compared(QStringLiteral("idle wake-ups per minute"), floorWakeups, wakeups, 1);
    compared(QStringLiteral("idle CPU per minute (s)"), floorCpu, cpu, 4);
    out << Qt::endl;

    row(QStringLiteral("RSS, tray only (MiB)"), QString::number(median(rssPendrel), 'f', 1),
        QStringLiteral("< 40"), QStringLiteral("/proc VmRSS 10 s after start"));
    row(QStringLiteral("idle CPU (%)"), QString::number(cpu / 60 * 100, 'f', 4),
        QStringLiteral("< 0.01"),
        QStringLiteral("schedstat over %1 s, 100 reminders none due").arg(idleSeconds));
    row(QStringLiteral("idle wake-ups per minute"), QString::number(wakeups, 'f', 1),
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
