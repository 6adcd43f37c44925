// Typing into the manager while saves happen: 20 letters into Name at 40 ms
// intervals, as a person types. Prints when the last letter was on screen and
// in the file, counted from the first key, and the longest the event loop was
// held up. Run it with slow_sync preloaded to stand in for a slow disk.
#include "alerts/alert_controller.h"
#include "desktop/login_switch.h"
#include "desktop/url_opener.h"
#include "model/reminder_json.h"
#include "sound/chime_output.h"
#include "store/store.h"
#include "store/user_defaults.h"
#include "ui/editor_view.h"
#include "ui/manager_view.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTextStream>
#include <QTimer>

#include <algorithm>

namespace {

class NoLogin : public LoginSwitch {
public:
    bool isEnabled() const override { return false; }
    void set(bool) override {}
};

constexpr int keys = 20;
constexpr int intervalMsecs = 40;

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTemporaryDir dir(QDir::currentPath() + QStringLiteral("/typing-XXXXXX"));
    UserDefaults defaults(dir.filePath(QStringLiteral("Pendrel.conf")));
    Store store(dir.path(), defaults);
    NoLogin login;
    ManagerView view(store, login, {}, ChimeOutput::standard());
    view.resize(820, 700);
    view.show();
    QLineEdit* name = view.findChild<QLineEdit*>(QStringLiteral("name"));
    name->setFocus();
    name->clear();
    const QString typed = QStringLiteral("abcdefghijklmnopqrst");

    // The event loop's pulse: the longest gap between two turns of a 2 ms timer.
    QElapsedTimer pulse;
    qint64 longestGap = 0;
    QTimer heartbeat;
    heartbeat.setTimerType(Qt::PreciseTimer);
    QObject::connect(&heartbeat, &QTimer::timeout,
                     [&] { longestGap = std::max(longestGap, pulse.restart()); });

    QElapsedTimer clock;
    qint64 onScreen = -1;
    qint64 inFile = -1;
    int sent = 0;
    QTimer typist;
    typist.setTimerType(Qt::PreciseTimer);
    QObject::connect(&typist, &QTimer::timeout, [&] {
        if (sent == 0)
            clock.start();
        const QChar letter = typed.at(sent++);
        QKeyEvent press(QEvent::KeyPress, Qt::Key_A + (letter.unicode() - u'a'), Qt::NoModifier,
                        QString(letter));
        QApplication::sendEvent(name, &press);
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_A + (letter.unicode() - u'a'), Qt::NoModifier,
                          QString(letter));
        QApplication::sendEvent(name, &release);
        if (sent == keys) {
            typist.stop();
            if (name->text() == typed)
                onScreen = clock.elapsed();
        }
    });
    const QByteArray expected = "\"title\": \"" + typed.toUtf8() + '"';
    QTimer reader;
    QObject::connect(&reader, &QTimer::timeout, [&] {
        QFile file(store.filePath());
        if (sent == keys && file.open(QIODevice::ReadOnly) && file.readAll().contains(expected)) {
            inFile = clock.elapsed();
            app.quit();
        }
    });
    QTimer::singleShot(20'000, &app, &QApplication::quit);

    QTimer::singleShot(500, [&] { // after start-up has settled
        pulse.start();
        heartbeat.start(2);
        typist.start(intervalMsecs);
        reader.start(5);
    });
    app.exec();
    QTextStream(stdout) << qEnvironmentVariableIntValue("SLOW_SYNC_MS") << " ms | " << onScreen
                        << " ms | " << inFile << " ms | " << longestGap << " ms" << Qt::endl;
    return onScreen >= 0 && inFile >= 0 ? 0 : 1;
}
