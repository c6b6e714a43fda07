#include "characteristicwidget.h"
#include "writedialog.h"
#include "yurbtestmain.h"

#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>

namespace {
const QString uuid = QStringLiteral("{00002a19-0000-1000-8000-00805f9b34fb}");

// A section as one line: its row labels and what they hold, then its buttons.
QString summary(const QGroupBox &section)
{
    QStringList parts;
    const auto *form = qobject_cast<const QFormLayout *>(section.layout());
    for (int row = 0; row < form->rowCount(); ++row) {
        const QLayoutItem *label = form->itemAt(row, QFormLayout::LabelRole);
        const QLayoutItem *field = form->itemAt(row, QFormLayout::FieldRole);
        if (!label || !field)
            continue;
        const QString name = qobject_cast<QLabel *>(label->widget())->text();
        if (const auto *edit = qobject_cast<QLineEdit *>(field->widget()))
            parts.append(name + QLatin1Char('=') + edit->text());
        else if (const auto *text = qobject_cast<QLabel *>(field->widget()))
            parts.append(name + QLatin1Char('=') + text->text());
        else
            parts.append(name);
    }
    QStringList buttons;
    for (const QPushButton *button : section.findChildren<QPushButton *>())
        buttons.append(button->text());
    parts.append(QStringLiteral("buttons ") + buttons.join(QLatin1Char(',')));
    return parts.join(QStringLiteral(" | "));
}

QList<QGroupBox *> sections(const CharacteristicWidget &card)
{
    return card.findChildren<QGroupBox *>(QString(), Qt::FindDirectChildrenOnly);
}

QLineEdit *valueField(const CharacteristicWidget &card)
{
    // The value field is the one line edit that is not read-only.
    for (QLineEdit *edit : card.findChildren<QLineEdit *>()) {
        if (!edit->isReadOnly())
            return edit;
    }
    return nullptr;
}

QComboBox *displayMode(const CharacteristicWidget &card)
{
    return card.findChild<QComboBox *>(QStringLiteral("displayModeComboBox_temp_") + uuid);
}

QPushButton *button(const CharacteristicWidget &card, const QString &text)
{
    for (QPushButton *b : card.findChildren<QPushButton *>()) {
        if (b->text() == text)
            return b;
    }
    qFatal("no button %s", qPrintable(text));
}
} // namespace

// The card of a service panel: its sections by permission, the display modes,
// the notify button and the write dialog.
class TestCharacteristicWidget : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void cleanup();
    void sectionsByPermission_data();
    void sectionsByPermission();
    void aShownCharacteristicIsNotAddedAgain();
    void displayModes_data();
    void displayModes();
    void writeOnlyHasNoValueField();
    void notifyButtonToggles();
    void writeFlow_data();
    void writeFlow();
    void writeDialogModes();
};

void TestCharacteristicWidget::cleanup()
{
    WriteDialog::setRunner({});
}

void TestCharacteristicWidget::sectionsByPermission_data()
{
    QTest::addColumn<QString>("permission");
    QTest::addColumn<QString>("expected");

    const QString head = QStringLiteral(
        "Characteristic Name:=Level | Characteristic UUID:=00002a19-0000-1000-8000-00805f9b34fb | "
        "Characteristic Permission:=");
    QTest::newRow("read") << "(  Read )"
                          << head + "(  Read ) | Read Value:= | Display Mode: | buttons Read";
    QTest::newRow("notify") << "(  Notify )"
                            << head +
                                   "(  Notify ) | Notify Value:= | Display Mode: | buttons Notify";
    QTest::newRow("read and notify share the read field")
        << "(  Read Notify )"
        << head + "(  Read Notify ) | Read Value:= | Display Mode: | buttons Read,Notify";
    QTest::newRow("write") << "(  Write )" << head + "(  Write ) | Display Mode: | buttons W";
    QTest::newRow("write without response counts as write")
        << "(  WriteNoResp )" << head + "(  WriteNoResp ) | Display Mode: | buttons W";
    QTest::newRow("indicate is not notify")
        << "(  Indicate )" << head + "(  Indicate ) | Display Mode: | buttons ";
    QTest::newRow("all eight")
        << "(  Read Write Notify Indicate ExtendedProperty Broadcast WriteNoResp WriteSigned )"
        << head + "(  Read Write Notify Indicate ExtendedProperty Broadcast WriteNoResp "
                  "WriteSigned ) | Read Value:= | Display Mode: | buttons Read,Notify,W";
}

