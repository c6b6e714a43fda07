#include "x11connection.h"

#include <QGuiApplication>

#include <cstring>

// After Qt's headers: Xlib's names would clash with theirs. Only its macro
// that reads the display's name is used, on the display the toolkit opened.
#include <X11/Xlib.h>

QByteArray X11Connection::displayName()
{
    if (QGuiApplication::platformName() != QLatin1String("xcb"))
        return {};
    const auto *x11 = qApp->nativeInterface<QNativeInterface::QX11Application>();
    if (x11 && x11->display())
        return QByteArray(DisplayString(x11->display()));
    // A toolkit without Xlib opens what DISPLAY names.
    return qgetenv("DISPLAY");
}

X11Connection::X11Connection(const QByteArray &display)
    : m_connection(xcb_connect(display.isEmpty() ? nullptr : display.constData(), &m_screen))
{}

X11Connection::~X11Connection()
{
    xcb_disconnect(m_connection);
}

bool X11Connection::isValid() const
{
    return xcb_connection_has_error(m_connection) == 0;
}

xcb_atom_t X11Connection::atom(const char *name) const
{
    const auto reply = x11Owned(xcb_intern_atom_reply(
        m_connection, xcb_intern_atom(m_connection, 0, uint16_t(std::strlen(name)), name),
        nullptr));
    return reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
}

xcb_window_t X11Connection::createWindow(uint32_t events) const
{
    xcb_screen_iterator_t screen = xcb_setup_roots_iterator(xcb_get_setup(m_connection));
    for (int number = m_screen; number > 0 && screen.rem > 1; --number)
        xcb_screen_next(&screen);
    const xcb_window_t window = xcb_generate_id(m_connection);
    xcb_create_window(m_connection, XCB_COPY_FROM_PARENT, window, screen.data->root, 0, 0, 1, 1, 0,
                      XCB_WINDOW_CLASS_INPUT_ONLY, XCB_COPY_FROM_PARENT, XCB_CW_EVENT_MASK,
                      &events);
    return window;
}

qsizetype X11Connection::largestRequest() const
{
    // Four bytes a unit, less the request's own header.
    return qsizetype(xcb_get_maximum_request_length(m_connection)) * 4 - 64;
}
