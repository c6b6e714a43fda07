// Run: wmpinger WINDOW-ID
//
// Measures from outside a program how long its GUI thread leaves the window
// without an answer. Every 10 ms it sends the top-level window the window
// manager's ping (a WM_PROTOCOLS client message carrying _NET_WM_PING) and
// listens on the root window for the program's answer, which the program can
// only send when its event loop runs. For each answer it prints one line:
//
//   <sent> <round trip>
//
// both in microseconds, the first on the monotonic clock (the one
// QElapsedTimer and std::chrono::steady_clock read). It stops when its
// standard input ends, so it never outlives the benchmark that started it.

#include <xcb/xcb.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <memory>
#include <poll.h>
#include <unistd.h>
#include <vector>

namespace {

constexpr long long pingIntervalUs = 10'000;

long long nowUs()
{
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return now.tv_sec * 1'000'000LL + now.tv_nsec / 1000;
}

xcb_atom_t atom(xcb_connection_t *connection, const char *name)
{
    const xcb_intern_atom_cookie_t cookie =
        xcb_intern_atom(connection, 0, uint16_t(std::strlen(name)), name);
    const std::unique_ptr<xcb_intern_atom_reply_t, decltype(&std::free)> reply(
        xcb_intern_atom_reply(connection, cookie, nullptr), &std::free);
    return reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
}

// The root window of the screen the window is on.
xcb_window_t rootOf(xcb_connection_t *connection, xcb_window_t window)
{
    const std::unique_ptr<xcb_get_geometry_reply_t, decltype(&std::free)> geometry(
        xcb_get_geometry_reply(connection, xcb_get_geometry(connection, window), nullptr),
        &std::free);
    return geometry ? geometry->root : xcb_window_t(XCB_WINDOW_NONE);
}

class Pinger
{
public:
    Pinger(xcb_connection_t *connection, xcb_window_t window, xcb_window_t root)
        : m_connection(connection)
        , m_window(window)
        , m_protocols(atom(connection, "WM_PROTOCOLS"))
        , m_ping(atom(connection, "_NET_WM_PING"))
    {
        // The program answers to the root window, for the window manager,
        // with the event mask of the root's own or its children's changes
        // (toolkits differ): listening to both hears it.
        const uint32_t mask = XCB_EVENT_MASK_STRUCTURE_NOTIFY | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
        xcb_change_window_attributes(connection, root, XCB_CW_EVENT_MASK, &mask);
        xcb_flush(connection);
    }

    // Pings every 10 ms and prints the answers until standard input ends.
    int run()
    {
        long long next = nowUs();
        pollfd waits[2] = {{xcb_get_file_descriptor(m_connection), POLLIN, 0},
                           {STDIN_FILENO, POLLIN, 0}};
        for (;;) {
            if (nowUs() >= next) {
                ping();
                // A late tick is not made up for: pings stay 10 ms apart.
                next = std::max(next + pingIntervalUs, nowUs());
            }
            readAnswers();
            if (xcb_connection_has_error(m_connection)) {
                std::fprintf(stderr, "wmpinger: the display connection broke\n");
                return 1;
            }
            const int timeoutMs = int(std::max(0LL, next - nowUs()) / 1000) + 1;
            if (poll(waits, 2, timeoutMs) < 0 && errno != EINTR)
                return 1;
            if (waits[1].revents & (POLLIN | POLLHUP)) {
                char buffer[256];
                if (read(STDIN_FILENO, buffer, sizeof buffer) <= 0)
                    return 0;
            }
        }
    }

private:
    void ping()
    {
        xcb_client_message_event_t message{};
        message.response_type = XCB_CLIENT_MESSAGE;
        message.format = 32;
        message.window = m_window;
        message.type = m_protocols;
        message.data.data32[0] = m_ping;
        // The time field comes back as sent: it carries the ping's number.
        message.data.data32[1] = uint32_t(m_sent.size());
        message.data.data32[2] = m_window;
        m_sent.push_back(nowUs());
        // No event mask: the event goes to the client that made the window.
        xcb_send_event(m_connection, 0, m_window, XCB_EVENT_MASK_NO_EVENT,
                       reinterpret_cast<const char *>(&message));
        xcb_flush(m_connection);
    }

    void readAnswers()
    {
        while (xcb_generic_event_t *event = xcb_poll_for_event(m_connection)) {
            const std::unique_ptr<xcb_generic_event_t, decltype(&std::free)> owned(event,
                                                                                   &std::free);
            if ((event->response_type & 0x7f) != XCB_CLIENT_MESSAGE)
                continue;
            const auto *answer = reinterpret_cast<const xcb_client_message_event_t *>(event);
            const uint32_t number = answer->data.data32[1];
            if (answer->type != m_protocols || answer->data.data32[0] != m_ping ||
                number >= m_sent.size())
                continue;
            std::printf("%lld %lld\n", m_sent[number], nowUs() - m_sent[number]);
        }
        std::fflush(stdout);
    }

    xcb_connection_t *m_connection;
    xcb_window_t m_window;
    xcb_atom_t m_protocols;
    xcb_atom_t m_ping;
    std::vector<long long> m_sent;
};

} // namespace

int main(int argc, char *argv[])
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: wmpinger WINDOW-ID\n");
        return 2;
    }
    const auto window = xcb_window_t(std::strtoul(argv[1], nullptr, 0));
    xcb_connection_t *connection = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(connection)) {
        std::fprintf(stderr, "wmpinger: no display\n");
        return 1;
    }
    const xcb_window_t root = rootOf(connection, window);
    int status = 1;
    if (root == XCB_WINDOW_NONE)
        std::fprintf(stderr, "wmpinger: no window %s\n", argv[1]);
    else
        status = Pinger(connection, window, root).run();
    xcb_disconnect(connection);
    return status;
}
