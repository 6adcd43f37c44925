#pragma once

#include <QObject>
#include <QPointer>

#include <atomic>
#include <functional>
#include <memory>

class QAudioSink;
class QIODevice;

// Runs the one audio stream on a thread of its own. Qt Multimedia waits on
// the audio server inside start(), and its PulseAudio backend never returns
// from there when the server goes away at that moment: the window must not
// be the one waiting.
class SinkRunner : public QObject {
    Q_OBJECT

public:
    // `failed` runs on the audio thread when the device fails or goes away.
    SinkRunner(QIODevice& source, int sampleRate, std::function<void()> failed);
    ~SinkRunner() override;

    // Both run on the runner's thread; call them queued.
    void start();
    void stop();

    // The sink's buffer, in bytes: how far ahead of the speakers it reads.
    qint64 bufferBytes() const { return m_bufferBytes; }
    // Whether the stream has started and not stopped since.
    bool isRunning() const { return m_running; }

private:
    QIODevice& m_source;
    int m_sampleRate;
    std::function<void()> m_failed;
    std::unique_ptr<QAudioSink> m_sink;
    QPointer<QAudioSink> m_retired; // stopped, waiting for its deleteLater
    std::atomic<qint64> m_bufferBytes{0};
    std::atomic<bool> m_running{false};
};
