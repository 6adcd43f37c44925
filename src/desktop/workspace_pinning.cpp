#include "workspace_pinning.h"

#include "x11_connection.h"

#include <QWidget>

namespace {

constexpr quint32 allDesktops = 0xFFFFFFFF;

} // namespace

void WorkspacePinning::pinBeforeShow(QWidget* window)
{
    xcb_connection_t* connection = X11Connection::get();
    if (!connection)
        return;
    const auto id = static_cast<xcb_window_t>(window->winId());
    const xcb_atom_t desktop = X11Connection::atom(connection, "_NET_WM_DESKTOP");
    const xcb_atom_t state = X11Connection::atom(connection, "_NET_WM_STATE");
    if (desktop == XCB_ATOM_NONE || state == XCB_ATOM_NONE)
        return;
    xcb_change_property(connection, XCB_PROP_MODE_REPLACE, id, desktop, XCB_ATOM_CARDINAL, 32, 1,
                        &allDesktops);
    // Kept out of task bars and pagers; Qt adds its own states to these on map.
    const xcb_atom_t skip[] = {X11Connection::atom(connection, "_NET_WM_STATE_SKIP_TASKBAR"),
                               X11Connection::atom(connection, "_NET_WM_STATE_SKIP_PAGER")};
    xcb_change_property(connection, XCB_PROP_MODE_APPEND, id, state, XCB_ATOM_ATOM, 32, 2, skip);
    xcb_flush(connection);
}

void WorkspacePinning::pinAfterShow(QWidget* window)
{
    xcb_connection_t* connection = X11Connection::get();
    if (!connection)
        return;
    const xcb_atom_t desktop = X11Connection::atom(connection, "_NET_WM_DESKTOP");
    const xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(connection)).data;
    if (desktop == XCB_ATOM_NONE || !screen)
        return;
    xcb_client_message_event_t event{};
    event.response_type = XCB_CLIENT_MESSAGE;
    event.format = 32;
    event.window = static_cast<xcb_window_t>(window->winId());
    event.type = desktop;
    event.data.data32[0] = allDesktops;
    event.data.data32[1] = 2; // from a pager-like source: honoured by every EWMH manager
    xcb_send_event(connection, 0, screen->root,
                   XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY,
                   reinterpret_cast<const char*>(&event));
    xcb_flush(connection);
}
