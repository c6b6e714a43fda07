#pragma once

#include "longtext.h"
#include "x11connection.h"
#include "x11selection.h"

#include <QClipboard>
#include <QMutex>
#include <QObject>
#include <QWaitCondition>

#include <array>
#include <atomic>
#include <memory>
#include <optional>
#include <thread>

// The program's own owner of the X11 clipboard and primary selection for
// what the long-text boxes copy and select. On a worker thread, over a
// connection of its own, it answers other programs' asks from the box's
// pieces: TARGETS, TIMESTAMP, MULTIPLE, UTF-8 (UTF8_STRING,
// text/plain;charset=utf-8) and STRING (Latin-1), a long text by the
// incremental protocol, each part encoded as it goes, so that the window's
// thread neither makes nor waits for the text however long. It lets go of a
// selection that another program, or the toolkit's own clipboard, takes;
// the program's other widgets read it as they read any program's.
class X11SelectionOwner : public QObject
{
    Q_OBJECT

public:
    // The program's owner, made on first use as a child of the application;
    // null where the program does not draw on X11 or its display is not
    // reached.
    [[nodiscard]] static X11SelectionOwner *instance();
    ~X11SelectionOwner() override;

    // Takes the selection, for `pieces`.
    void offer(X11Selection::Which which, LongText::Pieces pieces);
    // What the program offers, while it holds the selection.
    [[nodiscard]] std::optional<LongText::Pieces> offered(X11Selection::Which which) const;

private:
    struct Offer
    {
        LongText::Pieces pieces;
        bool held = false;
        // Counts the offers; the worker has taken the selection for those
        // up to `taken`.
        quint64 generation = 0;
        quint64 taken = 0;
    };

    X11SelectionOwner(std::unique_ptr<X11Connection> connection, QObject *parent);
    void serve();
    // Takes the selections offered since the worker last did, each at the
    // time it last changed hands, else at `now`, the server's time.
    void take(const std::array<xcb_timestamp_t, 2> &changed, xcb_timestamp_t now);
    [[nodiscard]] bool offersToTake() const;
    // Lets go of the offer of `selection` when another program took it.
    void lost(xcb_atom_t selection);
    // Lets go of what the toolkit's own clipboard now holds.
    void takenByToolkit(QClipboard::Mode mode);
    // As the program quits, the clipboard goes to the toolkit's own, which
    // hands it to a clipboard manager, so that a copy outlives the program.
    void handToToolkit();

    std::unique_ptr<X11Connection> m_connection;
    xcb_window_t m_window = 0;
    std::array<xcb_atom_t, 2> m_selections{};
    // When the worker last took each selection; the worker's alone.
    std::array<xcb_timestamp_t, 2> m_acquired{};
    // The first event of XFixes' notices of selections changing hands;
    // zero without them.
    uint8_t m_changeEvent = 0;
    // Wakes the worker to look for events, or to stop.
    int m_wake = -1;
    mutable QMutex m_mutex;
    QWaitCondition m_took;
    std::array<Offer, 2> m_offers;
    std::atomic<bool> m_stopping{false};
    std::thread m_thread;
};
