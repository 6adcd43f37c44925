#pragma once

#include <QList>
#include <QString>

// Renders Pendrel's chimes in code: one short, distinct sound for each name
// in systemSounds(), as mono samples in [-1, 1] at sampleRate. The same name
// always renders the same samples.
class ChimeSynth {
public:
    static constexpr int sampleRate = 44100;

    // Empty for a name that is not a chime.
    static QList<float> render(const QString& name);
    // Little-endian signed 16-bit PCM of render(name).
    static QByteArray renderPcm16(const QString& name);
};
