#pragma once

class QWidget;

// Keeps a window on every workspace of an X11 desktop (EWMH _NET_WM_DESKTOP
// 0xFFFFFFFF). Qt has no call for it; elsewhere this does nothing.
class WorkspacePinning {
public:
    // Before the window is first shown: the window manager reads it on map.
    static void pinBeforeShow(QWidget* window);
    // After it is shown: asks a running window manager to move it.
    static void pinAfterShow(QWidget* window);
};
