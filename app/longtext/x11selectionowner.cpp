#include "x11selectionowner.h"

#include "longtextencoder.h"
#include "longtextmimedata.h"

#include <QDeadlineTimer>
#include <QGuiApplication>
#include <QPointer>
#include <QSet>

#include <xcb/xfixes.h>

#include <poll.h>
#include <sys/eventfd.h>
#include <unistd.h>

#include <list>

namespace {
// The most bytes a part carries; a text that fits in one goes at once.
constexpr qsizetype largestPart = 1 << 20;
// A program that asks for a long text and takes no part for this long is
// given up on.
constexpr int readerPatienceMs = 10'000;
// The longest an offer waits for the worker to take the selection.
constexpr int takingPatienceMs = 1000;

int indexOf(X11Selection::Which which)
{
    return which == X11Selection::Which::Clipboard ? 0 : 1;
}

// A long text on its way to one program, a part each time it has taken the
// one before.
struct Transfer
{
    xcb_window_t requestor;
    xcb_atom_t property;
    xcb_atom_t type;
    LongTextEncoder encoder;
    QDeadlineTimer patience{readerPatienceMs};
};

void notify(xcb_connection_t *connection, const xcb_selection_request_event_t &request,
            xcb_atom_t property)
{
    xcb_selection_notify_event_t notify{};
    notify.response_type = XCB_SELECTION_NOTIFY;
    notify.time = request.time;
    notify.requestor = request.requestor;
    notify.selection = request.selection;
    notify.target = request.target;
    notify.property = property;
    xcb_send_event(connection, 0, request.requestor, XCB_EVENT_MASK_NO_EVENT,
                   reinterpret_cast<const char *>(&notify));
}
} // namespace

X11SelectionOwner *X11SelectionOwner::instance()
{
    // Made and asked for on the window's thread only.
    static QPointer<X11SelectionOwner> owner;
    static bool made = false;
    if (!made) {
        made = true;
        const QByteArray display = X11Connection::displayName();
        if (!display.isEmpty()) {
            auto connection = std::make_unique<X11Connection>(display);
            if (connection->isValid())
                owner = new X11SelectionOwner(std::move(connection), qApp);
        }
    }
    return owner;
}

X11SelectionOwner::X11SelectionOwner(std::unique_ptr<X11Connection> connection, QObject *parent)
    : QObject(parent)
    , m_connection(std::move(connection))
    , m_window(m_connection->createWindow(XCB_EVENT_MASK_PROPERTY_CHANGE))
    , m_selections{m_connection->atom("CLIPBOARD"), XCB_ATOM_PRIMARY}
    , m_wake(eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK))
{
    xcb_connection_t *c = m_connection->get();
    const xcb_query_extension_reply_t *fixes = xcb_get_extension_data(c, &xcb_xfixes_id);
    if (fixes && fixes->present) {
        m_changeEvent = fixes->first_event + XCB_XFIXES_SELECTION_NOTIFY;
        (void)x11Owned(xcb_xfixes_query_version_reply(
            c, xcb_xfixes_query_version(c, XCB_XFIXES_MAJOR_VERSION, XCB_XFIXES_MINOR_VERSION),
            nullptr));
        for (const xcb_atom_t selection : m_selections)
            xcb_xfixes_select_selection_input(
                c, m_window, selection,
                XCB_XFIXES_SELECTION_EVENT_MASK_SET_SELECTION_OWNER |
                    XCB_XFIXES_SELECTION_EVENT_MASK_SELECTION_WINDOW_DESTROY |
                    XCB_XFIXES_SELECTION_EVENT_MASK_SELECTION_CLIENT_CLOSE);
    }
    xcb_flush(c);
    connect(QGuiApplication::clipboard(), &QClipboard::changed, this,
            &X11SelectionOwner::takenByToolkit);
    connect(qApp, &QCoreApplication::aboutToQuit, this, &X11SelectionOwner::handToToolkit);
    m_thread = std::thread([this] { serve(); });
}

