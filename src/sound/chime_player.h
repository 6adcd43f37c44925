#pragma once

// Plays one chime, once or over and over until stopped.
class ChimePlayer {
public:
    virtual ~ChimePlayer() = default;
    virtual void play(bool loop) = 0;
    virtual void stop() = 0;
    virtual bool isPlaying() const = 0;
};
