#pragma once

#include "chime_player.h"

#include <QByteArray>
#include <QObject>

#include <memory>

// What the audio plugin provides: players for rendered sound. It lives in a
// plugin so that the sound libraries load only when a chime first plays.
class ChimeBackend {
public:
    virtual ~ChimeBackend() = default;
    // A player for mono signed 16-bit little-endian PCM.
    virtual std::unique_ptr<ChimePlayer> player(QByteArray pcm16, int sampleRate) = 0;
};

#define ChimeBackend_iid "org.pendrel.ChimeBackend/1"
Q_DECLARE_INTERFACE(ChimeBackend, ChimeBackend_iid)
