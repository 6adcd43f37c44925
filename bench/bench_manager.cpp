// The manager window with long reminder lists.
//   bench_manager PENDREL   opens the real program's manager on 10, 1,000 and
//                           10,000 reminders: wall time and peak memory
//   bench_manager --browse N  in-process: opening, selecting and scrolling
//                           a list of N reminders, per step
#include "alerts/alert_controller.h"
#include "common/private_home.h"
#include "desktop/login_switch.h"
#include "desktop/url_opener.h"
#include "model/reminder_json.h"
#include "sound/chime_output.h"
#include "store/store.h"
#include "store/user_defaults.h"
#include "ui/manager_view.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QKeyEvent>
#include <QListView>
#include <QProcessEnvironment>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTextStream>

#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>

#include <algorithm>
#include <vector>

extern char** environ;

namespace {

QTextStream out(stdout);

// N reminders, none due for hours, a third with a website, some silent.
QByteArray reminders(int count)
{
    const int hour = (QTime::currentTime().hour() + 12) % 24;
    QList<Reminder> list;
    list.reserve(count);
    for (int i = 0; i < count; ++i)
        list.append(Reminder{.title = QStringLiteral("Reminder number %1").arg(i),
                             .hour = hour,
                             .minute = i % 60,
                             .days = {2, 4, 6},
                             .sound = i % 5 ? QStringLiteral("Glass") : QStringLiteral("None"),
                             .url = i % 3 ? QString() : QStringLiteral("example.com/%1").arg(i)});
    return ReminderJson::encodeList(list);
}

void writeFile(const QString& path, const QByteArray& bytes)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.write(bytes);
}

struct Run {
    double msecs = 0;
    long peakKiB = 0;
};

// One launch of pendrel that opens the manager, renders it and quits.
Run launch(const QString& pendrel, const PrivateHome& home)
{
    QProcessEnvironment env = home.environment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    std::vector<QByteArray> envBytes;
    for (const QString& entry : env.toStringList())
        envBytes.push_back(entry.toLocal8Bit());
    std::vector<char*> envp;
    for (QByteArray& entry : envBytes)
        envp.push_back(entry.data());
    envp.push_back(nullptr);
    QByteArray program = pendrel.toLocal8Bit();
    QByteArray demo("--demo"), snapshot("--snapshot"), after("--snapshot-after"), zero("0");
    QByteArray folder = home.path(QStringLiteral("out")).toLocal8Bit();
    char* argv[] = {program.data(), demo.data(), snapshot.data(), folder.data(),
                    after.data(),   zero.data(), nullptr};

    QElapsedTimer timer;
    timer.start();
    pid_t pid = 0;
    if (posix_spawn(&pid, program.constData(), nullptr, nullptr, argv, envp.data()) != 0)
        return {};
    int status = 0;
    rusage usage{};
    // The child's own peak, unlike RUSAGE_CHILDREN; a failed run is no figure.
    if (wait4(pid, &status, 0, &usage) != pid || !WIFEXITED(status) || WEXITSTATUS(status) != 0)
        return {};
    return {static_cast<double>(timer.nsecsElapsed()) / 1e6, usage.ru_maxrss};
}

