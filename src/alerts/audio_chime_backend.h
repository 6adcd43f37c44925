#pragma once

#include "chime_backend.h"

#include <QObject>

// The audio plugin's entry point: chimes on the default audio output through
// Qt Multimedia.
class AudioChimeBackend : public QObject, public ChimeBackend {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID ChimeBackend_iid)
    Q_INTERFACES(ChimeBackend)

public:
    std::unique_ptr<ChimePlayer> player(QByteArray pcm16, int sampleRate) override;
};
