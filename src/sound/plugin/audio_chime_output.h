#pragma once

#include "chime_mixer.h"
#include "sound/chime_output.h"

#include <QByteArray>
#include <QHash>
#include <QObject>
#include <QPointer>

// The audio plugin's entry point: chimes rendered by ChimeSynth, each once,
// and played, mixed, on the default audio output through Qt Multimedia.
class AudioChimeOutput : public QObject, public ChimeOutput {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID ChimeOutput_iid)
    Q_INTERFACES(ChimeOutput)

public:
    std::unique_ptr<ChimePlayer> player(const QString& name) override;

private:
    QHash<QString, QByteArray> m_rendered;
    QPointer<ChimeMixer> m_mixer; // made at the first chime
};
