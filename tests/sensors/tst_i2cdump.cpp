#include "i2ccommands.h"
#include "i2cframe.h"
#include "mainwindow.h"
#include "nuvelix_i2c_tools.h"
#include "portlist.h"
#include "promptrecorder.h"
#include "ptypair.h"
#include "scriptedbridge.h"
#include "settingsfile.h"
#include "windowprobe.h"
#include "yurbtestmain.h"

#include <QComboBox>
#include <QDialog>
#include <QHash>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>

#include <memory>

namespace {
// A cell's text and shade: "3C green", "00 white", "00 none" before any.
QString cellShown(const QLabel &cell)
{
    static const QHash<QString, QString> shades{
        {"#ffffff", "white"}, {"#00cd66", "green"}, {"#ff69b4", "pink"}};
    const QString colour = cell.palette().color(QPalette::Window).name();
    return cell.text() + QLatin1Char(' ') +
           (cell.autoFillBackground() ? shades.value(colour, colour) : QStringLiteral("none"));
}

// Counts the paints of the widgets it watches.
class PaintCount : public QObject
{
public:
    int count = 0;

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        count += event->type() == QEvent::Paint;
        return false;
    }
};

QString hexOf(const QByteArray &bytes)
{
    return QString::fromLatin1(bytes.toHex());
}
} // namespace

// The i2cdump tab against a scripted bridge board on a pty: scan, address,
// the live table, reads and writes through the dialogs, and no command sent
// unless the tab holds the port.
class TestI2cDump : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void scenario_data();
    void scenario();
    void tablesBetweenShows_data();
    void tablesBetweenShows();
    void cellsPaintAsLabels();
    void cellsOutsideTheTableAndTheSum();

private:
    void step(const QString &step);
    [[nodiscard]] QWidget *widget(const QString &path) const;

    std::unique_ptr<PtyPair> m_pty;
    std::unique_ptr<ScriptedBridge> m_board;
    std::unique_ptr<PromptRecorder> m_prompts;
    std::unique_ptr<MainWindow> m_window;
    PaintCount m_paints;
};

void TestI2cDump::init()
{
    m_pty = std::make_unique<PtyPair>();
    QVERIFY(m_pty->isOpen());
    m_board = std::make_unique<ScriptedBridge>(*m_pty);
    m_board->devices = QByteArray::fromHex("3c48");
    const QString path = m_pty->slavePath();
    PortList::setLister([path] { return QStringList{path}; });
    m_prompts = std::make_unique<PromptRecorder>();
    m_window = std::make_unique<MainWindow>();
}

void TestI2cDump::cleanup()
{
    m_window.reset();
    m_prompts.reset();
    m_board.reset();
    m_pty.reset();
    PortList::setLister({});
    QFile::remove(settingsFilePath());
}

// "read:NAME" and "write:NAME" are widgets of the dialogs, "tools:NAME" of
// the register-table widget, anything else of the main window.
QWidget *TestI2cDump::widget(const QString &path) const
{
    const QString scope = path.section(QLatin1Char(':'), 0, 0);
    const QObject *parent = m_window.get();
    if (scope == QLatin1String("read") || scope == QLatin1String("write"))
        parent = child<QDialog>(*m_window, scope == QLatin1String("read") ? "I2CDump_ReadREG"
                                                                          : "I2CDump_WriteREG");
    else if (scope == QLatin1String("tools"))
        parent = m_window->findChild<nuvelix_i2c_tools *>();
    return child<QWidget>(*parent, path.section(QLatin1Char(':'), -1).toLatin1().constData());
}

