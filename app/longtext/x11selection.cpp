#include "x11selection.h"

#include "x11connection.h"

#include <QList>
#include <QStringDecoder>

#include <poll.h>

#include <algorithm>
#include <utility>
#include <optional>

namespace {
// How long a wait goes without looking whether the read was abandoned.
constexpr qint64 abandonedLookMs = 50;
// How much of a text that comes in parts of no announced length is kept
// before it is counted instead, in UTF-16 units.
constexpr qsizetype keptUnannounced = qsizetype(8) << 20;

// The next event, or none once the connection has been silent for
// `patienceMs`, the deadline has passed, the read was abandoned or the
// connection has failed.
X11Reply<xcb_generic_event_t> nextEvent(xcb_connection_t *connection, int patienceMs,
                                        QDeadlineTimer deadline, const std::atomic_bool &abandoned)
{
    const QDeadlineTimer silence = qMin(deadline, QDeadlineTimer(patienceMs));
    for (;;) {
        if (xcb_generic_event_t *event = xcb_poll_for_event(connection))
            return x11Owned(event);
        if (xcb_connection_has_error(connection) || silence.hasExpired() || abandoned)
            return x11Owned<xcb_generic_event_t>(nullptr);
        pollfd descriptor{xcb_get_file_descriptor(connection), POLLIN, 0};
        poll(&descriptor, 1, int(qMin(silence.remainingTime(), abandonedLookMs)));
    }
}

// A selection's value in one form, taken off a window of its own.
class Reader
{
public:
    Reader(const X11Connection &connection, xcb_atom_t selection, int patienceMs,
           QDeadlineTimer deadline, const std::atomic_bool &abandoned)
        : m_connection(connection.get())
        , m_window(connection.createWindow(XCB_EVENT_MASK_PROPERTY_CHANGE))
        , m_selection(selection)
        , m_property(connection.atom("YURB_SELECTION"))
        , m_incremental(connection.atom("INCR"))
        , m_patienceMs(patienceMs)
        , m_deadline(deadline)
        , m_abandoned(abandoned)
    {}

    enum class Asked { Sent, Refused, Unanswered };
    enum class Got { Whole, Unanswered, NotOfType };

    // Asks the owner for the selection as `target`.
    Asked ask(xcb_atom_t target)
    {
        xcb_convert_selection(m_connection, m_window, m_selection, target, m_property,
                              XCB_CURRENT_TIME);
        xcb_flush(m_connection);
        xcb_selection_notify_event_t notify{};
        if (!wait(XCB_SELECTION_NOTIFY, notify,
                  [](const xcb_selection_notify_event_t &) { return true; }))
            return Asked::Unanswered;
        return notify.property == XCB_ATOM_NONE ? Asked::Refused : Asked::Sent;
    }

    // The property's value, taken off the window so that its owner may send
    // the next part.
    X11Reply<xcb_get_property_reply_t> take()
    {
        return x11Owned(
            xcb_get_property_reply(m_connection,
                                   xcb_get_property(m_connection, 1, m_window, m_property,
                                                    XCB_GET_PROPERTY_TYPE_ANY, 0, UINT32_MAX / 4),
                                   nullptr));
    }

    // Hands `part` each part of the value sent: the value itself, or one
    // part after the other until an empty one, the first of one of the
    // `types` and the others of the first's.
    template <class Part>
    Got parts(QList<xcb_atom_t> types, std::optional<quint32> *announced, Part part)
    {
        const auto typed = [&types](const xcb_get_property_reply_t *reply) {
            if (!types.contains(reply->type))
                return false;
            types = {reply->type};
            return true;
        };
        auto reply = take();
        if (!reply)
            return Got::Unanswered;
        if (reply->type != m_incremental) {
            if (!typed(reply.get()))
                return Got::NotOfType;
            part(reply.get());
            return Got::Whole;
        }
        // The owner's lower bound of the length, in bytes; none said, 0.
        if (announced) {
            *announced = reply->format == 32 && xcb_get_property_value_length(reply.get()) >= 4
                             ? *static_cast<const quint32 *>(xcb_get_property_value(reply.get()))
                             : 0;
        }
        for (;;) {
            xcb_property_notify_event_t notify{};
            if (!wait(XCB_PROPERTY_NOTIFY, notify, [this](const xcb_property_notify_event_t &e) {
                    return e.atom == m_property && e.state == XCB_PROPERTY_NEW_VALUE;
                }))
                return Got::Unanswered;
            reply = take();
            if (!reply)
                return Got::Unanswered;
            if (xcb_get_property_value_length(reply.get()) == 0)
                return Got::Whole;
            // The owner's remaining parts are left to it, on this window.
            if (!typed(reply.get()))
                return Got::NotOfType;
            part(reply.get());
        }
    }

private:
    // Waits for an event of `type` that `matches`; false when none came.
    template <class Event, class Matches> bool wait(uint8_t type, Event &found, Matches matches)
    {
        while (const auto event = nextEvent(m_connection, m_patienceMs, m_deadline, m_abandoned)) {
            if ((event->response_type & ~0x80) != type)
                continue;
            found = *reinterpret_cast<const Event *>(event.get());
            if (matches(found))
                return true;
        }
        return false;
    }

    xcb_connection_t *m_connection;
    xcb_window_t m_window;
    xcb_atom_t m_selection;
    xcb_atom_t m_property;
    xcb_atom_t m_incremental;
    int m_patienceMs;
    QDeadlineTimer m_deadline;
    const std::atomic_bool &m_abandoned;
};

QByteArrayView bytesOf(const xcb_get_property_reply_t *reply)
{
    return {static_cast<const char *>(xcb_get_property_value(reply)),
            xcb_get_property_value_length(reply)};
}
} // namespace

