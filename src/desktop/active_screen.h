#pragma once

class QScreen;

// The monitor the user is working on: the one holding the active window (on
// X11, the window manager's _NET_ACTIVE_WINDOW), else the one under the
// pointer, else the primary one. Pop-ups come up there.
class ActiveScreen {
public:
    static QScreen* find();

private:
    static QScreen* ofActiveX11Window();
};
