// Plays chimes for real, through the audio plugin, to a PulseAudio daemon
// with a null sink, and records what reaches the sink's monitor.
#include "common/samples.h"
#include "model/reminder.h"
#include "sound/chime_synth.h"
#include "sound/plugin_chime_output.h"

#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

#include <cmath>

namespace {

bool run(const QString& program, const QStringList& arguments)
{
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(program, arguments);
    return process.waitForFinished(15000) && process.exitStatus() == QProcess::NormalExit &&
           process.exitCode() == 0;
}

// Records the null sink's monitor, as mono at the chimes' rate, while
// `during` runs and for `milliseconds` after.
QList<float> record(const QString& file, int milliseconds, const std::function<void()>& during)
{
    QProcess recorder;
    recorder.start(QStringLiteral("parecord"),
                   {QStringLiteral("--device=ci_null.monitor"), QStringLiteral("--raw"),
                    QStringLiteral("--format=s16le"), QStringLiteral("--channels=1"),
                    QStringLiteral("--rate=%1").arg(ChimeSynth::sampleRate),
                    QStringLiteral("--latency-msec=50"), file});
    if (!recorder.waitForStarted(5000))
        return {};
    // Wait until the stream delivers data, so nothing played is missed.
    QElapsedTimer connecting;
    connecting.start();
    while (QFileInfo(file).size() == 0 && connecting.elapsed() < 10000)
        QTest::qWait(20);
    during();
    QTest::qWait(milliseconds);
    recorder.terminate();
    recorder.waitForFinished(5000);
    QFile raw(file);
    if (!raw.open(QIODevice::ReadOnly))
        return {};
    const QByteArray bytes = raw.readAll();
    QList<float> samples(bytes.size() / 2);
    for (qsizetype i = 0; i < samples.size(); ++i) {
        const auto value = static_cast<qint16>(static_cast<quint8>(bytes[2 * i]) |
                                               (static_cast<quint8>(bytes[2 * i + 1]) << 8));
        samples[i] = static_cast<float>(value) / 32768.0f;
    }
    return samples;
}

// Where the sound is: first and last sample above a few steps of 16 bits.
struct Span {
    qsizetype first = -1;
    qsizetype last = -1;
    double seconds() const
    {
        return static_cast<double>(last - first + 1) / ChimeSynth::sampleRate;
    }
};

Span audible(const QList<float>& samples)
{
    constexpr float floor = 3.0f / 32768.0f;
    Span span;
    for (qsizetype i = 0; i < samples.size(); ++i) {
        if (std::abs(samples[i]) > floor) {
            if (span.first < 0)
                span.first = i;
            span.last = i;
        }
    }
    return span;
}

// The loudest sample of the last five milliseconds before silence.
double endLoudness(const QList<float>& samples, const Span& span)
{
    float peak = 0;
    for (qsizetype i =
             std::max<qsizetype>(span.first, span.last - ChimeSynth::sampleRate / 200 + 1);
         i <= span.last; ++i)
        peak = std::max(peak, std::abs(samples[i]));
    return peak;
}

float peak(const QList<float>& samples)
{
    float loudest = 0;
    for (float s : samples)
        loudest = std::max(loudest, std::abs(s));
    return loudest;
}

} // namespace

class TestChimeAudio : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void cleanupTestCase();
    void chimeIsHeardWhole_data();
    void chimeIsHeardWhole();
    void chimesTogetherStayBelowFullScale_data();
    void chimesTogetherStayBelowFullScale();
    void dismissedLoopReallyStops();
    void serverGoingAwayIsSafe();

private:
    QTemporaryDir m_dir;
    PluginChimeOutput m_output{{QStringLiteral(AUDIO_PLUGIN_DIR)}};
};

void TestChimeAudio::initTestCase()
{
    for (const char* tool : {"pulseaudio", "pactl", "parecord"}) {
        if (QStandardPaths::findExecutable(QString::fromLatin1(tool)).isEmpty())
            QFAIL(qPrintable(
                QStringLiteral("%1 is missing: run scripts/setup").arg(QLatin1String(tool))));
    }
    QVERIFY(run(QStringLiteral("pulseaudio"),
                {QStringLiteral("-D"), QStringLiteral("--exit-idle-time=-1"),
                 QStringLiteral("--system=false"), QStringLiteral("--disallow-exit"),
                 QStringLiteral("-n"), QStringLiteral("--load=module-native-protocol-unix"),
                 // Without rewinds the monitor records a new stream from its first sample.
                 QStringLiteral("--load=module-null-sink sink_name=ci_null norewinds=1"),
                 QStringLiteral("--log-target=stderr")}));
    QTRY_VERIFY_WITH_TIMEOUT(run(QStringLiteral("pactl"), {QStringLiteral("info")}), 10000);
    QVERIFY(run(QStringLiteral("pactl"),
                {QStringLiteral("set-default-sink"), QStringLiteral("ci_null")}));
}

