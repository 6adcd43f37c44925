// Median time to save (encode + durable atomic write) and to load the
// reminders file, for lists of several sizes.
#include "bench_common.h"
#include "model/reminder_json.h"
#include "store/atomic_file.h"
#include "store/store.h"
#include "store/user_defaults.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTextStream>

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
    return 0;
}
