// Median time to save (encode + durable atomic write) and to load the
// reminders file, for lists of several sizes; then how long a sync tool's
// conflict copy of such a list takes to be merged in, and the longest the
// event loop (the window's) stood still meanwhile.
#include "bench_common.h"
#include "model/reminder_json.h"
#include "store/atomic_file.h"
#include "store/store.h"
#include "store/user_defaults.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTextStream>
#include <QTimer>

#include <algorithm>
#include <utility>

namespace {

QList<Reminder> makeList(int count)
{
    QList<Reminder> list;
    for (int i = 0; i < count; ++i) {
        list.append(Reminder{.title = QStringLiteral("Reminder number %1").arg(i),
                             .note = QStringLiteral("A message of ordinary length for the pop-up."),
                             .hour = i % 24,
                             .minute = i % 60,
                             .url = QStringLiteral("example.com/page/%1").arg(i)});
    }
    return list;
}

// From the copy's arrival to its removal, and the longest gap between two
// turns of the event loop, in milliseconds.
// `fileIsTheirs`: the sync tool kept the other computer's version as the file
// and made this one's the copy, as on the computer whose write was older.
std::pair<double, double> mergeCopy(const QString& folder, UserDefaults& defaults, int count,
                                    bool fileIsTheirs)
{
    const QList<Reminder> list = makeList(count);
    AtomicFile::makeFolder(folder);
    AtomicFile::write(folder + QStringLiteral("/reminders.json"), ReminderJson::encodeList(list));
    Store store(folder, defaults);
    // The other computer changed every other note and added ten.
    QList<Reminder> theirs = list;
    for (qsizetype i = 0; i < theirs.size(); i += 2)
        theirs[i].note = QStringLiteral("Changed on the other computer.");
    theirs.append(makeList(10));
    const QString copy =
        folder + QStringLiteral("/reminders.sync-conflict-20261208-183547-6RBGFW5.json");
    QEventLoop loop;
    QTimer::singleShot(200, &loop, &QEventLoop::quit); // the watch is set up
    loop.exec();

    QElapsedTimer total;
    QElapsedTimer sinceTurn;
    double longest = 0;
    QTimer turn;
    turn.setInterval(1);
    QObject::connect(&turn, &QTimer::timeout, &loop, [&] {
        longest = std::max(longest, double(sinceTurn.nsecsElapsed()) / 1e6);
        sinceTurn.start();
        if (!QFileInfo::exists(copy) || total.hasExpired(60'000))
            loop.quit();
    });
    if (fileIsTheirs) {
        QFile::rename(folder + QStringLiteral("/reminders.json"), copy);
        AtomicFile::write(folder + QStringLiteral("/reminders.json"),
                          ReminderJson::encodeList(theirs));
    } else {
        AtomicFile::write(copy, ReminderJson::encodeList(theirs));
    }
    total.start();
    sinceTurn.start();
    turn.start();
    loop.exec();
    return {double(total.nsecsElapsed()) / 1e6, longest};
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    UserDefaults defaults(dir.filePath(QStringLiteral("Pendrel.conf")));
    QTextStream out(stdout);
    out << "reminders  save_ms  load_ms encode_ms  write_ms  decode_ms  file_bytes\n";
    for (int count : {10, 100, 1000, 10000}) {
        const QString folder = dir.filePath(QStringLiteral("n%1").arg(count));
        const QList<Reminder> list = makeList(count);
        AtomicFile::makeFolder(folder);
        AtomicFile::write(folder + QStringLiteral("/reminders.json"),
                          ReminderJson::encodeList(list));
        Store store(folder, defaults);
        const int runs = count >= 10000 ? 9 : 31;
        // One field of one reminder: the whole file is written again.
        int saves = 0;
        const double save = medianMs(runs, [&] {
            Reminder changed = store.reminders().first();
            changed.note = QString::number(++saves);
            store.setReminder(0, changed);
        });
        const double load = medianMs(runs, [&] { Store loaded(folder, defaults); });
        QByteArray bytes;
        const double encode = medianMs(runs, [&] { bytes = ReminderJson::encodeList(list); });
        const QString scratch = folder + QStringLiteral("/scratch.json");
        const double write = medianMs(runs, [&] { AtomicFile::write(scratch, bytes); });
        const double decode = medianMs(runs, [&] { ReminderJson::decodeList(bytes); });
        out << qSetFieldWidth(9) << count << qSetFieldWidth(9) << QString::number(save, 'f', 3)
            << QString::number(load, 'f', 3) << qSetFieldWidth(10)
            << QString::number(encode, 'f', 3) << QString::number(write, 'f', 3)
            << QString::number(decode, 'f', 3) << qSetFieldWidth(12)
            << QFileInfo(store.filePath()).size() << qSetFieldWidth(0) << "\n";
    }
    out << "\nconflict copy of  merged_ms  longest_stall_ms  (the copy theirs | the file theirs)\n";
    for (int count : {100, 1000, 10000}) {
        out << qSetFieldWidth(17) << count;
        for (bool fileIsTheirs : {false, true}) {
            const auto [merged, stall] =
                mergeCopy(dir.filePath(QStringLiteral("copy%1-%2").arg(count).arg(fileIsTheirs)),
                          defaults, count, fileIsTheirs);
            out << qSetFieldWidth(11) << QString::number(merged, 'f', 1) << qSetFieldWidth(18)
                << QString::number(stall, 'f', 1);
        }
        out << qSetFieldWidth(0) << "\n";
    }
    return 0;
}
