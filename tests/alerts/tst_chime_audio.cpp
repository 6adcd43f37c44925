// Plays chimes for real through a PulseAudio daemon with a null sink and
// records what reaches the sink's monitor.
#include "alerts/audio_chime_output.h"

#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

namespace {

bool run(const QString& program, const QStringList& arguments, QString* output = nullptr)
{
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(program, arguments);
    if (!process.waitForFinished(15000))
        return false;
    if (output)
        *output = QString::fromLocal8Bit(process.readAll());
    return process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
}

// Records the null sink's monitor while `during` runs, then returns the
// recording's RMS amplitude as sox measures it (0 = silence, 1 = full scale).
double recordedLevel(const QString& file, int milliseconds, const std::function<void()>& during)
{
    QProcess recorder;
    recorder.start(QStringLiteral("parecord"),
                   {QStringLiteral("--device=ci_null.monitor"), QStringLiteral("--file-format=wav"),
                    QStringLiteral("--latency-msec=50"), file});
    if (!recorder.waitForStarted(5000))
        return -1;
    // Wait until the stream delivers data, so nothing played is missed.
    QElapsedTimer connecting;
    connecting.start();
    while (QFileInfo(file).size() <= 44 && connecting.elapsed() < 10000)
        QTest::qWait(50);
    during();
    QTest::qWait(milliseconds);
    recorder.terminate();
    recorder.waitForFinished(5000);
    QString stats;
    run(QStringLiteral("sox"), {file, QStringLiteral("-n"), QStringLiteral("stats")}, &stats);
    const QRegularExpression rmsLine(QStringLiteral("RMS lev dB\\s+(-?[0-9.]+|-inf)"));
    const auto match = rmsLine.match(stats);
    if (!match.hasMatch())
        qWarning().noquote() << "sox:" << stats;
    if (!match.hasMatch())
        return -1;
    if (match.captured(1) == QStringLiteral("-inf"))
        return 0;
    return std::pow(10.0, match.captured(1).toDouble() / 20.0);
}

} // namespace

class TestChimeAudio : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void cleanupTestCase();
    void chimeReachesTheSink();
    void dismissedLoopReallyStops();

private:
    QTemporaryDir m_dir;
    AudioChimeOutput m_output;
};

void TestChimeAudio::initTestCase()
{
    for (const char* tool : {"pulseaudio", "pactl", "parecord", "sox"}) {
        if (QStandardPaths::findExecutable(QString::fromLatin1(tool)).isEmpty())
            QFAIL(qPrintable(
                QStringLiteral("%1 is missing: run scripts/setup").arg(QLatin1String(tool))));
    }
    QVERIFY(run(QStringLiteral("pulseaudio"),
                {QStringLiteral("-D"), QStringLiteral("--exit-idle-time=-1"),
                 QStringLiteral("--system=false"), QStringLiteral("--disallow-exit"),
                 QStringLiteral("-n"), QStringLiteral("--load=module-native-protocol-unix"),
                 QStringLiteral("--load=module-null-sink sink_name=ci_null"),
                 QStringLiteral("--log-target=stderr")}));
    QTRY_VERIFY_WITH_TIMEOUT(run(QStringLiteral("pactl"), {QStringLiteral("info")}), 10000);
    QVERIFY(run(QStringLiteral("pactl"),
                {QStringLiteral("set-default-sink"), QStringLiteral("ci_null")}));
}

void TestChimeAudio::cleanupTestCase()
{
    run(QStringLiteral("pulseaudio"), {QStringLiteral("--kill")});
}

void TestChimeAudio::chimeReachesTheSink()
{
    auto player = m_output.player(QStringLiteral("Submarine"));
    const double level = recordedLevel(m_dir.filePath(QStringLiteral("once.wav")), 1500,
                                       [&] { player->play(false); });
    QVERIFY2(level > 0.01, qPrintable(QString::number(level)));
    QTRY_VERIFY_WITH_TIMEOUT(!player->isPlaying(), 3000); // a single chime ends by itself
}

void TestChimeAudio::dismissedLoopReallyStops()
{
    auto player = m_output.player(QStringLiteral("Morse"));
    const double looping = recordedLevel(m_dir.filePath(QStringLiteral("loop.wav")), 2500,
                                         [&] { player->play(true); });
    QVERIFY2(looping > 0.01, qPrintable(QString::number(looping)));
    QVERIFY(player->isPlaying()); // still going after several repetitions
    player->stop();
    QVERIFY(!player->isPlaying());
    const double after = recordedLevel(m_dir.filePath(QStringLiteral("after.wav")), 1500, [] {});
    QVERIFY2(after >= 0 && after < 0.001, qPrintable(QString::number(after)));
}

QTEST_GUILESS_MAIN(TestChimeAudio)
#include "tst_chime_audio.moc"
