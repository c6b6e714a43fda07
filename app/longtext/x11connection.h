#pragma once

#include <QByteArray>

#include <xcb/xcb.h>

#include <cstdlib>
#include <memory>

// A reply of the X server, freed as the X library asks.
template <class T> using X11Reply = std::unique_ptr<T, decltype(&std::free)>;

template <class T> X11Reply<T> x11Owned(T *reply)
{
    return X11Reply<T>(reply, &std::free);
}

// A connection of its own to the display the program draws on: a worker
// thread reads or serves a selection over it while the window's thread goes
// on with its own connection.
class X11Connection
{
public:
    // The display the toolkit opened, as it was named when the program
    // started (its -display option or DISPLAY); empty when the program does
    // not draw on X11. Asked on the window's thread.
    [[nodiscard]] static QByteArray displayName();

    explicit X11Connection(const QByteArray &display);
    ~X11Connection();
    X11Connection(const X11Connection &) = delete;
    X11Connection &operator=(const X11Connection &) = delete;

    // False when the display could not be reached.
    [[nodiscard]] bool isValid() const;
    [[nodiscard]] xcb_connection_t *get() const { return m_connection; }
    [[nodiscard]] xcb_atom_t atom(const char *name) const;
    // A window of its own, never shown, that reports `events`.
    [[nodiscard]] xcb_window_t createWindow(uint32_t events) const;
    // The largest property value one request carries, in bytes.
    [[nodiscard]] qsizetype largestRequest() const;

private:
    xcb_connection_t *m_connection = nullptr;
    int m_screen = 0;
};