X11SelectionOwner::~X11SelectionOwner()
{
    m_stopping = true;
    (void)eventfd_write(m_wake, 1);
    m_thread.join();
    close(m_wake);
}

void X11SelectionOwner::offer(X11Selection::Which which, LongText::Pieces pieces)
{
    // What the toolkit's clipboard held goes at once, so that none of the
    // program reads it in place of this.
    QClipboard *clipboard = QGuiApplication::clipboard();
    const QClipboard::Mode mode =
        which == X11Selection::Which::Clipboard ? QClipboard::Clipboard : QClipboard::Selection;
    if (mode == QClipboard::Clipboard ? clipboard->ownsClipboard() : clipboard->ownsSelection())
        clipboard->clear(mode);
    QMutexLocker locked(&m_mutex);
    Offer &offer = m_offers[indexOf(which)];
    offer.pieces = std::move(pieces);
    offer.held = true;
    const quint64 generation = ++offer.generation;
    (void)eventfd_write(m_wake, 1);
    // The worker takes the selection in a round trip or two; until then the
    // toolkit's clipboard would find no owner.
    const QDeadlineTimer patience(takingPatienceMs);
    while (offer.taken < generation && m_took.wait(&m_mutex, patience)) {
    }
}

std::optional<LongText::Pieces> X11SelectionOwner::offered(X11Selection::Which which) const
{
    const QMutexLocker locked(&m_mutex);
    const Offer &offer = m_offers[indexOf(which)];
    return offer.held ? std::optional(offer.pieces) : std::nullopt;
}

void X11SelectionOwner::takenByToolkit(QClipboard::Mode mode)
{
    // The toolkit tells both when it took the selection and when it lost
    // it; only the first ends this owner's offer.
    const QClipboard *clipboard = QGuiApplication::clipboard();
    const bool toolkitHolds =
        mode == QClipboard::Selection ? clipboard->ownsSelection() : clipboard->ownsClipboard();
    if (!toolkitHolds || mode == QClipboard::FindBuffer)
        return;
    const QMutexLocker locked(&m_mutex);
    Offer &offer = m_offers[mode == QClipboard::Selection ? 1 : 0];
    offer.held = false;
    offer.pieces = {};
}

void X11SelectionOwner::handToToolkit()
{
    if (const std::optional<LongText::Pieces> pieces = offered(X11Selection::Which::Clipboard))
        QGuiApplication::clipboard()->setMimeData(new LongTextMimeData(*pieces));
}

bool X11SelectionOwner::offersToTake() const
{
    const QMutexLocker locked(&m_mutex);
    return std::any_of(m_offers.cbegin(), m_offers.cend(),
                       [](const Offer &offer) { return offer.taken < offer.generation; });
}

void X11SelectionOwner::take(const std::array<xcb_timestamp_t, 2> &changed, xcb_timestamp_t now)
{
    xcb_connection_t *c = m_connection->get();
    for (int index = 0; index < 2; ++index) {
        quint64 generation = 0;
        {
            const QMutexLocker locked(&m_mutex);
            if (m_offers[index].taken == m_offers[index].generation)
                continue;
            generation = m_offers[index].generation;
        }
        // Taken anew for each offer, so that programs that watch the
        // clipboard see the change; at the time of the last change, as
        // an earlier one would fail and a later one could make the
        // toolkit's fail. Always at a time of its own, never CurrentTime:
        // the time it was taken is what TIMESTAMP answers.
        const xcb_atom_t selection = m_selections[index];
        m_acquired[index] = changed[index] != XCB_CURRENT_TIME ? changed[index] : now;
        xcb_set_selection_owner(c, m_window, selection, m_acquired[index]);
        auto owner = x11Owned(
            xcb_get_selection_owner_reply(c, xcb_get_selection_owner(c, selection), nullptr));
        if (m_acquired[index] != now && (!owner || owner->owner != m_window)) {
            m_acquired[index] = now;
            xcb_set_selection_owner(c, m_window, selection, now);
            owner = x11Owned(
                xcb_get_selection_owner_reply(c, xcb_get_selection_owner(c, selection), nullptr));
        }
        const QMutexLocker locked(&m_mutex);
        Offer &offer = m_offers[index];
        offer.taken = generation;
        if ((!owner || owner->owner != m_window) && offer.generation == generation) {
            offer.held = false;
            offer.pieces = {};
        }
    }
    m_took.wakeAll();
}

