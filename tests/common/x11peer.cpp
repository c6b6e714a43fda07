#include "x11peer.h"

#include <QDeadlineTimer>
#include <QList>

#include <xcb/xfixes.h>

#include <poll.h>

namespace {
X11Reply<xcb_get_property_reply_t> taken(xcb_connection_t *c, xcb_window_t window, xcb_atom_t atom)
{
    return x11Owned(xcb_get_property_reply(
        c, xcb_get_property(c, 1, window, atom, XCB_GET_PROPERTY_TYPE_ANY, 0, UINT32_MAX / 4),
        nullptr));
}

QByteArray bytesOf(const xcb_get_property_reply_t *reply)
{
    return {static_cast<const char *>(xcb_get_property_value(reply)),
            xcb_get_property_value_length(reply)};
}
} // namespace

X11Peer::X11Peer()
    : m_connection(X11Connection::displayName())
    , m_window(m_connection.createWindow(XCB_EVENT_MASK_PROPERTY_CHANGE))
    , m_clipboard(m_connection.atom("CLIPBOARD"))
{
    xcb_connection_t *c = m_connection.get();
    m_changeEvent =
        xcb_get_extension_data(c, &xcb_xfixes_id)->first_event + XCB_XFIXES_SELECTION_NOTIFY;
    (void)x11Owned(xcb_xfixes_query_version_reply(c, xcb_xfixes_query_version(c, 5, 0), nullptr));
    // Checked, so that it is in force once the peer is made.
    (void)x11Owned(xcb_request_check(
        c, xcb_xfixes_select_selection_input_checked(
               c, m_window, m_clipboard, XCB_XFIXES_SELECTION_EVENT_MASK_SET_SELECTION_OWNER)));
}

X11Peer::~X11Peer()
{
    m_stopping = true;
    if (m_owner.joinable())
        m_owner.join();
}

