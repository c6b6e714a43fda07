#include "scriptfontwarmup.h"
#include "yurbtestmain.h"

#include <QSignalSpy>

#include <memory>

// A font is warmed up once per process, and again only after a warm-up that
// ended unfinished with its owner; a warm-up ends.
class TestScriptFontWarmUp : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void fontWarmedUpOnce();
};

void TestScriptFontWarmUp::fontWarmedUpOnce()
{
    QFont font = QApplication::font();
    font.setPointSize(31); // no view's
    auto owner = std::make_unique<QObject>();
    QVERIFY(ScriptFontWarmUp::start(font, owner.get()));
    QVERIFY(!ScriptFontWarmUp::start(font, owner.get()));
    owner = std::make_unique<QObject>();
    ScriptFontWarmUp *warmUp = ScriptFontWarmUp::start(font, owner.get());
    QVERIFY(warmUp);
    QSignalSpy finished(warmUp, &ScriptFontWarmUp::finished);
    QVERIFY(finished.wait(30000));
    QTest::qWait(50);
    QCOMPARE(finished.count(), 1);
    owner.reset();
    QObject next;
    QVERIFY(!ScriptFontWarmUp::start(font, &next));
}

YURB_TEST_MAIN(TestScriptFontWarmUp)
#include "tst_scriptfontwarmup.moc"
