#include "common/samples.h"
#include "model/reminder.h"
#include "sound/chime_synth.h"
#include "sound/plugin/pcm_source.h"
#include "sound/plugin_chime_output.h"

#include <QElapsedTimer>
#include <QLocalServer>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include <cmath>

namespace {

// How alike two sounds are: correlation of their coarse loudness envelopes
// and of their waveforms, whichever is higher.
double likeness(const QList<float>& a, const QList<float>& b)
{
    const qsizetype n = std::min(a.size(), b.size());
    double ab = 0, aa = 0, bb = 0;
    for (qsizetype i = 0; i < n; ++i) {
        ab += static_cast<double>(a[i]) * b[i];
        aa += static_cast<double>(a[i]) * a[i];
        bb += static_cast<double>(b[i]) * b[i];
    }
    return std::abs(ab) / std::sqrt(aa * bb + 1e-12);
}

// Crossings of zero per second: a rough measure of pitch and brightness.
double crossingRate(const QList<float>& samples)
{
    int crossings = 0;
    for (qsizetype i = 1; i < samples.size(); ++i)
        crossings += (samples[i - 1] < 0) != (samples[i] < 0);
    return crossings * double(ChimeSynth::sampleRate) / static_cast<double>(samples.size());
}

} // namespace

class TestChimes : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void everyNameRendersASound();
    void noTwoChimesAlike();
    void renderingIsRepeatable();
    void unknownNamesAreSilent();
    void sourcePlaysOnceOrLoops();
    void noAudioServerMeansSilenceNotDelay();
    void mutedAudioServerMeansSilenceNotDelay();
};

void TestChimes::everyNameRendersASound()
{
    for (const QString& name : systemSounds()) {
        const QList<float> samples = ChimeSynth::render(name);
        const double seconds = static_cast<double>(samples.size()) / ChimeSynth::sampleRate;
        QVERIFY2(seconds >= 0.1 && seconds <= 2.0, qPrintable(name));
        float peak = 0;
        for (float s : samples)
            peak = std::max(peak, std::abs(s));
        QVERIFY2(peak > 0.3f && peak <= 1.0f, qPrintable(name));
        QVERIFY2(rms(samples) > 0.02, qPrintable(name));
        QVERIFY2(std::abs(samples.last()) < 0.01f, qPrintable(name)); // ends without a click
        if (name != QStringLiteral("Basso")) // whose thud starts with one by design
            QVERIFY2(std::abs(samples.first()) < 0.01f, qPrintable(name));
        QCOMPARE(ChimeSynth::renderPcm16(name).size(), samples.size() * 2);
    }
}

void TestChimes::noTwoChimesAlike()
{
    const QStringList names = systemSounds();
    for (qsizetype i = 0; i < names.size(); ++i) {
        const QList<float> a = ChimeSynth::render(names[i]);
        for (qsizetype j = i + 1; j < names.size(); ++j) {
            const QList<float> b = ChimeSynth::render(names[j]);
            const bool differentShape = likeness(a, b) < 0.5;
            const bool differentPitch =
                std::abs(crossingRate(a) - crossingRate(b)) > 0.1 * crossingRate(a);
            QVERIFY2(differentShape && (differentPitch || a.size() != b.size()),
                     qPrintable(names[i] + QStringLiteral(" ~ ") + names[j]));
        }
    }
}

void TestChimes::renderingIsRepeatable()
{
    QCOMPARE(ChimeSynth::render(QStringLiteral("Blow")),
             ChimeSynth::render(QStringLiteral("Blow")));
}

void TestChimes::unknownNamesAreSilent()
{
    QVERIFY(ChimeSynth::render(QStringLiteral("None")).isEmpty());
    QVERIFY(ChimeSynth::render(QStringLiteral("glass")).isEmpty());
    PluginChimeOutput output({QStringLiteral(AUDIO_PLUGIN_DIR)});
    QVERIFY(!output.player(QStringLiteral("None")));
    QVERIFY(!output.player(QStringLiteral("Hand-edited")));
    QVERIFY(output.player(QStringLiteral("Glass")));
    // Without a plugin that loads even a real chime is silent.
    QTemporaryDir broken;
    QFile junk(broken.filePath(PluginChimeOutput::pluginFileName()));
    QVERIFY(junk.open(QIODevice::WriteOnly) && junk.write("not a library") > 0);
    junk.close();
    const QRegularExpression silent(QStringLiteral("^Chimes are silent"));
    QTest::ignoreMessage(QtWarningMsg, silent);
    QTest::failOnWarning(silent);
    PluginChimeOutput lost({QStringLiteral("/nonexistent"), broken.path()});
    QVERIFY(!lost.player(QStringLiteral("Glass")));
    QVERIFY(!lost.player(QStringLiteral("Glass"))); // and says so once
}

void TestChimes::sourcePlaysOnceOrLoops()
{
    PcmSource source(QByteArray("abcd"), 2);
    QSignalSpy handedOver(&source, &PcmSource::handedOver);
    source.restart(false);
    QCOMPARE(source.read(3), QByteArray("abc"));
    QCOMPARE(handedOver.size(), 0);
    // Silence follows, so the server plays the end before the stream stops.
    QCOMPARE(source.read(5), QByteArray("d\0\0\0\0", 5));
    QCOMPARE(source.read(4), QByteArray(4, '\0'));
    QCOMPARE(handedOver.size(), 1);
    source.restart(true);
    QCOMPARE(source.read(11), QByteArray("abcd\0\0abcd\0", 11));
    QVERIFY(source.bytesAvailable() > 0);
}

void TestChimes::noAudioServerMeansSilenceNotDelay()
{
    // This test program runs with no audio server at all.
    PluginChimeOutput output({QStringLiteral(AUDIO_PLUGIN_DIR)});
    auto player = output.player(QStringLiteral("Glass"));
    QElapsedTimer timer;
    timer.start();
    player->play(true);
    QTest::qWait(200);
    player->stop();
    QVERIFY(!player->isPlaying());
    QVERIFY(timer.elapsed() < 1500);
}

void TestChimes::mutedAudioServerMeansSilenceNotDelay()
{
    // A server that takes the connection and never answers, as a hung one
    // does: the chime is silent at once and the program still ends cleanly.
    QTemporaryDir dir;
    QLocalServer server;
    QVERIFY(server.listen(dir.filePath(QStringLiteral("native"))));
    QProcess child;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("PULSE_SERVER"), QStringLiteral("unix:") + server.fullServerName());
    child.setProcessEnvironment(env);
    child.setProcessChannelMode(QProcess::MergedChannels);
    child.start(QCoreApplication::applicationFilePath(),
                {QStringLiteral("noAudioServerMeansSilenceNotDelay")});
    QVERIFY(child.waitForStarted());
    // Short of the client library's own timeout, after which it gives up.
    QVERIFY(QTest::qWaitFor([&] { return child.state() == QProcess::NotRunning; }, 20000));
    QCOMPARE(child.exitStatus(), QProcess::NormalExit);
    // A program that leaves early ends with success whatever its tests said.
    const QString said = QString::fromLocal8Bit(child.readAll());
    QVERIFY2(said.contains(QStringLiteral(", 0 failed,")), qPrintable(said));
    QVERIFY(server.hasPendingConnections()); // it did reach the server
}

QTEST_GUILESS_MAIN(TestChimes)
#include "tst_chimes.moc"
