// Median time of one Scheduler tick over lists of several sizes, none due.
#include "bench_common.h"
#include "model/reminder_json.h"
#include "scheduler/scheduler.h"
#include "store/atomic_file.h"
#include "store/store.h"
#include "store/user_defaults.h"

#include <QCoreApplication>
#include <QTemporaryDir>
#include <QTextStream>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    UserDefaults defaults(dir.filePath(QStringLiteral("Pendrel.conf")));
    QTextStream out(stdout);
    out << "reminders  tick_ms\n";
    for (int count : {10, 1000, 100000}) {
        const QString folder = dir.filePath(QStringLiteral("n%1").arg(count));
        // Every day, twelve hours away: each reminder goes through the whole
        // decision (weekday, day key, due moment) and is not due.
        const QTime now = QTime::currentTime();
        const int hour = (now.hour() + 12) % 24;
        QList<Reminder> list;
        for (int i = 0; i < count; ++i)
            list.append(Reminder{.hour = hour, .minute = i % 60, .days = {1, 2, 3, 4, 5, 6, 7}});
        AtomicFile::makeFolder(folder);
        AtomicFile::write(folder + QStringLiteral("/reminders.json"),
                          ReminderJson::encodeList(list));
        Store store(folder, defaults);
        Scheduler scheduler([&store]() -> Store& { return store; }, {});
        const int runs = count >= 100000 ? 11 : 101;
        const double tick = medianMs(runs, [&] { scheduler.tick(); });
        out << qSetFieldWidth(9) << count << qSetFieldWidth(9) << QString::number(tick, 'f', 4)
            << qSetFieldWidth(0) << "\n";
    }
    return 0;
}
