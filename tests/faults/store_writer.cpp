// A helper for the fault tests, built on the real Store.
//   store_writer FOLDER series      saves faultReminder(0), faultReminder(1), ... until killed
//   store_writer FOLDER edit N      loads, makes N changes, prints what it kept
#include "fault_lists.h"
#include "store/store.h"
#include "store/user_defaults.h"

#include <QCoreApplication>
#include <QDir>
#include <QTextStream>

#include <csignal>

int main(int argc, char** argv)
{
    // As pendrel does: a file size limit makes writes fail, not the process die.
    std::signal(SIGXFSZ, SIG_IGN);
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() < 3)
        return 2;
    const QString folder = args.at(1);
    UserDefaults defaults(QDir::temp().filePath(QStringLiteral("store_writer.conf")));
    Store store(folder, defaults);
    QTextStream out(stdout);

    if (args.at(2) == u"series") {
        // Ready once a first list is on disk, so a kill always has one to keep.
        store.setReminder(0, faultReminder(0));
        store.finishWrites(5000);
        out << "ready" << Qt::endl;
        for (uint n = 1;; ++n) {
            store.setReminder(0, faultReminder(n));
            store.finishWrites(5000);
        }
    }
    if (args.at(2) == u"edit" && args.size() > 3) {
        const int changes = args.at(3).toInt();
        const qsizetype before = store.reminders().size();
        int saved = 0;
        for (int i = 0; i < changes; ++i) {
            store.add();
            store.finishWrites(5000);
            saved += store.lastSaveSucceeded();
        }
        out << "loaded=" << before << " kept=" << store.reminders().size() << " saved=" << saved
            << Qt::endl;
        return 0;
    }
    return 2;
}
