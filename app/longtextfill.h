#pragma once

#include <QObject>
#include <QString>
#include <QStringList>
#include <QTextCursor>
#include <QTimer>

class QTextBlock;
class QTextDocument;
class QTextEdit;

// Puts a long text into a text box a slice per turn of the event loop, its
// long lines cut into pieces (LongLines) shown as blocks marked as
// continuing the line before, so that the window keeps answering however
// long the text. The box is read-only until the text is in, and reads as
// the whole text from the start.
class LongTextFill : public QObject
{
    Q_OBJECT

public:
    // The characters put in per turn.
    static constexpr qsizetype sliceLength = 1 << 20;

    enum class Mode {
        Replace, // the box's text, undo history and all
        Insert,  // at a cursor, as one step to undo
    };

    // A child of `box`.
    explicit LongTextFill(QTextEdit *box);

    // Ends a fill under way and starts putting in the text made of `parts`
    // (each let go of once in), the first slice at once; Insert replaces
    // the selection of `at`.
    void start(Mode mode, const QTextCursor &at, QStringList parts);
    [[nodiscard]] bool isFilling() const { return !m_cursor.isNull(); }
    // The box's text as the program reads and the user copies it: the
    // added breaks left out, and what is still to come put in.
    // `room`, an empty string, may bring the memory to read the text into.
    [[nodiscard]] QString text(QString room = QString()) const;

    // Whether a block continues the line of the block before it.
    [[nodiscard]] static bool continues(const QTextBlock &block);
    static void setContinues(const QTextBlock &block, bool continued);
    // The text of a document between two positions, read as
    // QTextDocument::toPlainText reads it but without the added breaks,
    // appended to `text`.
    [[nodiscard]] static QString documentText(const QTextDocument *document, int from, int to,
                                              QString text = QString());

private:
    void insertSlice(bool first);
    void finish();

    QTextEdit *m_box;
    QTimer m_next;
    Mode m_mode = Mode::Replace;
    QTextCursor m_cursor;
    QStringList m_parts;
    // The characters of the first part that are in.
    qsizetype m_done = 0;
    qsizetype m_run = 0;
    bool m_wasReadOnly = false;
    bool m_hadUndo = false;
};
