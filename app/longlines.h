#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <QStringView>

// A text as a text box shows it quickly: every line cut into pieces of at
// most `pieceLength` characters by line breaks added between them, which
// the box keeps apart from the text's own. A box lays a line out whole, in
// time and memory growing with its length, so a line of megabytes would
// hold the window for seconds.
class LongLines
{
public:
    // The longest piece of a line a box shows as one block.
    static constexpr qsizetype pieceLength = 4096;

    struct Pieces
    {
        // The text with a line break added between the pieces of its lines.
        QString shown;
        // Which of the line breaks of `shown` were added, numbered from 0 in
        // order (a CR LF pair counts as one, as a box makes it one break).
        QList<qsizetype> addedBreaks;
        // The characters on the last line of `shown`.
        qsizetype lastRun = 0;
    };

    // Whether a character ends a line in a text box: LF, CR, the paragraph
    // separator and the document frame marks.
    [[nodiscard]] static bool endsLine(QChar c);
    // `text` as a box gives it back once it is in, as
    // QTextDocument::toPlainText gives it: each line end (`endsLine`, CR LF,
    // the line separator) an LF, each no-break space a space.
    [[nodiscard]] static QString asBoxText(QString text);
    // Cuts `text`, whose first line continues a line of `run` characters.
    // A surrogate pair is never parted.
    [[nodiscard]] static Pieces split(QStringView text, qsizetype run = 0);
    // Where to cut `text` at `at`, or a character before where a cut there
    // would part a surrogate pair or a CR LF pair.
    [[nodiscard]] static qsizetype cut(QStringView text, qsizetype at);
    // `text` in parts of about `length` characters (two or more), cut as
    // `cut` cuts. Given the only copy of the text, it cuts the parts off its
    // end one after the other and lets go of each one's memory in the text,
    // so that the parts take hardly more than the text did.
    [[nodiscard]] static QStringList parts(QString text, qsizetype length);
};