void TestCharacteristicWidget::sectionsByPermission()
{
    QFETCH(QString, permission);
    QFETCH(QString, expected);
    CharacteristicWidget card(QStringLiteral("{service}"), nullptr);
    card.setCharacteristicInfo(QStringLiteral("Level"), uuid, QString(), permission);
    QCOMPARE(sections(card).size(), 1);
    const QString actual = summary(*sections(card).first());
    QVERIFY2(actual == expected,
             qPrintable(QStringLiteral("permission \"%1\"\n   expected %2\n   actual   %3")
                            .arg(permission, expected, actual)));
    QComboBox *mode = displayMode(card);
    QVERIFY(mode);
    QCOMPARE(mode->count(), 2);
    QCOMPARE(mode->itemText(0), QStringLiteral("ASCII"));
    QCOMPARE(mode->itemText(1), QStringLiteral("Hexadecimal"));
    QCOMPARE(mode->currentIndex(), 0);
}

void TestCharacteristicWidget::aShownCharacteristicIsNotAddedAgain()
{
    CharacteristicWidget card(QStringLiteral("{service}"), nullptr);
    card.setCharacteristicInfo(QStringLiteral("Level"), uuid, QString(),
                               QStringLiteral("( Read )"));
    card.setCharacteristicInfo(QStringLiteral("Other"), uuid, QString(),
                               QStringLiteral("( Write Notify )"));
    QCOMPARE(sections(card).size(), 1);
    QVERIFY(
        summary(*sections(card).first()).startsWith(QStringLiteral("Characteristic Name:=Level")));
    QCOMPARE(card.findChildren<QPushButton *>().size(), 1);

    card.setCharacteristicInfo(QStringLiteral("Other"), QStringLiteral("{other}"), QString(),
                               QStringLiteral("( Write )"));
    QCOMPARE(sections(card).size(), 2);
}

void TestCharacteristicWidget::displayModes_data()
{
    QTest::addColumn<QByteArray>("value");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("hex");

    QTest::newRow("AB") << QByteArray("AB") << "AB"
                        << "0x41, 0x42";
    QTest::newRow("e acute: the bytes received")
        << QByteArray::fromHex("c3a9") << QString::fromUtf8("\xc3\xa9") << "0xc3, 0xa9";
    QTest::newRow("not UTF-8: the bytes received")
        << QByteArray::fromHex("ff41") << QStringLiteral("\ufffdA") << "0xff, 0x41";
    QTest::newRow("nothing") << QByteArray() << ""
                             << "";
}

// A value shows as text or as the bytes received, and toggles either way.
void TestCharacteristicWidget::displayModes()
{
    QFETCH(QByteArray, value);
    QFETCH(QString, text);
    QFETCH(QString, hex);
    CharacteristicWidget card(QStringLiteral("{service}"), nullptr);
    card.setCharacteristicInfo(QStringLiteral("Level"), uuid, QString(),
                               QStringLiteral("(  Read Notify )"));
    QLineEdit *field = valueField(card);
    QComboBox *mode = displayMode(card);
    QVERIFY(field && mode);
    QCOMPARE(field->focusPolicy(), Qt::NoFocus);

    const QString bytes = QString::fromLatin1(value.toHex());
    const auto check = [&](const char *when, const QString &expected) {
        return qPrintable(QStringLiteral("bytes %1, %2: expected \"%3\", got \"%4\"")
                              .arg(bytes, QLatin1String(when), expected, field->text()));
    };
    card.updateCharacteristicValue(uuid, value);
    QVERIFY2(field->text() == text, check("as text", text));
    mode->setCurrentIndex(1);
    QVERIFY2(field->text() == hex, check("to hexadecimal", hex));
    mode->setCurrentIndex(0);
    QVERIFY2(field->text() == text, check("back to text", text));
    mode->setCurrentIndex(1);
    card.updateCharacteristicValue(uuid, value);
    QVERIFY2(field->text() == hex, check("arriving in hexadecimal", hex));

    card.updateCharacteristicValue(QStringLiteral("{unknown}"), value);
    QVERIFY2(field->text() == hex, check("another characteristic's value", hex));
}

