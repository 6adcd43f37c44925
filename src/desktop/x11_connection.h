#pragma once

#include <QByteArrayView>

#include <xcb/xcb.h>

// The X server connection Qt's own windows use, for the few window-manager
// hints Qt has no API for. Absent on Wayland and the offscreen platform.
class X11Connection {
public:
    static xcb_connection_t* get();
    // The atom of that name, or XCB_ATOM_NONE.
    static xcb_atom_t atom(xcb_connection_t* connection, QByteArrayView name);
};