namespace X11Selection {

Text read(const QByteArray &display, Which which, int patienceMs, qsizetype longest,
          QDeadlineTimer deadline, const std::atomic_bool &abandoned)
{
    using Outcome = Text::Outcome;
    const auto only = [](Outcome outcome) {
        Text text;
        text.outcome = outcome;
        return text;
    };
    const X11Connection connection(display);
    if (!connection.isValid())
        return only(Outcome::Unreached);
    const xcb_atom_t selection =
        which == Which::Clipboard ? connection.atom("CLIPBOARD") : xcb_atom_t(XCB_ATOM_PRIMARY);
    const xcb_atom_t utf8 = connection.atom("UTF8_STRING");
    const xcb_atom_t utf8Mime = connection.atom("text/plain;charset=utf-8");
    const xcb_atom_t targetsAtom = connection.atom("TARGETS");
    // Each form is asked for on a window of its own, so that the parts an
    // owner still sends of a reply given up on never mix with the next.
    const auto newReader = [&] {
        return Reader(connection, selection, patienceMs, deadline, abandoned);
    };

    // The forms the owner offers; an owner that does not say is asked for
    // UTF-8, and for STRING where it has none.
    QList<xcb_atom_t> offered;
    Reader targetsReader = newReader();
    switch (targetsReader.ask(targetsAtom)) {
    case Reader::Asked::Unanswered:
        return only(Outcome::Unanswered);
    case Reader::Asked::Refused:
        break;
    case Reader::Asked::Sent:
        switch (targetsReader.parts({XCB_ATOM_ATOM, targetsAtom}, nullptr,
                                    [&offered](const xcb_get_property_reply_t *part) {
                                        const QByteArrayView bytes = bytesOf(part);
                                        const auto *atoms =
                                            reinterpret_cast<const xcb_atom_t *>(bytes.data());
                                        if (part->format == 32)
                                            offered +=
                                                QList<xcb_atom_t>(atoms, atoms + bytes.size() / 4);
                                    })) {
        case Reader::Got::Unanswered:
            return only(Outcome::Unanswered);
        case Reader::Got::NotOfType:
            offered.clear();
            break;
        case Reader::Got::Whole:
            break;
        }
        break;
    }
    if (offered.isEmpty())
        offered = {utf8, XCB_ATOM_STRING};

    // A reply is read by its type, which the owner chose whatever form was
    // asked for: STRING is Latin-1, the others UTF-8. A form that brings no
    // text of these types leaves the next to be asked for.
    const QList<xcb_atom_t> types{utf8, utf8Mime, XCB_ATOM_STRING};
    for (const xcb_atom_t target : types) {
        if (!offered.contains(target))
            continue;
        Reader reader = newReader();
        switch (reader.ask(target)) {
        case Reader::Asked::Unanswered:
            return only(Outcome::Unanswered);
        case Reader::Asked::Refused:
            continue;
        case Reader::Asked::Sent:
            break;
        }
        // A text that comes in parts is kept only while it surely fits:
        // where its owner announces more bytes than a box holds characters
        // (UTF-8 may still take fewer units), or announces nothing and has
        // sent more than `keptUnannounced`, it is counted instead, nothing
        // kept, and asked for again only where it fits. So a text too long
        // never takes its memory.
        bool counted = false;
        Text read = only(Outcome::Taken);
        const auto take = [&](bool mayCount) {
            QStringDecoder decoder(QStringDecoder::Utf8);
            read = only(Outcome::Taken);
            counted = false;
            std::optional<quint32> announced;
            bool first = true;
            return reader.parts(types, &announced, [&](const xcb_get_property_reply_t *part) {
                const QByteArrayView bytes = bytesOf(part);
                const bool latin1 = part->type == XCB_ATOM_STRING;
                if (std::exchange(first, false) && announced) {
                    counted = mayCount && qsizetype(*announced) > longest;
                    // Room for the announced length at once rather than
                    // growing by copies; pages never written cost nothing.
                    if (!counted)
                        read.text.reserve(qMin<qsizetype>(*announced, longest));
                }
                if (mayCount && announced == 0u && read.length > keptUnannounced) {
                    counted = true;
                    read.text = QString();
                }
                if (counted || read.outcome == Outcome::TooLong) {
                    read.length += latin1 ? bytes.size() : QString(decoder(bytes)).size();
                    return;
                }
                if (latin1)
                    read.text += QLatin1String(bytes.data(), bytes.size());
                else
                    read.text += QString(decoder(bytes));
                read.length = read.text.size();
                // Past the most a box holds, the rest is only counted.
                if (read.length > longest) {
                    read.outcome = Outcome::TooLong;
                    read.text = QString();
                }
            });
        };
        Reader::Got got = take(true);
        if (got == Reader::Got::Whole && counted) {
            if (read.length > longest) {
                read.outcome = Outcome::TooLong;
                return read;
            }
            switch (reader.ask(target)) {
            case Reader::Asked::Unanswered:
                return only(Outcome::Unanswered);
            case Reader::Asked::Refused:
                return only(Outcome::NoText);
            case Reader::Asked::Sent:
                break;
            }
            got = take(false);
        }
        switch (got) {
        case Reader::Got::Unanswered:
            return only(Outcome::Unanswered);
        case Reader::Got::NotOfType:
            continue;
        case Reader::Got::Whole:
            break;
        }
        return read;
    }
    return only(Outcome::NoText);
}

} // namespace X11Selection
