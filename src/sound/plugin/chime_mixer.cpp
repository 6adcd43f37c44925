#include "chime_mixer.h"

#include "sink_runner.h"

#include <QThread>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>

namespace {

// The turned-down mix comes back up to full over this long, so the level
// does not pump between one peak and the next.
constexpr double releaseSeconds = 0.25;

// Slack on top of the sink's buffer for the audio server's own latency.
constexpr int serverSlackMs = 300;

// How long quitting waits for the audio thread to let go of the stream.
constexpr int quitWaitMs = 2000;

} // namespace

ChimeMixer::ChimeMixer(int sampleRate, QObject* parent)
    : QIODevice(parent), m_sampleRate(sampleRate), m_thread(new QThread)
{
    open(QIODevice::ReadOnly | QIODevice::Unbuffered); // hand over no more than asked
    // A device that failed or went away: every voice falls silent.
    m_runner = new SinkRunner(*this, sampleRate, [this] {
        const QMutexLocker lock(&m_mutex);
        m_voices.clear();
    });
    m_thread->setObjectName(QStringLiteral("Pendrel audio"));
    m_runner->moveToThread(m_thread);
    // Gone on its own thread as that ends, stopping the stream.
    connect(
        m_thread, &QThread::finished, m_thread, [runner = m_runner] { delete runner; },
        Qt::DirectConnection);
    m_thread->start();
}

ChimeMixer::~ChimeMixer()
{
    m_thread->quit();
    if (m_thread->wait(quitWaitMs)) {
        delete m_thread;
        return;
    }
    // Stuck inside Qt Multimedia, waiting on an audio server that does not
    // answer: the library's teardown would pull its state from under that
    // thread. The application is gone and quitting has saved what it
    // could; the program ends here.
    qWarning("The audio server does not answer; leaving without it");
    std::fflush(nullptr);
    std::_Exit(EXIT_SUCCESS);
}

void ChimeMixer::add(QIODevice* source)
{
    const QMutexLocker lock(&m_mutex);
    if (m_voices.contains(source))
        return;
    m_voices.append(source);
    if (m_voices.size() == 1)
        QMetaObject::invokeMethod(m_runner, &SinkRunner::start);
}

void ChimeMixer::remove(QIODevice* source)
{
    const QMutexLocker lock(&m_mutex);
    if (m_voices.removeAll(source) > 0 && m_voices.isEmpty())
        QMetaObject::invokeMethod(m_runner, &SinkRunner::stop);
}

bool ChimeMixer::isSounding(const QIODevice* source) const
{
    // Not while the stream is still starting, or stuck doing so.
    if (!m_runner->isRunning())
        return false;
    const QMutexLocker lock(&m_mutex);
    return std::find(m_voices.cbegin(), m_voices.cend(), source) != m_voices.cend();
}

int ChimeMixer::latencyMsecs() const
{
    const qint64 bufferMs =
        m_sampleRate > 0 ? m_runner->bufferBytes() * 1000 / (2 * qint64{m_sampleRate}) : 0;
    return static_cast<int>(std::clamp<qint64>(2 * bufferMs, 0, 4000)) + serverSlackMs;
}

qint64 ChimeMixer::bytesAvailable() const
{
    return std::numeric_limits<qint32>::max();
}

qint64 ChimeMixer::readData(char* data, qint64 maxSize)
{
    const auto frames = static_cast<size_t>(std::max<qint64>(0, maxSize / 2));
    const auto bytes = static_cast<qint64>(frames * 2);
    const QMutexLocker lock(&m_mutex);
    m_sum.assign(frames, 0);
    m_samples.resize(frames);
    for (QIODevice* voice : std::as_const(m_voices)) {
        const qint64 got = voice->read(reinterpret_cast<char*>(m_samples.data()), bytes);
        for (size_t i = 0; i < frames && qint64(i * 2) < got; ++i)
            m_sum[i] += m_samples[i];
    }
    qint32 peak = 0;
    for (qint32 value : m_sum)
        peak = std::max(peak, std::abs(value));
    // Down at once to what keeps this stretch under the limit, back up slowly.
    const double wanted = peak > limit ? double(limit) / peak : 1.0;
    const double release = 1.0 / (releaseSeconds * std::max(1, m_sampleRate));
    for (size_t i = 0; i < frames; ++i) {
        m_gain = std::min(wanted, m_gain + release);
        m_samples[i] =
            static_cast<qint16>(std::clamp<long>(std::lround(m_sum[i] * m_gain), -limit, limit));
    }
    std::memcpy(data, m_samples.data(), static_cast<size_t>(bytes));
    return bytes;
}
