#pragma once

#include <QString>
#include <QStringList>

class QKeyEvent;
class QMimeData;
class QTextEdit;

// Text boxes that may hold megabytes on one line: the Crypty and Unicode
// tabs' (a Base64 text, a run of hex groups) and the MQTT publish box (a
// payload). A long text goes in a slice per turn of the event loop, its
// lines shown in pieces that each lay out quickly (LongTextFill); what the
// program reads and the user copies is the text itself, without the breaks
// between the pieces. The boxes are LongTextWidget, whose copy, paste and
// typed line breaks come here.
namespace LongTextBox {

// Wraps anywhere (wrapping at word boundaries lays a long word out in time
// growing with the square of its length), skips the typesetter's shaping
// for scripts that need none (its work per glyph dominates the layout of a
// long text) and keeps the vertical scroll bar, so a text that comes to fill
// the box is not laid out a second time for the narrower width.
void prepare(QTextEdit *box);

// The box's text as the program reads and the user copies it. While a text
// is still going in, it reads as it will be once in. `room`, an empty string,
// may bring the memory to read it into.
[[nodiscard]] QString text(const QTextEdit *box, QString room = QString());

// Whether a text is still going into the box (it is read-only meanwhile).
[[nodiscard]] bool isFilling(const QTextEdit *box);

// Replaces the box's text with the text made of `parts` (LongLines::parts),
// each let go of once in, shown from its start. Unlike
// QTextEdit::setPlainText it does not make the cursor visible, which would
// lay the whole text out at once.
void show(QTextEdit *box, QStringList parts);

// The selection for the clipboard when it spans a break between pieces,
// else none (the box's own then serves).
[[nodiscard]] QMimeData *selectionMimeData(const QTextEdit *box);

// Pastes a source's text as plain text when it is long or the box shows
// pieces, without making the cursor visible; false when the box's own
// paste serves.
[[nodiscard]] bool paste(QTextEdit *box, const QMimeData *source);

// After the box handled a key: a line break typed at the start of a piece
// ends the line there, so the piece after it begins a line of its own.
void keyHandled(QTextEdit *box, const QKeyEvent *event);

} // namespace LongTextBox