// Steps:
// - "press PATH", "choose PATH=ITEM" (a combo box), "type PATH=TEXT",
//   "type PATH=tokens N" (N tokens 0x5a), "destroy" (the window, checking
//   that its dialogs go with it), "show" (the window, on the i2cdump tab),
//   "watch paints" (of the tabs and the Open button);
// - the board: "register REG=VALUE" (hex), "table" (its next table now,
//   while streaming), "burst N" (N tables in one write, every register one
//   more in each), "say HEX";
// - checks: "sent HEX" (exactly the bytes the board got since the last
//   check, "sent" alone for none), "cell REG=TEXT SHADE" (hex; see
//   cellShown; "cell REG=TEXT" for the text alone), "log=TEXT" ("|" for a
//   line end), "shows PATH=TEXT" (a button's text), "enabled PATH=yes|no",
//   "dialogs N", "paints=N" (since "watch paints").
void TestI2cDump::step(const QString &step)
{
    const QString verb = step.section(QLatin1Char(' '), 0, 0);
    const QString rest = step.section(QLatin1Char(' '), 1);
    const QString name = rest.section(QLatin1Char('='), 0, 0);
    const QString value = rest.section(QLatin1Char('='), 1);
    const auto dialogs = [this] {
        return m_window->findChildren<QDialog *>(QStringLiteral("I2CDump_ReadREG")) +
               m_window->findChildren<QDialog *>(QStringLiteral("I2CDump_WriteREG"));
    };
    if (verb == QLatin1String("press")) {
        auto *button = qobject_cast<QPushButton *>(widget(rest));
        QVERIFY2(button && button->isEnabled(), qPrintable(rest));
        button->click();
    } else if (verb == QLatin1String("choose")) {
        auto *box = qobject_cast<QComboBox *>(widget(name));
        QVERIFY2(box && box->findText(value) >= 0, qPrintable(step));
        box->setCurrentIndex(box->findText(value));
    } else if (verb == QLatin1String("type")) {
        const qsizetype tokens = value.section(QLatin1Char(' '), 1).toLongLong();
        qobject_cast<QLineEdit *>(widget(name))
            ->setText(value.startsWith(QLatin1String("tokens "))
                          ? QStringList(tokens, QStringLiteral("0x5a")).join(QLatin1Char(','))
                          : value);
    } else if (verb == QLatin1String("destroy")) {
        const QList<QDialog *> open = dialogs();
        const QList<QPointer<QDialog>> watched(open.cbegin(), open.cend());
        m_window.reset();
        QVERIFY(!watched.isEmpty());
        for (const QPointer<QDialog> &dialog : watched)
            QVERIFY(dialog.isNull());
    } else if (verb == QLatin1String("show")) {
        child<QTabWidget>(*m_window, "tabWidget")
            ->setCurrentWidget(child<QWidget>(*m_window, "i2cdump"));
        m_window->resize(1200, 800);
        m_window->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
    } else if (step == QLatin1String("watch paints")) {
        QTest::qWait(100);
        for (const char *watched : {"tabWidget", "i2cdumpopencompushButton"})
            child<QWidget>(*m_window, watched)->installEventFilter(&m_paints);
        m_paints.count = 0;
    } else if (verb.startsWith(QLatin1String("paints="))) {
        QTest::qWait(100);
        QCOMPARE(m_paints.count, verb.section(QLatin1Char('='), 1).toInt());
    } else if (verb == QLatin1String("register")) {
        m_board->registers[name.toInt(nullptr, 16)] = char(value.toInt(nullptr, 16));
    } else if (verb == QLatin1String("table")) {
        m_board->sendTable();
    } else if (verb == QLatin1String("burst")) {
        m_board->sendBurst(rest.toInt());
    } else if (verb == QLatin1String("say")) {
        m_board->say(QByteArray::fromHex(rest.toLatin1()));
    } else if (verb == QLatin1String("sent")) {
        const QByteArray expected = QByteArray::fromHex(rest.toLatin1());
        QTRY_VERIFY_WITH_TIMEOUT(m_board->received.size() >= expected.size(), 3000);
        QTest::qWait(50); // room for bytes that should not come
        QCOMPARE(m_board->received.toHex(' '), expected.toHex(' '));
        m_board->received.clear();
    } else if (verb == QLatin1String("cell")) {
        QTRY_COMPARE(cellShown(*m_window->findChild<nuvelix_i2c_tools *>()->registerLabel(
                                   name.toInt(nullptr, 16)))
                         .left(value.size()),
                     value);
    } else if (verb.startsWith(QLatin1String("log="))) {
        QTRY_COMPARE(
            child<QPlainTextEdit>(*m_window, "i2cdump_StrTextBrowser")->toPlainText(),
            step.section(QLatin1Char('='), 1).replace(QLatin1Char('|'), QLatin1Char('\n')));
    } else if (verb == QLatin1String("shows")) {
        QCOMPARE(qobject_cast<QPushButton *>(widget(name))->text(), value);
    } else if (verb == QLatin1String("enabled")) {
        QVERIFY2(widget(name)->isEnabled() == (value == QLatin1String("yes")), qPrintable(step));
    } else if (verb == QLatin1String("dialogs")) {
        QTRY_COMPARE(dialogs().size(), rest.toInt());
    } else {
        QFAIL(qPrintable(QStringLiteral("unknown step ") + step));
    }
}

