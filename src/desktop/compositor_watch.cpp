#include "compositor_watch.h"

#include "x11_connection.h"

#include <QByteArray>
#include <QGuiApplication>

#include <cstdlib>

namespace {

constexpr quint8 fixesSelectionNotify = 0; // XFixesSelectionNotify, offset from the first event

} // namespace

CompositorWatch& CompositorWatch::shared()
{
    static auto* watch = new CompositorWatch;
    return *watch;
}

CompositorWatch::CompositorWatch()
{
    xcb_connection_t* connection = X11Connection::get();
    if (!connection)
        return;
    // The screen DISPLAY names, which Qt opens its windows on.
    int screen = 0;
    char* host = nullptr;
    int display = 0;
    if (xcb_parse_display(nullptr, &host, &display, &screen))
        std::free(host);
    const QByteArray name = "_NET_WM_CM_S" + QByteArray::number(screen);
    m_selection = X11Connection::atom(connection, name);
    // Qt's X11 backend already asks XFixes to report when this selection
    // changes hands; its events reach the native event filters.
    xcb_query_extension_reply_t* fixes = xcb_query_extension_reply(
        connection, xcb_query_extension(connection, 6, "XFIXES"), nullptr);
    if (fixes && fixes->present)
        m_fixesEvent = fixes->first_event + fixesSelectionNotify;
    std::free(fixes);
    recheck();
    qGuiApp->installNativeEventFilter(this);
}

bool CompositorWatch::nativeEventFilter(const QByteArray& eventType, void* message, qintptr*)
{
    if (m_fixesEvent >= 0 && eventType == "xcb_generic_event_t") {
        const auto* event = static_cast<const xcb_generic_event_t*>(message);
        if ((event->response_type & 0x7f) == m_fixesEvent)
            recheck();
    }
    return false;
}

void CompositorWatch::recheck()
{
    xcb_connection_t* connection = X11Connection::get();
    if (!connection || m_selection == 0)
        return;
    xcb_get_selection_owner_reply_t* owner = xcb_get_selection_owner_reply(
        connection, xcb_get_selection_owner(connection, m_selection), nullptr);
    const bool active = owner && owner->owner != XCB_NONE;
    std::free(owner);
    if (active == m_active)
        return;
    m_active = active;
    Q_EMIT activeChanged(active);
}
