#pragma once

#include "chime_player.h"
#include "pcm_source.h"

#include <QObject>

#include <memory>

class QAudioSink;

// Plays PCM through Qt Multimedia on the default audio output. Without an
// audio device or server it stays silent and reports nothing.
class AudioChimePlayer : public QObject, public ChimePlayer {
    Q_OBJECT

public:
    explicit AudioChimePlayer(QByteArray pcm, QObject* parent = nullptr);
    ~AudioChimePlayer() override;

    void play(bool loop) override;
    void stop() override;
    bool isPlaying() const override;

private:
    PcmSource m_source;
    std::unique_ptr<QAudioSink> m_sink;
};
