#pragma once

#include "chime_player.h"

#include <QObject>
#include <QString>

#include <memory>

// Where chimes are played. The standard output loads the audio plugin, which
// provides one of these itself; tests put their own in its place.
class ChimeOutput {
public:
    virtual ~ChimeOutput() = default;
    // A player for the named chime, or none when the name is not a chime.
    virtual std::unique_ptr<ChimePlayer> player(const QString& name) = 0;

    static ChimeOutput& standard();
};

#define ChimeOutput_iid "org.pendrel.ChimeOutput/1"
Q_DECLARE_INTERFACE(ChimeOutput, ChimeOutput_iid)
