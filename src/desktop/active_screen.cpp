#include "active_screen.h"

#include "x11_connection.h"

#include <QCursor>
#include <QGuiApplication>
#include <QScreen>

#include <cstdlib>

QScreen* ActiveScreen::find()
{
    if (QScreen* screen = ofActiveX11Window())
        return screen;
    if (QScreen* screen = QGuiApplication::screenAt(QCursor::pos()))
        return screen;
    return QGuiApplication::primaryScreen();
}

QScreen* ActiveScreen::ofActiveX11Window()
{
    xcb_connection_t* connection = X11Connection::get();
    if (!connection)
        return nullptr;
    const xcb_screen_t* root = xcb_setup_roots_iterator(xcb_get_setup(connection)).data;
    const xcb_atom_t active = X11Connection::atom(connection, "_NET_ACTIVE_WINDOW");
    if (!root || active == XCB_ATOM_NONE)
        return nullptr;
    xcb_get_property_reply_t* property = xcb_get_property_reply(
        connection, xcb_get_property(connection, 0, root->root, active, XCB_ATOM_WINDOW, 0, 1),
        nullptr);
    xcb_window_t window = XCB_WINDOW_NONE;
    if (property && property->format == 32 && xcb_get_property_value_length(property) >= 4)
        window = *static_cast<const xcb_window_t*>(xcb_get_property_value(property));
    std::free(property);
    if (window == XCB_WINDOW_NONE)
        return nullptr;
    xcb_get_geometry_reply_t* geometry =
        xcb_get_geometry_reply(connection, xcb_get_geometry(connection, window), nullptr);
    xcb_translate_coordinates_reply_t* origin = xcb_translate_coordinates_reply(
        connection, xcb_translate_coordinates(connection, window, root->root, 0, 0), nullptr);
    QScreen* found = nullptr;
    if (geometry && origin) {
        // In the server's pixels; Qt keeps each screen's origin there and
        // scales only its size.
        const QPoint centre(origin->dst_x + geometry->width / 2,
                            origin->dst_y + geometry->height / 2);
        const auto screens = QGuiApplication::screens();
        for (QScreen* screen : screens) {
            const QRect logical = screen->geometry();
            const QRect native(logical.topLeft(), logical.size() * screen->devicePixelRatio());
            if (native.contains(centre)) {
                found = screen;
                break;
            }
        }
    }
    std::free(geometry);
    std::free(origin);
    return found;
}
