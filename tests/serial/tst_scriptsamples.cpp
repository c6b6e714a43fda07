#include "scriptsamples.h"

#include <QSet>
#include <QTest>

#include <algorithm>

// The samples a font is warmed up with: a script left out would find and
// load its fonts in a view's repaint after all.
class TestScriptSamples : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void everyScriptOnceInOrder();
};

void TestScriptSamples::everyScriptOnceInOrder()
{
    QSet<int> sampled;
    QList<uint> firstCodes;
    for (const QString &sample : scriptSamples()) {
        const QList<uint> codes = sample.toUcs4();
        const int script = QChar::script(codes.first());
        QVERIFY2(!sampled.contains(script) &&
                     std::all_of(codes.cbegin(), codes.cend(),
                                 [script](uint code) { return QChar::script(code) == script; }),
                 qPrintable(QStringLiteral("script %1 in sample \"%2\"").arg(script).arg(sample)));
        sampled.insert(script);
        firstCodes.append(codes.first());
    }
    QVERIFY(std::is_sorted(firstCodes.cbegin(), firstCodes.cend()));
    for (char32_t code = 0x80; code <= QChar::LastValidCodePoint; ++code) {
        if (!QChar::isSurrogate(code) && QChar::category(code) != QChar::Other_NotAssigned)
            QVERIFY2(sampled.contains(QChar::script(code)),
                     qPrintable(QStringLiteral("no sample of U+%1").arg(uint(code), 4, 16)));
    }
}

QTEST_GUILESS_MAIN(TestScriptSamples)
#include "tst_scriptsamples.moc"
