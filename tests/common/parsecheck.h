#pragma once

#include "chunkingcheck.h"
#include "hexlist.h"

#include <QByteArray>
#include <QByteArrayList>
#include <QString>
#include <QTest>
#include <QVariant>

// Feeds `stream` whole to a fresh parser and checks its results, corrupt
// pieces and needsMore() against the expected ones, then that chunking
// changes nothing. `resultsText` shows a list of results in the failure
// message, which prints the stream, what was expected and what came; callers
// check QTest::currentTestFailed() afterwards.
template <typename ParserFactory, typename Results, typename ResultsText>
void verifyParse(const ParserFactory &makeParser, const QByteArray &stream, const Results &results,
                 const QByteArrayList &corrupt, bool needsMore, const ResultsText &resultsText)
{
    auto parser = makeParser();
    const auto parsed = parser.feed(stream);
    const auto text = [&resultsText](const Results &shown, const QByteArrayList &bad, bool more) {
        return QStringLiteral("%1; corrupt %2; needs more: %3")
            .arg(resultsText(shown), hexList(bad), QVariant(more).toString());
    };
    QVERIFY2(parsed.results == results && parsed.corrupt == corrupt &&
                 parser.needsMore() == needsMore,
             qPrintable(QStringLiteral("stream %1:\nexpected %2\ngot      %3")
                            .arg(QString::fromLatin1(stream.toHex(' ')),
                                 text(results, corrupt, needsMore),
                                 text(parsed.results, parsed.corrupt, parser.needsMore()))));
    verifyChunkingIndependence(makeParser, stream);
}
