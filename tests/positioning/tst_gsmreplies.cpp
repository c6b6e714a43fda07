#include "gsmreplies.h"
#include "smslengthguard.h"
#include "smsreply.h"
#include "ucs2hex.h"
#include "unsolicitedreader.h"

#include <QStringEncoder>
#include <QTest>

// The GSM console's reply parsers, UCS2 codec, message length guard and
// unsolicited-line reader, each row one function applied to one input, its
// result written as text.
class TestGsmReplies : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void apply_data();
    void apply();
};

namespace {
// The UCS2 hex text of `text` by an encoder independent of the one tested.
QString independentHex(const QString &text)
{
    QStringEncoder utf16be(QStringConverter::Utf16BE);
    return QString::fromLatin1(QByteArray(utf16be(text)).toHex());
}

QString switchText(const QByteArray &reply, GsmReplies::Switch query)
{
    const std::optional<int> state = GsmReplies::switchState(reply, query);
    return state ? QString::number(*state) : QStringLiteral("none");
}

// A text with '|' at the cursor, before and after the guard.
QString guarded(const QString &marked)
{
    QString text = marked;
    int cursor = int(text.indexOf(QLatin1Char('|')));
    text.remove(cursor, 1);
    SmsLengthGuard::apply(text, cursor);
    return text.insert(cursor, QLatin1Char('|'));
}

// Chunks split at '|' fed in turn: the events, then the text left over.
QString read(const QByteArray &input)
{
    static const char *const names[] = {"CallEnded",    "Busy",   "Connected", "Ring",
                                        "CallerNumber", "NewSms", "CallFailed"};
    QByteArray buffer;
    bool ringSeen = false;
    bool callerNumberReady = false;
    QStringList events;
    for (const QByteArray &chunk : input.split('|')) {
        for (const auto &event :
             UnsolicitedReader::feed(buffer, ringSeen, callerNumberReady, chunk))
            events.append(QLatin1String(names[int(event.kind)]) + event.text);
    }
    return events.join(QLatin1Char(',')) + QLatin1Char(';') + QString::fromLatin1(buffer);
}

// Junk that matches no rule, fed far past the bound, then a message line.
QString bounded(const QByteArray &junk)
{
    QByteArray buffer;
    bool ringSeen = false;
    bool callerNumberReady = false;
    qsizetype largest = 0;
    for (int i = 0; i < 1000; ++i) {
        (void)UnsolicitedReader::feed(buffer, ringSeen, callerNumberReady, junk);
        largest = std::max(largest, buffer.size());
    }
    const auto events =
        UnsolicitedReader::feed(buffer, ringSeen, callerNumberReady, "+CMTI: \"SM\",12\r\n");
    const QString size = largest <= UnsolicitedReader::maximumBuffer ? QStringLiteral("bounded")
                                                                     : QStringLiteral("unbounded");
    return size + QLatin1Char(' ') + (events.size() == 1 ? events.first().text : QString());
}

QString apply(const QString &function, const QByteArray &input)
{
    if (function == QLatin1String("csq")) {
        const std::optional<int> value = GsmReplies::signalValue(input);
        if (!value)
            return QStringLiteral("not read");
        return GsmReplies::signalPicture(*value).value_or(QStringLiteral("no picture"));
    }
    if (function == QLatin1String("clip"))
        return switchText(input, GsmReplies::Switch::ShowCaller);
    if (function == QLatin1String("calm"))
        return switchText(input, GsmReplies::Switch::CallMusic);
    if (function == QLatin1String("cmgf"))
        return switchText(input, GsmReplies::Switch::SmsTextMode);
    if (function == QLatin1String("cmgr")) {
        const std::optional<SmsReply> message = SmsReply::parse(input);
        return message ? message->display() : QStringLiteral("none");
    }
    if (function == QLatin1String("encode"))
        return Ucs2Hex::encode(QString::fromUtf8(input));
    if (function == QLatin1String("decode"))
        return Ucs2Hex::decode(QString::fromLatin1(input));
    if (function == QLatin1String("guard"))
        return guarded(QString::fromUtf8(input));
    if (function == QLatin1String("read"))
        return read(input);
    if (function == QLatin1String("bound"))
        return bounded(input);
    if (function == QLatin1String("kind")) {
        const bool reply = GsmReplies::isReplyLine(input);
        const bool unsolicited = UnsolicitedReader::isUnsolicited(input);
        return unsolicited ? QStringLiteral("unsolicited")
                           : (reply ? QStringLiteral("reply") : QStringLiteral("data"));
    }
    if (function == QLatin1String("ok"))
        return GsmReplies::holdsOk(input) ? QStringLiteral("yes") : QStringLiteral("no");
    if (function == QLatin1String("prompt"))
        return GsmReplies::holdsPrompt(input) ? QStringLiteral("yes") : QStringLiteral("no");
    return QStringLiteral("unknown function");
}
} // namespace

