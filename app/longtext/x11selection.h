#pragma once

#include <QByteArray>
#include <QDeadlineTimer>
#include <QString>

#include <atomic>

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
    enum class Outcome {
        // `text` holds it.
        Taken,
        // No program holds the selection, or it offers no text.
        NoText,
        // The program that holds it stopped answering.
        Unanswered,
        // The display could not be reached.
        Unreached,
        // Longer than the most asked for: `length` says how long, and
        // nothing of it was kept.
        TooLong,
    };
    Outcome outcome = Outcome::NoText;
    QString text;
    qsizetype length = 0;
};

// Blocks until the selection's owner of `display` has sent its text: UTF-8
// where it offers it, else STRING, which is Latin-1; or has been silent for
// `patienceMs`, or `deadline` has passed, or `abandoned` is set (looked at
// several times a second); all but the first are told as an owner that
// stopped answering. A text of more than `longest` characters is read to its
// end and counted, not kept.
[[nodiscard]] Text read(const QByteArray &display, Which which, int patienceMs, qsizetype longest,
                        QDeadlineTimer deadline, const std::atomic_bool &abandoned);

} // namespace X11Selection
