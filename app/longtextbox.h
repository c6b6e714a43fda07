#pragma once

class QString;
class QTextEdit;

// Text boxes that may hold megabytes on one line: the Crypty and Unicode
// tabs' (a Base64 text, a run of hex groups) and the MQTT publish box (a
// payload).
namespace LongTextBox {

// Wraps anywhere (wrapping at word boundaries lays a long word out in time
// growing with the square of its length), skips the typesetter's shaping
// for scripts that need none (its work per glyph dominates the layout of a
// long text) and keeps the vertical scroll bar, so a text that comes to fill
// the box is not laid out a second time for the narrower width.
void prepare(QTextEdit *box);

// The box's text as the program reads and the user copies it.
[[nodiscard]] QString text(const QTextEdit *box);

// Replaces the box's text, shown from its start. Unlike
// QTextEdit::setPlainText it does not make the cursor visible, which would
// analyse the whole of a long line once more.
void show(QTextEdit *box, const QString &text);

} // namespace LongTextBox