void TestGsmReplies::apply_data()
{
    QTest::addColumn<QString>("function");
    QTest::addColumn<QByteArray>("input");
    QTest::addColumn<QString>("expected");

    const auto row = [](const char *name, const char *function, const QByteArray &input,
                        const QString &expected) {
        QTest::newRow(name) << QString::fromLatin1(function) << input << expected;
    };

    // Signal quality: the number up to the comma picks the picture.
    row("csq 15,99", "csq", "+CSQ: 15,99\r\n\r\nOK\r\n", ":images/sig75.png");
    row("csq 31,0", "csq", "+CSQ: 31,0\r\n\r\nOK\r\n", ":images/sig100.png");
    row("csq 99,99", "csq", "+CSQ: 99,99\r\n\r\nOK\r\n", ":images/sig0.png");
    row("csq one digit 7,0", "csq", "AT+CSQ\r\r\n+CSQ: 7,0\r\n\r\nOK\r\n", ":images/sig75.png");
    row("csq 0", "csq", "+CSQ: 0,0\r\n\r\nOK\r\n", ":images/sig25.png");
    row("csq 1", "csq", "+CSQ: 1,0\r\n\r\nOK\r\n", ":images/sig50.png");
    row("csq 2 has no range", "csq", "+CSQ: 2,0\r\n\r\nOK\r\n", "no picture");
    row("csq negative has no range", "csq", "+CSQ: -1,0\r\n\r\nOK\r\n", "no picture");
    row("csq 100 has no range", "csq", "+CSQ: 100,0\r\n\r\nOK\r\n", "no picture");
    row("csq not a number reads 0", "csq", "+CSQ: x,0\r\n\r\nOK\r\n", ":images/sig25.png");
    row("csq OK before its value came", "csq", "OK\r\n", "not read");
    row("csq without OK", "csq", "+CSQ: 20,0\r\n", "not read");
    row("csq value line unfinished", "csq", "OK\r\n+CSQ: 2", "not read");
    row("csq with a line ending in OK", "csq", "+CSQ: 20,0\r\nNOK\r\n", "not read");

    // The final result OK is a line of its own.
    row("ok after a blank line", "ok", "\r\nOK\r\n", "yes");
    row("ok after the echo", "ok", "AT\r\r\nOK\r\n", "yes");
    row("ok at the end of text", "ok", "\r\n0041OK\r\n", "no");
    row("ok without its line end", "ok", "\r\nOK", "no");

    // Switch queries: the state once its line is whole.
    row("clip 0,1 is off", "clip", "+CLIP: 0,1\r\n\r\nOK\r\n", "0");
    row("clip 1,0 is on", "clip", "+CLIP: 1,0\r\n", "1");
    row("clip line unfinished", "clip", "+CLIP: 1", "none");
    row("clip no digit", "clip", "+CLIP: x\r\n", "none");
    row("calm 0 is music on", "calm", "+CALM: 0\r\n\r\nOK\r\n", "1");
    row("calm 1 is music off", "calm", "+CALM: 1\r\n", "0");
    row("cmgf 1 is text mode", "cmgf", "+CMGF: 1\r\n\r\nOK\r\n", "1");
    row("cmgf 0", "cmgf", "+CMGF: 0\r\n", "0");
    row("cmgf other reply", "cmgf", "+CMGF: \r\nOK\r\n", "none");

    // Message replies.
    row("cmgr received", "cmgr",
        "+CMGR: \"REC READ\",\"002B0031003200330034\",\"\",\"24/05/01,10:20:30+32\"\r\n"
        "00480069\r\n\r\nOK\r\n",
        "Sender:+1234\nTime:24/05/01,10:20:30+32\nHi");
    row("cmgr stored", "cmgr", "+CMGR: \"STO UNSENT\",\"0031\",\"\"\r\n00480069\r\n\r\nOK\r\n",
        "Sender:1\nTime:\nHi");
    row("cmgr non-ASCII sender", "cmgr",
        "+CMGR: \"REC UNREAD\",\"5F204E09\",\"\",\"t\"\r\n4E2D\r\n\r\nOK\r\n",
        QStringLiteral("Sender:张三\nTime:t\n中"));
    row("cmgr without separators", "cmgr", "+CMGR: \"REC READ\"\r\nOK\r\n", "Sender:\nTime:\n");
    row("cmgr header cut after the sender", "cmgr", "+CMGR: \"REC READ\",\"0041",
        "Sender:A\nTime:\n");
    row("cmgr body line unfinished", "cmgr", "+CMGR: \"REC READ\",\"0041\",\"\",\"t\"\r\n0042",
        "Sender:A\nTime:t\nB");
    row("cmgr other reply", "cmgr", "+CMGL: 1\r\nOK\r\n", "none");

    // UCS2 codec against an independent UTF-16BE encoding.
    for (const QString &text :
         {QStringLiteral("abc"), QStringLiteral("\n"), QStringLiteral("\u00ff\u0100"),
          QStringLiteral("中文短信"), QStringLiteral("a\U0001F600b"), QString()}) {
        const QString hex = independentHex(text);
        row(qPrintable(QStringLiteral("encode %1").arg(hex)), "encode", text.toUtf8(), hex);
        row(qPrintable(QStringLiteral("decode %1").arg(hex)), "decode", hex.toLatin1(), text);
        row(qPrintable(QStringLiteral("decode upper %1").arg(hex)), "decode",
            hex.toUpper().toLatin1(), text);
    }
    row("decode seven digits", "decode", "0048006", "H");
    row("decode three digits", "decode", "004", "");
    row("decode bad hex", "decode", "00G10041", QStringLiteral("%1A").arg(QChar(0)));

    // Length guard at 70 units: the newest input past the limit goes.
    const QString sixty(60, QLatin1Char('a'));
    const QString seventy(70, QLatin1Char('a'));
    row("guard within the limit", "guard", (sixty + "|").toUtf8(), sixty + "|");
    row("guard paste at the end", "guard", (sixty + "0123456789ABCDEFGHIJ|").toUtf8(),
        sixty + "0123456789|");
    row("guard paste in the middle", "guard",
        ("aaaaa0123456789ABCDEFGHIJ|" + sixty.left(55)).toUtf8(),
        "aaaaa0123456789|" + sixty.left(55));
    row("guard never splits a surrogate pair", "guard",
        (seventy.left(69) + QStringLiteral("\U0001F600|")).toUtf8(), seventy.left(69) + "|");

    // Unsolicited lines in chunks: events, then what stays for later.
    row("ring, then the caller line", "read", "\r\nRING\r\n|\r\n+CLIP: \"1380\"|,129,\"\",0\r\n",
        "Ring,CallerNumber1380;");
    row("caller without its quote is no number", "read", "RING\r\n|+CLIP,129,", "Ring;+CLIP,129,");
    row("repeated rings announce once", "read", "RING\r\n|RING\r\n|RING\r\n", "Ring;");
    row("the call's end clears the ring", "read", "RING\r\n|NO CARRIER\r\n|RING\r\n",
        "Ring,CallEnded,Ring;");
    row("busy", "read", "\r\nBUSY\r\n", "Busy;");
    row("no carrier waits for its line end", "read", "NO CARR|IER", ";NO CARRIER");
    row("no carrier completed", "read", "NO CARR|IER\r\n", "CallEnded;");
    row("connected", "read", "+COLP: \"10086\",129\r\n", "Connected;");
    row("new message waits for its line end", "read", "+CMTI: \"SM\",3|\r\n", "NewSms3;");
    row("new message elsewhere is no notice", "read", "+CMTI: \"ME\",3\r\n", ";");
    row("a tone's answer is dropped", "read", "\r\nOK\r\n", ";");
    // Each line on its own, in order, whatever shares its read.
    row("new message, then a ring", "read", "+CMTI: \"SM\",3\r\nRING\r\n", "NewSms3,Ring;");
    row("two new messages", "read", "+CMTI: \"SM\",3\r\n+CMTI: \"SM\",4\r\n|+CMTI",
        "NewSms3,NewSms4;+CMTI");
    row("a late failed dial", "read", "\r\nNO ANSWER\r\n", "CallFailedNO ANSWER;");

    // Lines while a transaction waits: unsolicited, an AT reply's, or a peer's.
    row("kind of a new-message line", "kind", "+CMTI: \"SM\",3", "unsolicited");
    row("kind of a caller line", "kind", "+CLIP: \"1380\",129", "unsolicited");
    row("kind of a caller-id query answer", "kind", "+CLIP: 0,1", "reply");
    row("kind of a result code", "kind", "SEND OK", "reply");
    row("kind of a blank line", "kind", "", "reply");
    row("kind of text", "kind", "hello", "data");
    row("prompt after a line end", "prompt", "\r\n> ", "yes");
    row("markup is no prompt", "prompt", "<b>x</b>\r\n", "no");
    row("bound, whole lines", "bound", "+CSQ: 20,0\r\nOK\r\n", "bounded 12");
    row("bound, one endless line", "bound", QByteArray(100, 'x'), "bounded 12");
}

void TestGsmReplies::apply()
{
    QFETCH(QString, function);
    QFETCH(QByteArray, input);
    QFETCH(QString, expected);

    const QString actual = ::apply(function, input);
    QVERIFY2(actual == expected,
             qPrintable(QStringLiteral("%1(%2): expected \"%3\", got \"%4\"")
                            .arg(function, QString::fromUtf8(input.toPercentEncoding("\"+,:/ ")),
                                 expected, actual)));
}

QTEST_GUILESS_MAIN(TestGsmReplies)
#include "tst_gsmreplies.moc"