int compareSizes(const QString& pendrel)
{
    const int runs = 5;
    out << "reminders   launch to snapshot (ms)   peak RSS (MiB)   vs 10: ms / MiB" << Qt::endl;
    double baseMs = 0;
    double baseMiB = 0;
    for (int count : {10, 1000, 10000}) {
        PrivateHome home;
        writeFile(home.path(QStringLiteral("data/Pendrel/reminders.json")), reminders(count));
        writeFile(home.path(QStringLiteral("config/Pendrel/Pendrel.conf")),
                  "[General]\nhasLaunched=true\nloginOptOut=true\n");
        QDir().mkpath(home.path(QStringLiteral("out")));
        std::vector<Run> all;
        for (int i = 0; i < runs; ++i) {
            all.push_back(launch(pendrel, home));
            if (all.back().peakKiB <= 0) {
                qCritical("pendrel failed with %d reminders", count);
                return 1;
            }
        }
        std::sort(all.begin(), all.end(),
                  [](const Run& a, const Run& b) { return a.msecs < b.msecs; });
        const double ms = all[runs / 2].msecs;
        std::sort(all.begin(), all.end(),
                  [](const Run& a, const Run& b) { return a.peakKiB < b.peakKiB; });
        const double mib = static_cast<double>(all[runs / 2].peakKiB) / 1024;
        if (count == 10) {
            baseMs = ms;
            baseMiB = mib;
        }
        out << qSetFieldWidth(12) << Qt::left << count << qSetFieldWidth(26)
            << QString::number(ms, 'f', 1) << qSetFieldWidth(17) << QString::number(mib, 'f', 1)
            << qSetFieldWidth(0)
            << QStringLiteral("+%1 / +%2").arg(ms - baseMs, 0, 'f', 1).arg(mib - baseMiB, 0, 'f', 1)
            << Qt::endl;
    }
    out << "(median of " << runs << " launches; pendrel --demo --snapshot DIR --snapshot-after 0)"
        << Qt::endl;
    return 0;
}

class NoLogin : public LoginSwitch {
public:
    bool isEnabled() const override { return false; }
    void set(bool) override {}
};

struct Steps {
    std::vector<double> msecs;
    void add(const QElapsedTimer& timer)
    {
        msecs.push_back(static_cast<double>(timer.nsecsElapsed()) / 1e6);
    }
    QString summary()
    {
        std::sort(msecs.begin(), msecs.end());
        return QStringLiteral("median %1 ms, worst %2 ms over %3")
            .arg(msecs[msecs.size() / 2], 0, 'f', 2)
            .arg(msecs.back(), 0, 'f', 2)
            .arg(msecs.size());
    }
};

int browse(int count)
{
    QTemporaryDir dir;
    writeFile(dir.filePath(QStringLiteral("reminders.json")), reminders(count));
    UserDefaults defaults(dir.filePath(QStringLiteral("Pendrel.conf")));
    Store store(dir.path(), defaults);
    NoLogin login;
    AlertController alerts(ChimeOutput::standard(), UrlOpener::standard());

    QElapsedTimer timer;
    timer.start();
    ManagerView view(
        store, login, [&alerts](const Reminder& r) { alerts.show(r); }, ChimeOutput::standard());
    view.resize(820, 700);
    view.show();
    QApplication::processEvents();
    view.repaint();
    out << "open the manager on " << count << " reminders: "
        << QString::number(static_cast<double>(timer.nsecsElapsed()) / 1e6, 'f', 1) << " ms"
        << Qt::endl;

    // Each step is one user action and the repaint that shows it.
    QListView* list = view.findChild<QListView*>(QStringLiteral("reminders"));
    list->setFocus();
    auto press = [&](Qt::Key key) {
        QKeyEvent down(QEvent::KeyPress, key, Qt::NoModifier);
        QApplication::sendEvent(list, &down);
        QApplication::processEvents();
        view.repaint();
    };
    Steps select;
    for (int i = 0; i < 300; ++i) {
        timer.start();
        press(Qt::Key_Down);
        select.add(timer);
    }
    out << "select the next row (Down): " << select.summary() << Qt::endl;
    Steps jump;
    for (Qt::Key key : {Qt::Key_End, Qt::Key_Home, Qt::Key_End, Qt::Key_Home, Qt::Key_End}) {
        timer.start();
        press(key);
        jump.add(timer);
    }
    out << "jump to the end or start (End/Home): " << jump.summary() << Qt::endl;
    Steps scroll;
    QScrollBar* bar = list->verticalScrollBar();
    for (int value = 0; value <= bar->maximum(); value += bar->pageStep()) {
        timer.start();
        bar->setValue(value);
        list->viewport()->repaint();
        scroll.add(timer);
    }
    out << "scroll one page: " << scroll.summary() << Qt::endl;
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc == 3 && qstrcmp(argv[1], "--browse") == 0) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        QApplication app(argc, argv);
        return browse(QByteArray(argv[2]).toInt());
    }
    if (argc != 2)
        return 2;
    QCoreApplication app(argc, argv);
    return compareSizes(QString::fromLocal8Bit(argv[1]));
}