void TestI2cDump::scenario_data()
{
    QTest::addColumn<QString>("steps");       // separated by "; "
    QTest::addColumn<QStringList>("prompts"); // "title/text"

    const QString open = QStringLiteral("press i2cdumpopencompushButton; ");
    // The table comes only between Start and Stop; a short table sets its
    // cells, a long one the table's.
    const QByteArray longTable = QByteArray(256, '\0') + QByteArray(44, '\x77');
    QTest::newRow("start streams a live table until stop")
        << open +
               "choose tools:comboBox=0x48; register 10=3c; press i2cdump_stop_pushButton; "
               "sent 4b58 03 0001 48 48 4b58 02 0001 ff ff; shows i2cdump_stop_pushButton=Stop; "
               "enabled i2cdumpsancfpushButton=no; "
               "enabled i2cdumpreadpushButton=no; enabled i2cdumpwritepushButton=no; "
               "table; cell 10=3C green; cell 11=00 white; table; cell 10=3C white; "
               "register 10=3d; table; cell 10=3D green; "
               "register 10=3e; table; cell 10=3E pink; table; cell 10=3E white; "
               "press i2cdump_stop_pushButton; shows i2cdump_stop_pushButton=Start; "
               "enabled i2cdumpsancfpushButton=yes; enabled i2cdumpreadpushButton=yes; "
               "enabled i2cdumpwritepushButton=yes; sent 4b58 00 0001 ff ff; say " +
               hexOf(I2cFrame{2, QByteArray(16, '\x01')}.encode()) +
               "; cell 0f=01 green; cell 10=3E white; say " +
               hexOf(I2cFrame{2, longTable}.encode()) + "; cell 0f=00 pink; cell ff=00 white"
        << QStringList{};
    // Of the tables that come between two shows only the newest is put on
    // the cells; the last one stays.
    QTest::newRow("a burst of tables: the last one shows exact")
        << open + "press i2cdump_stop_pushButton; sent 4b58 02 0001 ff ff; burst 200; "
                  "cell 00=C8; cell ff=C8; table; cell 00=C8 white; burst 1; cell 00=C9 green; "
                  "cell ff=C9 green"
        << QStringList{};
    // A new value repaints its cell, not the rest of the tab.
    QTest::newRow("a table repaints only its cells")
        << "show; " + open +
               "press i2cdump_stop_pushButton; sent 4b58 02 0001 ff ff; table; cell 10=00 white; "
               "watch paints; "
               "register 10=3c; table; cell 10=3C green; paints=0"
        << QStringList{};
    // One dialog of each kind; a read answer that comes after its dialog
    // closed is still printed; a new dialog starts at register 0x00.
    QTest::newRow("write, read back, a late answer")
        << open + "press i2cdumpwritepushButton; choose write:reg_comboBox=0x02; "
                  "type write:lineEdit=0x01,0x34,0xab; press write:send_pushButton; "
                  "sent 4b58 04 0004 02 01 34 ab e2; press i2cdumpreadpushButton; "
                  "choose read:reg_comboBox=0x02; choose read:length_comboBox=0x03; "
                  "press i2cdumpreadpushButton; press i2cdumpwritepushButton; dialogs 2; "
                  "press read:read_pushButton; sent 4b58 05 0002 02 03 05; "
                  "log=Reg addr 0x02: 0x01, 0x34, 0xab, |; "
                  "choose read:reg_comboBox=0x20; press read:I2CDump_ReadREGCancel; dialogs 1; "
                  "say 4b58 05 0001 07 07; "
                  "log=Reg addr 0x02: 0x01, 0x34, 0xab, |Reg addr 0x02: 0x07, |; "
                  "press i2cdumpreadpushButton; press read:read_pushButton; "
                  "sent 4b58 05 0002 00 00 00"
        << QStringList{};
    // More than a line edit holds by default is taken; more than a frame
    // carries is refused.
    QTest::newRow("long write input")
        << open +
               "press i2cdumpwritepushButton; type write:lineEdit=tokens 65535; "
               "press write:send_pushButton; sent; type write:lineEdit=tokens 7000; "
               "press write:send_pushButton; sent " +
               hexOf(I2cCommands::writeRegisters(0, QByteArray(7000, '\x5a')))
        << QStringList{"Warning/Invalid input format. Please enter the correct format (e.g., "
                       "0x01,0x34,0xab)"};
    // Reopening sends nothing and keeps the tab streaming; the window goes
    // with its dialogs open.
    QTest::newRow("nothing sent while the port is closed or another tool holds it")
        << open + "press i2cdumpreadpushButton; press i2cdumpwritepushButton; "
                  "type write:lineEdit=0x01; press i2cdump_stop_pushButton; "
                  "sent 4b58 02 0001 ff ff; press i2cdumpopencompushButton; "
                  "enabled i2cdump_stop_pushButton=no; choose tools:comboBox=0x10; "
                  "press read:read_pushButton; press write:send_pushButton; sent; "
                  "press ENVopencompushButton; shows ENVopencompushButton=Close; "
                  "choose tools:comboBox=0x11; press read:read_pushButton; "
                  "press write:send_pushButton; sent; press ENVopencompushButton; "
                  "press i2cdumpopencompushButton; shows i2cdump_stop_pushButton=Stop; "
                  "press i2cdump_stop_pushButton; sent 4b58 00 0001 ff ff; "
                  "press read:read_pushButton; sent 4b58 05 0002 00 00 00; destroy; sent"
        << QStringList{};
    // A scan lists the devices; of 60 answers of two lines each and the empty
    // line after them the log keeps the last 100 lines.
    QString scans = open + "press i2cdumpsancfpushButton; sent 4b58 01 0001 ff ff; "
                           "log=Searching for I2C devices on the bus:|0x3c, 0x48, |; ";
    QString kept = QStringLiteral("log=0x0a, |");
    for (int n = 0; n < 60; ++n) {
        const QString address = QStringLiteral("%1").arg(n, 2, 16, QLatin1Char('0'));
        scans += QStringLiteral("say 4b58 01 0001 %1 %1; ").arg(address);
        if (n > 10)
            kept += QStringLiteral("Searching for I2C devices on the bus:|0x%1, |").arg(address);
    }
    QTest::newRow("scan, and the log keeps its last 100 lines") << scans + kept << QStringList{};
    // The end of a frame cut off by the close is no answer after the open.
    QTest::newRow("an open starts without the bytes of a frame cut off")
        << open +
               "say 4b58 01 0001 0b 0b 4b58 01 0002 3c; "
               "log=Searching for I2C devices on the bus:|0x0b, |; "
               "press i2cdumpopencompushButton; " +
               open +
               "say 48 84 4b58 01 0001 0a 0a; "
               "log=Searching for I2C devices on the bus:|0x0b, |"
               "Searching for I2C devices on the bus:|0x0a, |"
        << QStringList{};
}

