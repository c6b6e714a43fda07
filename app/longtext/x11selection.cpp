#include "x11selection.h"

#include <QByteArray>
#include <QGuiApplication>

#include <xcb/xcb.h>

#include <poll.h>

#include <cstdlib>
#include <cstring>
#include <memory>

namespace {
template <class T> using Reply = std::unique_ptr<T, decltype(&std::free)>;

template <class T> Reply<T> owned(T *reply)
{
    return Reply<T>(reply, &std::free);
}

xcb_atom_t atom(xcb_connection_t *connection, const char *name)
{
    const auto reply = owned(xcb_intern_atom_reply(
        connection, xcb_intern_atom(connection, 0, uint16_t(std::strlen(name)), name), nullptr));
    return reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
}

// How long a wait goes without looking whether the read was abandoned.
constexpr qint64 abandonedLookMs = 50;

// The next event, or none once the connection has been silent for
// `patienceMs`, the deadline has passed, the read was abandoned or the
// connection has failed.
Reply<xcb_generic_event_t> nextEvent(xcb_connection_t *connection, int patienceMs,
                                     QDeadlineTimer deadline, const std::atomic_bool &abandoned)
{
    const QDeadlineTimer silence = qMin(deadline, QDeadlineTimer(patienceMs));
    for (;;) {
        if (xcb_generic_event_t *event = xcb_poll_for_event(connection))
            return owned(event);
        if (xcb_connection_has_error(connection) || silence.hasExpired() || abandoned)
            return owned<xcb_generic_event_t>(nullptr);
        pollfd descriptor{xcb_get_file_descriptor(connection), POLLIN, 0};
        poll(&descriptor, 1, int(qMin(silence.remainingTime(), abandonedLookMs)));
    }
}

struct Reader
{
    xcb_connection_t *connection;
    xcb_window_t window;
    xcb_atom_t property;
    xcb_atom_t incremental;
    int patienceMs;
    QDeadlineTimer deadline;
    const std::atomic_bool &abandoned;

    // Waits for an event of `type` that `matches`; false when none came.
    template <class Event, class Matches> bool wait(uint8_t type, Event &found, Matches matches)
    {
        while (const auto event = nextEvent(connection, patienceMs, deadline, abandoned)) {
            if ((event->response_type & ~0x80) != type)
                continue;
            found = *reinterpret_cast<const Event *>(event.get());
            if (matches(found))
                return true;
        }
        return false;
    }

    // The property's value, taken off the window so that its owner may send
    // the next part.
    Reply<xcb_get_property_reply_t> take()
    {
        return owned(
            xcb_get_property_reply(connection,
                                   xcb_get_property(connection, 1, window, property,
                                                    XCB_GET_PROPERTY_TYPE_ANY, 0, UINT32_MAX / 4),
                                   nullptr));
    }

    // The selection's bytes in the form asked for: a property at once, or
    // one part after the other until an empty one.
    std::optional<QByteArray> bytes()
    {
        auto reply = take();
        if (!reply)
            return std::nullopt;
        QByteArray data;
        const auto append = [&data](const xcb_get_property_reply_t *part) {
            data.append(static_cast<const char *>(xcb_get_property_value(part)),
                        xcb_get_property_value_length(part));
        };
        if (reply->type != incremental) {
            append(reply.get());
            return data;
        }
        for (;;) {
            xcb_property_notify_event_t notify{};
            if (!wait(XCB_PROPERTY_NOTIFY, notify, [this](const xcb_property_notify_event_t &e) {
                    return e.atom == property && e.state == XCB_PROPERTY_NEW_VALUE;
                }))
                return std::nullopt;
            reply = take();
            if (!reply)
                return std::nullopt;
            if (xcb_get_property_value_length(reply.get()) == 0)
                return data;
            append(reply.get());
        }
    }
};
} // namespace

namespace X11Selection {

bool available()
{
    return QGuiApplication::platformName() == QLatin1String("xcb");
}

Text read(Which which, int patienceMs, QDeadlineTimer deadline, const std::atomic_bool &abandoned)
{
    int screenNumber = 0;
    const std::unique_ptr<xcb_connection_t, decltype(&xcb_disconnect)> connection(
        xcb_connect(nullptr, &screenNumber), &xcb_disconnect);
    if (xcb_connection_has_error(connection.get()))
        return {std::nullopt, true};
    xcb_connection_t *c = connection.get();
    xcb_screen_iterator_t screen = xcb_setup_roots_iterator(xcb_get_setup(c));
    for (; screenNumber > 0 && screen.rem > 1; --screenNumber)
        xcb_screen_next(&screen);
    const xcb_window_t window = xcb_generate_id(c);
    const uint32_t events = XCB_EVENT_MASK_PROPERTY_CHANGE;
    xcb_create_window(c, XCB_COPY_FROM_PARENT, window, screen.data->root, 0, 0, 1, 1, 0,
                      XCB_WINDOW_CLASS_INPUT_ONLY, XCB_COPY_FROM_PARENT, XCB_CW_EVENT_MASK,
                      &events);
    const xcb_atom_t selection =
        which == Which::Clipboard ? atom(c, "CLIPBOARD") : xcb_atom_t(XCB_ATOM_PRIMARY);
    Reader reader{c,        window,   atom(c, "YURB_SELECTION"), atom(c, "INCR"), patienceMs,
                  deadline, abandoned};
    const struct
    {
        xcb_atom_t target;
        bool utf8;
    } forms[] = {{atom(c, "UTF8_STRING"), true},
                 {atom(c, "text/plain;charset=utf-8"), true},
                 {XCB_ATOM_STRING, false}};
    for (const auto &form : forms) {
        xcb_convert_selection(c, window, selection, form.target, reader.property, XCB_CURRENT_TIME);
        xcb_flush(c);
        xcb_selection_notify_event_t notify{};
        if (!reader.wait(XCB_SELECTION_NOTIFY, notify,
                         [](const xcb_selection_notify_event_t &) { return true; }))
            return {std::nullopt, true};
        // The owner has the text in another form, or there is no owner.
        if (notify.property == XCB_ATOM_NONE)
            continue;
        const std::optional<QByteArray> bytes = reader.bytes();
        if (!bytes)
            return {std::nullopt, true};
        return {form.utf8 ? QString::fromUtf8(*bytes) : QString::fromLatin1(*bytes), false};
    }
    return {};
}

} // namespace X11Selection