void TestCharacteristicWidget::writeOnlyHasNoValueField()
{
    CharacteristicWidget card(QStringLiteral("{service}"), nullptr);
    card.setCharacteristicInfo(QStringLiteral("Level"), uuid, QString(),
                               QStringLiteral("(  Write )"));
    QCOMPARE(valueField(card), nullptr);
    displayMode(card)->setCurrentIndex(1);
    card.updateCharacteristicValue(uuid, "AB");
    QCOMPARE(valueField(card), nullptr);
}

void TestCharacteristicWidget::notifyButtonToggles()
{
    CharacteristicWidget card(QStringLiteral("{service}"), nullptr);
    card.setCharacteristicInfo(QStringLiteral("Level"), uuid, QString(),
                               QStringLiteral("(  Notify )"));
    QSignalSpy requests(&card, &CharacteristicWidget::notifyCharacteristicRequested);
    auto *notify = card.findChild<QPushButton *>(QStringLiteral("notifyButton_") + uuid);
    QVERIFY(notify);
    const QStringList texts{"Subscribed", "Notify", "Subscribed"};
    const QStringList styles{"background-color: green; color: white;", "",
                             "background-color: green; color: white;"};
    for (int press = 0; press < 3; ++press) {
        notify->click();
        QCOMPARE(notify->text(), texts[press]);
        QCOMPARE(notify->styleSheet(), styles[press]);
        QCOMPARE(requests.size(), press + 1);
        QCOMPARE(requests.last().at(0).toString(), uuid);
        QCOMPARE(requests.last().at(1).toBool(), press != 1);
    }
}

void TestCharacteristicWidget::writeFlow_data()
{
    QTest::addColumn<QString>("data");
    QTest::addColumn<int>("mode");
    QTest::addColumn<bool>("accept");
    QTest::addColumn<int>("requests");
    QTest::addColumn<bool>("hex");

    QTest::newRow("text") << "hello" << 0 << true << 1 << false;
    QTest::newRow("hexadecimal passed on as typed") << "0x4g1" << 1 << true << 1 << true;
    QTest::newRow("closed without OK") << "hello" << 0 << false << 0 << false;
}

// The "W" button asks for the data and passes it on unless the dialog is
// closed without OK.
void TestCharacteristicWidget::writeFlow()
{
    QFETCH(QString, data);
    QFETCH(int, mode);
    QFETCH(bool, accept);
    QFETCH(int, requests);
    QFETCH(bool, hex);
    WriteDialog::setRunner([&](WriteDialog &dialog) {
        dialog.findChild<QLineEdit *>(QStringLiteral("dataEdit"))->setText(data);
        dialog.findChild<QComboBox *>(QStringLiteral("modeComboBox"))->setCurrentIndex(mode);
        if (accept)
            dialog.findChild<QPushButton *>(QStringLiteral("okButton"))->click();
        else
            dialog.reject();
        return dialog.result();
    });
    CharacteristicWidget card(QStringLiteral("{service}"), nullptr);
    card.setCharacteristicInfo(QStringLiteral("Level"), uuid, QString(),
                               QStringLiteral("(  WriteNoResp )"));
    QSignalSpy spy(&card, &CharacteristicWidget::writeCharacteristicRequested);
    button(card, QStringLiteral("W"))->click();
    QCOMPARE(spy.size(), requests);
    if (requests == 1) {
        QCOMPARE(spy.first().at(0).toString(), uuid);
        QCOMPARE(spy.first().at(1).toString(), data);
        QCOMPARE(spy.first().at(2).toBool(), hex);
    }
}

void TestCharacteristicWidget::writeDialogModes()
{
    WriteDialog dialog;
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Write Data"));
    auto *mode = dialog.findChild<QComboBox *>(QStringLiteral("modeComboBox"));
    QCOMPARE(mode->count(), 2);
    QCOMPARE(mode->itemText(0), QStringLiteral("ASCII"));
    QCOMPARE(mode->itemText(1), QStringLiteral("Hex"));
    QCOMPARE(dialog.isHexMode(), false);
    mode->setCurrentIndex(1);
    QCOMPARE(dialog.isHexMode(), true);
    dialog.findChild<QLineEdit *>(QStringLiteral("dataEdit"))->setText(QStringLiteral("01 02"));
    QCOMPARE(dialog.getData(), QStringLiteral("01 02"));
}

YURB_TEST_MAIN(TestCharacteristicWidget)
#include "tst_characteristicwidget.moc"