void TestI2cDump::scenario()
{
    QFETCH(QString, steps);
    QFETCH(QStringList, prompts);
    for (const QString &s : steps.split(QStringLiteral("; "))) {
        step(s);
        if (QTest::currentTestFailed()) {
            qInfo("at step \"%s\"", qPrintable(s.left(120)));
            return;
        }
    }
    QStringList shown;
    for (const Prompt::Message &message : m_prompts->messages)
        shown.append(message.title + QLatin1Char('/') + message.text);
    QCOMPARE(shown, prompts);
}

// Each chunk reaches the table widget as one read of the port: "3c00 3d00"
// is two tables of registers 0 and 1. Only the newest table of a chunk is
// put on the cells, whose shades count every change since the last show.
void TestI2cDump::tablesBetweenShows_data()
{
    QTest::addColumn<QStringList>("chunks");
    QTest::addColumn<QStringList>("shown"); // registers 0 and 1 after each chunk

    QStringList burst;
    for (int n = 1; n <= 50; ++n)
        burst.append(QStringLiteral("%1").arg(n, 2, 16, QLatin1Char('0')) + QStringLiteral("00"));
    QTest::newRow("a burst of fifty tables shows its last, shaded once")
        << QStringList{burst.join(QLatin1Char(' '))} << QStringList{"32 green, 00 white"};
    QTest::newRow("a change in a table never shown is a change")
        << QStringList{"0500 0500"} << QStringList{"05 green, 00 white"};
    QTest::newRow("changed and back between shows")
        << QStringList{"3c00 0000"} << QStringList{"00 green, 00 white"};
    QTest::newRow("two changes between shows are one step of the shades")
        << QStringList{"0100", "0200 0300", "0300 0300 0400"}
        << QStringList{"01 green, 00 white", "03 pink, 00 white", "04 green, 00 white"};
}

