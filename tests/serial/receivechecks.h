#pragma once

#include "hexformat.h"

#include <QByteArray>
#include <QPlainTextEdit>
#include <QRandomGenerator>
#include <QTest>
#include <QTextBlock>

// What the terminal tests check of a receive view after a stream that real
// devices send (no line feeds, CR only, binary): the view keeps its line
// limit, every line stays within the display cap, and with its line breaks
// taken out it holds the data whole.
namespace ReceiveChecks {

// Longest display lines: text, and a hex dump of 64 bytes in each style.
inline constexpr int textLineCap = 1024;
inline int hexLineCap(HexFormat::Style style)
{
    return 64 * HexFormat::charsPerByte(style);
}

inline QString withoutBreaks(const QPlainTextEdit &view)
{
    return view.toPlainText().remove(QLatin1Char('\n'));
}

// The hex dump of a whole stream with its line breaks taken out, which is
// what a view shows of it however the stream was cut into chunks.
inline QString hexWithoutBreaks(const QByteArray &stream, HexFormat::Style style)
{
    return HexFormat::chunk(stream, style, true).remove(QLatin1Char('\n'));
}

inline void verifyBounded(const QPlainTextEdit &view, int lineCap)
{
    QVERIFY2(view.blockCount() <= view.maximumBlockCount(),
             qPrintable(QStringLiteral("%1 lines").arg(view.blockCount())));
    for (QTextBlock block = view.document()->firstBlock(); block.isValid(); block = block.next())
        QVERIFY2(block.length() <= lineCap + 1,
                 qPrintable(QStringLiteral("a line of %1 characters").arg(block.length())));
}

// Waits until both views show the whole stream, and checks their lines.
inline void verifyShown(const QPlainTextEdit &textView, const QPlainTextEdit &hexView,
                        const QByteArray &stream, const QString &text, HexFormat::Style style)
{
    const QString hex = hexWithoutBreaks(stream, style);
    QTRY_VERIFY2_WITH_TIMEOUT(withoutBreaks(hexView) == hex,
                              qPrintable(QStringLiteral("%1 of %2 hex characters shown")
                                             .arg(withoutBreaks(hexView).size())
                                             .arg(hex.size())),
                              20000);
    verifyBounded(hexView, hexLineCap(style));
    verifyBounded(textView, textLineCap);
    if (!text.isNull())
        QTRY_VERIFY(withoutBreaks(textView) == text);
}

// The streams devices send that have no line structure to speak of, and the
// text each shows (null for binary data, whose text is not compared).
inline void addStreamRows()
{
    QTest::addColumn<QByteArray>("stream");
    QTest::addColumn<QString>("text");
    const QByteArray endless(200000, 'x');
    QTest::newRow("no line feed") << endless << QString::fromLatin1(endless);
    QByteArray crOnly;
    for (int i = 0; i < 5000; ++i)
        crOnly += 'l' + QByteArray::number(i) + '\r';
    QTest::newRow("CR only") << crOnly
                             << QString::fromLatin1(crOnly).replace(QLatin1Char('\r'), QString());
    QByteArray binary(100000, Qt::Uninitialized);
    QRandomGenerator random(9);
    for (char &byte : binary)
        byte = char(random.bounded(256));
    QTest::newRow("binary") << binary << QString();
}

} // namespace ReceiveChecks