X11Reply<xcb_generic_event_t> X11Peer::wait(uint8_t type, xcb_atom_t atom)
{
    xcb_connection_t *c = m_connection.get();
    const QDeadlineTimer patience(30'000);
    while (!m_stopping && !patience.hasExpired() && !xcb_connection_has_error(c)) {
        xcb_flush(c);
        auto event = x11Owned(xcb_poll_for_event(c));
        if (!event) {
            pollfd descriptor{xcb_get_file_descriptor(c), POLLIN, 0};
            poll(&descriptor, 1, 50);
            continue;
        }
        const uint8_t got = event->response_type & ~0x80;
        if (got == m_changeEvent)
            m_lastChange =
                reinterpret_cast<const xcb_xfixes_selection_notify_event_t *>(event.get())
                    ->selection_timestamp;
        const auto *notice = reinterpret_cast<const xcb_property_notify_event_t *>(event.get());
        if (got == type && (type != XCB_PROPERTY_NOTIFY ||
                            (notice->atom == atom && notice->state == XCB_PROPERTY_NEW_VALUE)))
            return event;
    }
    return x11Owned<xcb_generic_event_t>(nullptr);
}

QByteArray X11Peer::name(xcb_atom_t atom) const
{
    xcb_connection_t *c = m_connection.get();
    const auto reply = x11Owned(xcb_get_atom_name_reply(c, xcb_get_atom_name(c, atom), nullptr));
    return reply ? QByteArray(xcb_get_atom_name_name(reply.get()),
                              xcb_get_atom_name_name_length(reply.get()))
                 : QByteArray("None");
}

QByteArray X11Peer::read(xcb_atom_t property, bool whole)
{
    auto reply = taken(m_connection.get(), m_window, property);
    if (!reply)
        return "None";
    QByteArray value = bytesOf(reply.get());
    xcb_atom_t type = reply->type;
    uint8_t format = reply->format;
    if (type == m_connection.atom("INCR") && whole) {
        // Each part comes once the one before is taken; the last is empty.
        for (value.clear(); wait(XCB_PROPERTY_NOTIFY, property);) {
            reply = taken(m_connection.get(), m_window, property);
            if (!reply || xcb_get_property_value_length(reply.get()) == 0)
                break;
            value += bytesOf(reply.get());
            type = reply->type;
            format = reply->format;
        }
    }
    QByteArray told = name(type);
    const auto *numbers = reinterpret_cast<const quint32 *>(value.constData());
    for (qsizetype i = 0; format == 32 && i < value.size() / 4; ++i)
        told += ' ' + (type == XCB_ATOM_ATOM ? name(numbers[i]) : QByteArray::number(numbers[i]));
    return format == 32 ? told : told + ' ' + value;
}

QByteArrayList X11Peer::ask(const QByteArrayList &targets, bool multiple)
{
    xcb_connection_t *c = m_connection.get();
    QList<xcb_atom_t> pairs;
    for (qsizetype i = 0; i < targets.size(); ++i) {
        const QByteArrayList named = targets[i].split(' ');
        pairs << m_connection.atom(named[0])
              << m_connection.atom(named.value(1, "PEER" + QByteArray::number(i)));
    }
    const auto converted = [&](xcb_atom_t target, xcb_atom_t property) {
        xcb_convert_selection(c, m_window, m_clipboard, target, property, XCB_CURRENT_TIME);
        const auto notify = wait(XCB_SELECTION_NOTIFY, XCB_ATOM_NONE);
        return notify &&
               reinterpret_cast<const xcb_selection_notify_event_t *>(notify.get())->property !=
                   XCB_ATOM_NONE;
    };
    QByteArrayList replies;
    if (!multiple) {
        for (qsizetype i = 0; i < pairs.size(); i += 2)
            replies << (converted(pairs[i], pairs[i + 1])
                            ? read(pairs[i + 1], targets[i / 2].split(' ').value(2) != "abandoned")
                            : "None");
        return replies;
    }
    // The pairs (target, property) go in a property of their own; the owner
    // writes them back, a pair it could not convert with None.
    const xcb_atom_t asked = m_connection.atom("PEER");
    xcb_change_property(c, XCB_PROP_MODE_REPLACE, m_window, asked, m_connection.atom("ATOM_PAIR"),
                        32, uint32_t(pairs.size()), pairs.constData());
    const auto written = converted(m_connection.atom("MULTIPLE"), asked)
                             ? taken(c, m_window, asked)
                             : x11Owned<xcb_get_property_reply_t>(nullptr);
    if (!written)
        return {"None"};
    const auto *atoms = static_cast<const xcb_atom_t *>(xcb_get_property_value(written.get()));
    for (int i = 1; i < xcb_get_property_value_length(written.get()) / 4; i += 2)
        replies << (atoms[i] == XCB_ATOM_NONE ? QByteArray("None") : read(atoms[i]));
    return replies;
}

void X11Peer::hold(const QByteArrayList &answers)
{
    xcb_connection_t *c = m_connection.get();
    xcb_set_selection_owner(c, m_window, m_clipboard, XCB_CURRENT_TIME);
    (void)x11Owned(
        xcb_get_selection_owner_reply(c, xcb_get_selection_owner(c, m_clipboard), nullptr));
    m_owner = std::thread([this, c, answers] {
        QList<xcb_atom_t> offered{m_connection.atom("TARGETS")};
        for (const QByteArray &answer : answers)
            offered << m_connection.atom(answer.split(' ').at(0));
        while (!m_stopping) {
            const auto event = wait(XCB_SELECTION_REQUEST, XCB_ATOM_NONE);
            if (!event)
                continue;
            const auto &request =
                *reinterpret_cast<const xcb_selection_request_event_t *>(event.get());
            xcb_selection_notify_event_t notify{};
            notify.response_type = XCB_SELECTION_NOTIFY;
            notify.time = request.time;
            notify.requestor = request.requestor;
            notify.selection = request.selection;
            notify.target = request.target;
            if (request.target == offered.at(0)) {
                xcb_change_property(c, XCB_PROP_MODE_REPLACE, request.requestor, request.property,
                                    XCB_ATOM_ATOM, 32, uint32_t(offered.size()),
                                    offered.constData());
                notify.property = request.property;
            }
            for (qsizetype i = 0; i < answers.size(); ++i) {
                const QByteArray type = answers[i].split(' ').at(1);
                if (offered.at(i + 1) != request.target || type == "None")
                    continue;
                const QByteArray bytes =
                    answers[i].mid(answers[i].indexOf(' ', answers[i].indexOf(' ') + 1) + 1);
                xcb_change_property(c, XCB_PROP_MODE_REPLACE, request.requestor, request.property,
                                    m_connection.atom(type), 8, uint32_t(bytes.size()),
                                    bytes.constData());
                notify.property = request.property;
            }
            xcb_send_event(c, 0, request.requestor, XCB_EVENT_MASK_NO_EVENT,
                           reinterpret_cast<const char *>(&notify));
        }
    });
}
