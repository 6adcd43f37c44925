#pragma once

#include "chime_output.h"

#include <QByteArray>
#include <QHash>

// Chimes rendered by ChimeSynth and played on the default audio output. Each
// chime is rendered on first use and kept.
class AudioChimeOutput : public ChimeOutput {
public:
    std::unique_ptr<ChimePlayer> player(const QString& name) override;

private:
    QHash<QString, QByteArray> m_rendered;
};
