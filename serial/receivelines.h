#pragma once

#include <QString>
#include <QStringView>

#include <deque>

class QTime;

// Turns what a receive view is given, chunk by chunk, into the lines it
// shows. A chunk with a time stamp starts a line of its own (except the very
// first of an empty view); a chunk without one runs on from the last line.
// A line ends at each line feed and is cut after `lineCap` characters of
// data, going on in a continuation line, so no line grows without bound and
// the view's line limit bounds its memory and layout work whatever the data.
// Only the newest `maximumLines` lines are kept while they wait to be shown:
// older ones would leave the view at once.
class ReceiveLines
{
public:
    struct Line
    {
        QString text;
        qsizetype stampLength = 0; // the line begins with a time stamp this long
        bool continuation = false; // cut from the line before at the cap
    };

    // Lines taken for the view, oldest first.
    struct Batch
    {
        std::deque<Line> lines;
        // The first line goes on at the end of the view's last line.
        bool continuesLastLine = false;
        // The view is emptied before the lines go in.
        bool replacesView = false;
    };

    ReceiveLines(qsizetype lineCap, int maximumLines);

    void append(QStringView text, QStringView stamp = {});
    [[nodiscard]] bool hasPending() const { return !m_lines.empty() || m_replaces; }
    [[nodiscard]] qsizetype pendingChars() const { return m_pendingChars; }
    [[nodiscard]] Batch take();
    // Takes the oldest pending lines, about `maximumChars` characters of them
    // (at least one line); the rest stays pending and starts a line of its
    // own. A view written in such slices never waits long for one write.
    [[nodiscard]] Batch take(qsizetype maximumChars);
    // Forgets everything: the next batch replaces whatever the view shows.
    void clear();

    // The stamp put before each received chunk: "[hh:mm:ss.zzz]".
    [[nodiscard]] static QString timeStamp(const QTime &time);

private:
    Line &openLine();
    void newLine(bool continuation);
    void appendData(QStringView data);

    qsizetype m_lineCap;
    int m_maximumLines;
    std::deque<Line> m_lines;
    qsizetype m_pendingChars = 0;
    qsizetype m_column = 0; // data characters on the last line
    bool m_empty = true;    // nothing shown or pending
    bool m_continues = true;
    bool m_replaces = false;
};
