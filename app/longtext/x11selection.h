#pragma once

#include <QDeadlineTimer>
#include <QString>

#include <atomic>
#include <optional>

// The text of another program's X11 selection, the clipboard or the primary
// selection, read over a connection of its own: a worker thread can wait for
// hundreds of megabytes to come while the window goes on answering, which
// the toolkit's own clipboard, read on the window's thread, does not allow.
namespace X11Selection {

enum class Which {
    Clipboard,
    Primary,
};

struct Text
{
    // None when the selection holds no text.
    std::optional<QString> text;
    // The program that holds it stopped answering.
    bool unanswered = false;
};

// Whether the program draws on an X11 display, where this reads.
[[nodiscard]] bool available();

// Blocks until the selection's owner has sent it all, as UTF-8 or else as
// Latin-1, or has been silent for `patienceMs`, or `deadline` has passed, or
// `abandoned` is set (looked at several times a second); all but the first
// are told as an owner that stopped answering.
[[nodiscard]] Text read(Which which, int patienceMs, QDeadlineTimer deadline,
                        const std::atomic_bool &abandoned);

} // namespace X11Selection
