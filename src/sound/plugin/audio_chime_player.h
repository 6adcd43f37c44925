#pragma once

#include "pcm_source.h"
#include "sound/chime_player.h"

#include <QObject>
#include <QPointer>
#include <QTimer>

#include <memory>

class QAudioSink;

// Plays PCM through Qt Multimedia on the default audio output. Without an
// audio device or server it stays silent and reports nothing.
class AudioChimePlayer : public QObject, public ChimePlayer {
    Q_OBJECT

public:
    AudioChimePlayer(QByteArray pcm16, int sampleRate, QObject* parent = nullptr);
    ~AudioChimePlayer() override;

    void play(bool loop) override;
    void stop() override;
    bool isPlaying() const override;

private:
    void drain();

    int m_sampleRate;
    PcmSource m_source;
    std::unique_ptr<QAudioSink> m_sink;
    QPointer<QAudioSink> m_retired; // stopped, waiting for its deleteLater
    QTimer m_drained;
};
