#pragma once

#include "chime_player.h"

#include <QString>

#include <memory>

// Where chimes are played. The standard output is the default audio device;
// tests put their own in its place.
class ChimeOutput {
public:
    virtual ~ChimeOutput() = default;
    // A player for the named chime, or none when the name is not a chime.
    virtual std::unique_ptr<ChimePlayer> player(const QString& name) = 0;

    static ChimeOutput& standard();
};
