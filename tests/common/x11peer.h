#pragma once

#include "x11connection.h"

#include <QByteArrayList>

#include <atomic>
#include <thread>

// Another program on the display, written against xcb: it asks the owner of
// the clipboard for forms, one by one or at once (MULTIPLE), reading a reply
// that comes in parts (INCR); or it holds the clipboard itself, answering
// as scripted on a thread of its own. One peer plays one of the two parts.
class X11Peer
{
public:
    X11Peer();
    ~X11Peer();
    X11Peer(const X11Peer &) = delete;
    X11Peer &operator=(const X11Peer &) = delete;

    // Each reply told as its type and value: the bytes, an ATOM list's
    // names or an INTEGER's number after a space; "None" where refused. A
    // target may name its property after a space; MULTIPLE's own is "PEER".
    // After the property, "abandoned": of a reply in parts the peer takes
    // only the announcement ("INCR" and the size), leaving the rest.
    [[nodiscard]] QByteArrayList ask(const QByteArrayList &targets, bool multiple);
    // When the clipboard last changed hands since the peer came, by XFixes.
    [[nodiscard]] xcb_timestamp_t lastChange() const { return m_lastChange; }

    // Takes the clipboard, each of `answers` being "target type bytes"
    // (type None: refused); TARGETS names them.
    void hold(const QByteArrayList &answers);

private:
    [[nodiscard]] X11Reply<xcb_generic_event_t> wait(uint8_t type, xcb_atom_t atom);
    [[nodiscard]] QByteArray read(xcb_atom_t property, bool whole = true);
    [[nodiscard]] QByteArray name(xcb_atom_t atom) const;

    X11Connection m_connection;
    xcb_window_t m_window;
    xcb_atom_t m_clipboard;
    uint8_t m_changeEvent = 0;
    xcb_timestamp_t m_lastChange = 0;
    std::atomic_bool m_stopping = false;
    std::thread m_owner;
};