void X11SelectionOwner::lost(xcb_atom_t selection)
{
    const int index = selection == m_selections[0] ? 0 : 1;
    xcb_connection_t *c = m_connection->get();
    const auto owner =
        x11Owned(xcb_get_selection_owner_reply(c, xcb_get_selection_owner(c, selection), nullptr));
    if (owner && owner->owner == m_window)
        return;
    // An offer still to be taken stays.
    const QMutexLocker locked(&m_mutex);
    if (m_offers[index].taken == m_offers[index].generation) {
        m_offers[index].held = false;
        m_offers[index].pieces = {};
    }
}

void X11SelectionOwner::serve()
{
    xcb_connection_t *c = m_connection->get();
    const xcb_atom_t targets = m_connection->atom("TARGETS");
    const xcb_atom_t timestamp = m_connection->atom("TIMESTAMP");
    const xcb_atom_t multiple = m_connection->atom("MULTIPLE");
    const xcb_atom_t atomPair = m_connection->atom("ATOM_PAIR");
    const xcb_atom_t utf8 = m_connection->atom("UTF8_STRING");
    const xcb_atom_t utf8Mime = m_connection->atom("text/plain;charset=utf-8");
    const xcb_atom_t incremental = m_connection->atom("INCR");
    // Nothing appended to it on the owner's own window: its notice comes
    // after every event sent before, with the server's time.
    const xcb_atom_t stamp = m_connection->atom("YURB_STAMP");
    const qsizetype partBytes = qMin(largestPart, m_connection->largestRequest());
    std::list<Transfer> transfers;
    // Each selection's last change, from XFixes' notices; zero while
    // unknown.
    std::array<xcb_timestamp_t, 2> changed{};
    // Whether a stamp's notice, for the offers to take, is still to come.
    bool stamping = false;

    const auto watch = [c](xcb_window_t window, bool watched) {
        const uint32_t events =
            watched ? XCB_EVENT_MASK_PROPERTY_CHANGE | XCB_EVENT_MASK_STRUCTURE_NOTIFY
                    : XCB_EVENT_MASK_NO_EVENT;
        xcb_change_window_attributes(c, window, XCB_CW_EVENT_MASK, &events);
    };
    const auto end = [&](std::list<Transfer>::iterator transfer) {
        const xcb_window_t requestor = transfer->requestor;
        transfers.erase(transfer);
        if (std::none_of(transfers.cbegin(), transfers.cend(),
                         [requestor](const Transfer &t) { return t.requestor == requestor; }))
            watch(requestor, false);
    };
    // A requestor that asks again into a property gives up the parts still
    // to come there, which would otherwise go into the new reply.
    const auto abandon = [&](xcb_window_t requestor, xcb_atom_t property) {
        const auto old = std::find_if(transfers.begin(), transfers.end(), [&](const Transfer &t) {
            return t.requestor == requestor && t.property == property;
        });
        if (old != transfers.end())
            end(old);
    };
    // Puts the selection as `target` in `property` of `requestor`, a long
    // text in parts; false for a form not offered.
    const auto convert = [&](const LongText::Pieces &pieces, int index, xcb_window_t requestor,
                             xcb_atom_t target, xcb_atom_t property) {
        if (target == targets) {
            const xcb_atom_t forms[] = {targets, multiple, timestamp,
                                        utf8,    utf8Mime, XCB_ATOM_STRING};
            xcb_change_property(c, XCB_PROP_MODE_REPLACE, requestor, property, XCB_ATOM_ATOM, 32,
                                std::size(forms), forms);
            return true;
        }
        if (target == timestamp) {
            xcb_change_property(c, XCB_PROP_MODE_REPLACE, requestor, property, XCB_ATOM_INTEGER, 32,
                                1, &m_acquired[index]);
            return true;
        }
        if (target != utf8 && target != utf8Mime && target != XCB_ATOM_STRING)
            return false;
        LongTextEncoder encoder(pieces, target == XCB_ATOM_STRING
                                            ? LongTextEncoder::Encoding::Latin1
                                            : LongTextEncoder::Encoding::Utf8);
        const qsizetype units = partBytes / encoder.widestUnit();
        if (encoder.remaining() <= units) {
            const QByteArray bytes = encoder.next(units);
            xcb_change_property(c, XCB_PROP_MODE_REPLACE, requestor, property, target, 8,
                                uint32_t(bytes.size()), bytes.constData());
        } else {
            // Each character is a byte or more: its count is a lower bound.
            const uint32_t atLeast = uint32_t(qMin<qsizetype>(encoder.remaining(), UINT32_MAX));
            watch(requestor, true);
            xcb_change_property(c, XCB_PROP_MODE_REPLACE, requestor, property, incremental, 32, 1,
                                &atLeast);
            transfers.push_back({requestor, property, target, std::move(encoder)});
        }
        return true;
    };
    // MULTIPLE: the requestor's property holds pairs (target, property),
    // each converted in turn, a long text in parts of its own; the pairs go
    // back with None for the property of each not converted. A property
    // named a second time, or the list's own, would lose what was put in it
    // before and is refused.
    const auto convertPairs = [&](const LongText::Pieces &pieces, int index,
                                  const xcb_selection_request_event_t &request) {
        const auto list = x11Owned(
            xcb_get_property_reply(c,
                                   xcb_get_property(c, 0, request.requestor, request.property,
                                                    atomPair, 0, UINT32_MAX / 4),
                                   nullptr));
        if (!list || list->type != atomPair || list->format != 32 ||
            xcb_get_property_value_length(list.get()) % 8 != 0)
            return false;
        auto *pairs = static_cast<xcb_atom_t *>(xcb_get_property_value(list.get()));
        const int count = xcb_get_property_value_length(list.get()) / 4;
        QSet<xcb_atom_t> used{XCB_ATOM_NONE, request.property};
        for (int i = 0; i < count; i += 2) {
            const xcb_atom_t property = pairs[i + 1];
            if (!used.contains(property)) {
                abandon(request.requestor, property);
                if (pairs[i] != multiple &&
                    convert(pieces, index, request.requestor, pairs[i], property)) {
                    used.insert(property);
                    continue;
                }
            }
            pairs[i + 1] = XCB_ATOM_NONE;
        }
        xcb_change_property(c, XCB_PROP_MODE_REPLACE, request.requestor, request.property, atomPair,
                            32, uint32_t(count), pairs);
        return true;
    };
    const auto answer = [&](const xcb_selection_request_event_t &request) {
        // Programs of old ask with no property: the target is the one. Not
        // so MULTIPLE, whose pairs are in the property.
        const xcb_atom_t property =
            request.property == XCB_ATOM_NONE ? request.target : request.property;
        const int index = request.selection == m_selections[0] ? 0 : 1;
        abandon(request.requestor, property);
        std::optional<LongText::Pieces> pieces;
        {
            const QMutexLocker locked(&m_mutex);
            if (m_offers[index].held)
                pieces = m_offers[index].pieces;
        }
        const bool converted =
            pieces &&
            (request.target == multiple
                 ? request.property != XCB_ATOM_NONE && convertPairs(*pieces, index, request)
                 : convert(*pieces, index, request.requestor, request.target, property));
        notify(c, request, converted ? property : xcb_atom_t(XCB_ATOM_NONE));
    };
    const auto sendNext = [&](const xcb_property_notify_event_t &deleted) {
        if (deleted.state != XCB_PROPERTY_DELETE)
            return;
        const auto transfer =
            std::find_if(transfers.begin(), transfers.end(), [&deleted](const Transfer &t) {
                return t.requestor == deleted.window && t.property == deleted.atom;
            });
        if (transfer == transfers.end())
            return;
        // The last part is an empty one.
        const QByteArray bytes = transfer->encoder.next(partBytes / transfer->encoder.widestUnit());
        xcb_change_property(c, XCB_PROP_MODE_REPLACE, transfer->requestor, transfer->property,
                            transfer->type, 8, uint32_t(bytes.size()), bytes.constData());
        const xcb_window_t requestor = transfer->requestor;
        if (bytes.isEmpty())
            end(transfer);
        // While a requestor takes one reply's parts, its others (a
        // MULTIPLE's) wait for it.
        for (Transfer &waiting : transfers) {
            if (waiting.requestor == requestor)
                waiting.patience.setRemainingTime(readerPatienceMs);
        }
    };

    while (!m_stopping) {
        xcb_flush(c);
        const auto event = x11Owned(xcb_poll_for_event(c));
        if (!event) {
            if (xcb_connection_has_error(c))
                break;
            if (!stamping && offersToTake()) {
                // The stamp's notice comes after the notices of changes
                // made before the offer, handled before it is taken.
                xcb_change_property(c, XCB_PROP_MODE_APPEND, m_window, stamp, XCB_ATOM_INTEGER, 32,
                                    0, nullptr);
                stamping = true;
                continue;
            }
            for (auto transfer = transfers.begin(); transfer != transfers.end();) {
                const auto next = std::next(transfer);
                if (transfer->patience.hasExpired())
                    end(transfer);
                transfer = next;
            }
            pollfd descriptors[] = {{xcb_get_file_descriptor(c), POLLIN, 0}, {m_wake, POLLIN, 0}};
            poll(descriptors, 2, transfers.empty() ? -1 : 1000);
            eventfd_t woken = 0;
            (void)eventfd_read(m_wake, &woken);
            continue;
        }
        const uint8_t type = event->response_type & ~0x80;
        if (m_changeEvent != 0 && type == m_changeEvent) {
            const auto *change =
                reinterpret_cast<const xcb_xfixes_selection_notify_event_t *>(event.get());
            changed[change->selection == m_selections[0] ? 0 : 1] = change->selection_timestamp;
            continue;
        }
        switch (type) {
        case XCB_SELECTION_REQUEST:
            answer(*reinterpret_cast<const xcb_selection_request_event_t *>(event.get()));
            break;
        case XCB_PROPERTY_NOTIFY: {
            const auto &notice =
                *reinterpret_cast<const xcb_property_notify_event_t *>(event.get());
            if (notice.window == m_window && notice.atom == stamp) {
                stamping = false;
                take(changed, notice.time);
            } else {
                sendNext(notice);
            }
            break;
        }
        case XCB_SELECTION_CLEAR:
            lost(reinterpret_cast<const xcb_selection_clear_event_t *>(event.get())->selection);
            break;
        case XCB_DESTROY_NOTIFY: {
            const xcb_window_t gone =
                reinterpret_cast<const xcb_destroy_notify_event_t *>(event.get())->window;
            transfers.remove_if([gone](const Transfer &t) { return t.requestor == gone; });
            break;
        }
        default:
            break;
        }
    }
    // A broken connection serves no more: pastes in the program read the
    // selection's owner anew.
    const QMutexLocker locked(&m_mutex);
    for (Offer &offer : m_offers) {
        offer.held = false;
        offer.pieces = {};
        offer.taken = offer.generation;
    }
    m_took.wakeAll();
}