void TestI2cDump::tablesBetweenShows()
{
    QFETCH(QStringList, chunks);
    QFETCH(QStringList, shown);

    nuvelix_i2c_tools tools;
    for (qsizetype n = 0; n < chunks.size(); ++n) {
        QByteArray chunk;
        for (const QString &table : chunks.at(n).split(QLatin1Char(' ')))
            chunk += I2cFrame{2, QByteArray::fromHex(table.toLatin1())}.encode();
        tools.updateValues(chunk);
        QTRY_COMPARE(cellShown(*tools.registerLabel(0)) + QStringLiteral(", ") +
                         cellShown(*tools.registerLabel(1)),
                     shown.at(n));
    }
}

// A cell looks as a plain label with its text, font, palette and size
// does, under the main window's style sheet too; the table fills the widget
// whatever its size.
void TestI2cDump::cellsPaintAsLabels()
{
    for (const QString &sheet : {QString(), QStringLiteral("background-color: white grey")}) {
        nuvelix_i2c_tools tools;
        tools.setStyleSheet(sheet);
        tools.resize(sheet.isEmpty() ? QSize(434, 346) : QSize(901, 737));
        tools.show();
        QVERIFY(QTest::qWaitForWindowExposed(&tools));
        tools.updateLabelValues(0x77, 0xa7);
        const QLabel *cell = tools.registerLabel(0x77);
        QLabel plain(cell->text());
        plain.setStyleSheet(sheet);
        plain.setFont(cell->font());
        plain.setAlignment(Qt::AlignCenter);
        plain.setPalette(cell->palette());
        plain.setAutoFillBackground(true);
        plain.resize(cell->size());
        QCOMPARE(tools.grab(cell->geometry()).toImage(), plain.grab().toImage());
        const QRect last = tools.registerLabel(0xff)->geometry();
        QVERIFY(last.right() > tools.width() - 40 && last.bottom() > tools.height() - 80);
    }
}

// Also the frames' sum: 8 bits, 0 for no bytes.
void TestI2cDump::cellsOutsideTheTableAndTheSum()
{
    nuvelix_i2c_tools table;
    for (const int index : {256, -1})
        table.updateLabelValues(index, 0x42);
    QCOMPARE(cellShown(*table.registerLabel(0)) + cellShown(*table.registerLabel(255)),
             QStringLiteral("00 none00 none"));
    const quint8 bytes[] = {0x10, 0x01, 0x02, 0xff, 0xff};
    QCOMPARE(nuvelix_i2c_tools::calculateChecksum(bytes, 3), 0x13);
    QCOMPARE(nuvelix_i2c_tools::calculateChecksum(bytes, 5), 0x11);
    QCOMPARE(nuvelix_i2c_tools::calculateChecksum(bytes, 0), 0);
}

YURB_TEST_MAIN(TestI2cDump)
#include "tst_i2cdump.moc"
