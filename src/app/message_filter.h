#pragma once

// Keeps Qt's own chatter about missing audio devices and platform plugin
// limits off the user's terminal; everything else passes unchanged.
class MessageFilter {
public:
    static void install();
};
