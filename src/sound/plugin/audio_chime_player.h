#pragma once

#include "pcm_source.h"
#include "sound/chime_player.h"

#include <QObject>
#include <QPointer>
#include <QTimer>

class ChimeMixer;

// Plays one chime's PCM as a voice of the mixer, which is the one stream on
// the default audio output.
class AudioChimePlayer : public QObject, public ChimePlayer {
    Q_OBJECT

public:
    AudioChimePlayer(QByteArray pcm16, int sampleRate, ChimeMixer& mixer,
                     QObject* parent = nullptr);
    ~AudioChimePlayer() override;

    void play(bool loop) override;
    void stop() override;
    bool isPlaying() const override;

private:
    void drain(quint64 round);

    PcmSource m_source;
    QPointer<ChimeMixer> m_mixer;
    QTimer m_drained;
};
