#include "x11_connection.h"

#include <QGuiApplication>

#include <cstdlib>

xcb_connection_t* X11Connection::get()
{
    auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    return x11 ? x11->connection() : nullptr;
}

xcb_atom_t X11Connection::atom(xcb_connection_t* connection, QByteArrayView name)
{
    const auto cookie =
        xcb_intern_atom(connection, 0, static_cast<quint16>(name.size()), name.data());
    xcb_intern_atom_reply_t* reply = xcb_intern_atom_reply(connection, cookie, nullptr);
    const xcb_atom_t result = reply ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
    std::free(reply);
    return result;
}