void TestChimeAudio::cleanupTestCase()
{
    run(QStringLiteral("pulseaudio"), {QStringLiteral("--kill")});
}

void TestChimeAudio::chimeIsHeardWhole_data()
{
    QTest::addColumn<QString>("name");
    for (const QString& name : systemSounds())
        QTest::newRow(qPrintable(name)) << name;
}

void TestChimeAudio::chimeIsHeardWhole()
{
    QFETCH(QString, name);
    const QList<float> rendered = ChimeSynth::render(name);
    const Span made = audible(rendered);
    auto player = m_output.player(name);
    QVERIFY(player);
    const QList<float> heard =
        record(m_dir.filePath(name + QStringLiteral(".raw")),
               static_cast<int>(made.seconds() * 1000) + 1500, [&] { player->play(false); });
    const Span span = audible(heard);
    QVERIFY2(span.first >= 0, "nothing heard");
    const double loudness = endLoudness(heard, span);
    qInfo("%s | %.3f s | %.3f s | %.2f %%", qPrintable(name), made.seconds(), span.seconds(),
          100 * loudness);
    QVERIFY(std::abs(span.seconds() - made.seconds()) <= 0.030);
    QVERIFY(loudness < 0.02); // faded out, not cut off
    // Alone, as loud as it was made.
    QVERIFY(std::abs(20 * std::log10(peak(heard) / peak(rendered))) < 0.5);
    QTRY_VERIFY_WITH_TIMEOUT(!player->isPlaying(), 3000); // a single chime ends by itself
}

void TestChimeAudio::chimesTogetherStayBelowFullScale_data()
{
    QTest::addColumn<QStringList>("names");
    for (const QString& name : {QStringLiteral("Glass"), QStringLiteral("Hero")})
        QTest::newRow(qPrintable(name + QStringLiteral(" twice"))) << QStringList{name, name};
    QTest::newRow("three") << QStringList{QStringLiteral("Sosumi"), QStringLiteral("Ping"),
                                          QStringLiteral("Funk")};
}

void TestChimeAudio::chimesTogetherStayBelowFullScale()
{
    QFETCH(QStringList, names);
    std::vector<std::unique_ptr<ChimePlayer>> players;
    for (const QString& name : names)
        players.push_back(m_output.player(name));
    const QList<float> heard = record(m_dir.filePath(QStringLiteral("together.raw")), 2500, [&] {
        for (auto& player : players)
            player->play(true);
    });
    float loudest = 0;
    for (const QString& name : names)
        loudest = std::max(loudest, peak(ChimeSynth::render(name)));
    const float mixed = peak(heard);
    qInfo("%.2f dBFS alone, %.2f dBFS together", 20 * std::log10(loudest), 20 * std::log10(mixed));
    QVERIFY(mixed > loudest * 0.9f); // all of them heard, not turned down to one
    QVERIFY(mixed < 0.95f);
    for (auto& player : players)
        player->stop();
}

void TestChimeAudio::dismissedLoopReallyStops()
{
    auto player = m_output.player(QStringLiteral("Morse"));
    const double looping =
        rms(record(m_dir.filePath(QStringLiteral("loop.raw")), 2500, [&] { player->play(true); }));
    QVERIFY2(looping > 0.01, qPrintable(QString::number(looping)));
    QVERIFY(player->isPlaying()); // still going after several repetitions
    player->stop();
    QVERIFY(!player->isPlaying());
    const double after = rms(record(m_dir.filePath(QStringLiteral("after.raw")), 1500, [] {}));
    QVERIFY2(after >= 0 && after < 0.001, qPrintable(QString::number(after)));
}

void TestChimeAudio::serverGoingAwayIsSafe()
{
    // The sink reports the loss from its own signal, and a failed start from
    // within start(): the player lets go of it there without deleting it.
    auto player = m_output.player(QStringLiteral("Morse"));
    player->play(true);
    QTest::qWait(300);
    QVERIFY(run(QStringLiteral("pulseaudio"), {QStringLiteral("--kill")}));
    QTRY_VERIFY_WITH_TIMEOUT(!player->isPlaying(), 10000);
    for (int i = 0; i < 3; ++i) {
        player->play(i % 2 == 0);
        QTest::qWait(100);
    }
    player.reset();
    QTest::qWait(100); // the sinks' deferred deletion runs
}

QTEST_GUILESS_MAIN(TestChimeAudio)
#include "tst_chime_audio.moc"
