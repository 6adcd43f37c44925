// How late pop-ups come after their minute: the real Scheduler and
// AlertController on real time and timers, offscreen. The clock is the real
// one shifted forward after each pop-up so that the next reminder's minute is
// two to three seconds away, at a varying phase against the ten-second tick;
// the wait is real, so lateness is measured as it happens.
//   bench_lateness [SAMPLES]
#include "alerts/alert_controller.h"
#include "model/clock.h"
#include "model/local_time.h"
#include "model/reminder_json.h"
#include "scheduler/scheduler.h"
#include "store/atomic_file.h"
#include "store/store.h"
#include "store/user_defaults.h"

#include <QApplication>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTextStream>
#include <QTimer>

#include <algorithm>

namespace {

class ShiftedClock : public Clock {
public:
    QDateTime now() const override { return QDateTime::currentDateTimeUtc().addMSecs(m_shift); }
    // Moves the clock so that `moment` is `msecs` ahead.
    void placeAhead(const QDateTime& moment, qint64 msecs)
    {
        m_shift = QDateTime::currentDateTimeUtc().msecsTo(moment) - msecs;
    }

private:
    qint64 m_shift = 0;
};

// Notes the moment each pop-up window is shown.
class ShowWatcher : public QObject {
public:
    std::function<void()> onShown;
    bool eventFilter(QObject* object, QEvent* event) override
    {
        if (event->type() == QEvent::Show && object->inherits("AlertPanel") && onShown)
            onShown();
        return false;
    }
};

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    const int samples = argc > 1 ? std::max(1, QByteArray(argv[1]).toInt()) : 20;
    QTemporaryDir dir;
    UserDefaults defaults(dir.filePath(QStringLiteral("Pendrel.conf")));
    ShiftedClock clock;

    // One silent reminder a minute, every day, starting two minutes from now.
    const QTimeZone zone = clock.zone();
    QDateTime first = clock.now().addSecs(120);
    first.setTime(QTime(first.time().hour(), first.time().minute()));
    std::vector<QDateTime> dues;
    QList<Reminder> list;
    for (int i = 0; i < samples; ++i) {
        dues.push_back(first.addSecs(60LL * i));
        const QTime local = LocalTime::wallClock(dues.back(), zone).time();
        list << Reminder{.title = QStringLiteral("Due %1").arg(i),
                         .hour = local.hour(),
                         .minute = local.minute(),
                         .days = {1, 2, 3, 4, 5, 6, 7},
                         .sound = noSound.toString()};
    }
    AtomicFile::write(dir.filePath(QStringLiteral("reminders.json")),
                      ReminderJson::encodeList(list));
    Store store(dir.path(), defaults, clock);

    AlertController& alerts = AlertController::shared();
    std::vector<double> lateness;
    size_t next = 0;
    const auto aimAtNext = [&] {
        if (next < dues.size())
            clock.placeAhead(dues[next], 2000 + QRandomGenerator::global()->bounded(1000));
    };
    ShowWatcher watcher;
    watcher.onShown = [&] {
        lateness.push_back(static_cast<double>(dues[next].msecsTo(clock.now())));
        ++next;
        aimAtNext(); // before the tick that showed it re-arms the timer
    };
    app.installEventFilter(&watcher);

    Scheduler scheduler([&]() -> Store& { return store; },
                        [&](const Reminder& r) {
                            alerts.show(r);
                            QTimer::singleShot(0, &alerts,
                                               [&alerts, id = r.id] { alerts.dismiss(id); });
                        },
                        clock);
    aimAtNext();
    scheduler.start();
    QTimer done;
    QObject::connect(&done, &QTimer::timeout, &app, [&] {
        if (next >= dues.size())
            app.quit();
    });
    done.start(100);
    QTimer::singleShot(samples * 10'000 + 30'000, &app, &QApplication::quit); // a safety net
    app.exec();

    std::sort(lateness.begin(), lateness.end());
    const double median = lateness.empty() ? -1 : lateness[lateness.size() / 2];
    const double worst = lateness.empty() ? -1 : lateness.back();
    QTextStream(stdout) << "pop-ups shown: " << lateness.size() << " of " << dues.size()
                        << "\nlateness, due minute to panel shown (ms): median " << median
                        << ", worst " << worst << "   (target: median <= 100, worst <= 500)\n";
    return lateness.size() == dues.size() ? 0 : 1;
}
