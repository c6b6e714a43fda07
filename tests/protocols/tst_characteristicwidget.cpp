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
    void notifyButtonToggles();
    void writeFlow();
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
    QTest::newRow("write-only: no value field")
        << "(  Write )" << head + "(  Write ) | Display Mode: | buttons W";
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
    // Neither a value nor a mode change shows anything without a value field.
    if (!valueField(card)) {
        displayMode(card)->setCurrentIndex(1);
        card.updateCharacteristicValue(uuid, "AB");
    }
    const QString actual = summary(*sections(card).first());
    QVERIFY2(actual == expected,
             qPrintable(QStringLiteral("permission \"%1\"\n   expected %2\n   actual   %3")
                            .arg(permission, expected, actual)));
}

void TestCharacteristicWidget::aShownCharacteristicIsNotAddedAgain()
{
    CharacteristicWidget card(QStringLiteral("{service}"), nullptr);
    card.setCharacteristicInfo(QStringLiteral("Level"), uuid, QString(),
                               QStringLiteral("( Read )"));
    card.setCharacteristicInfo(QStringLiteral("Other"), uuid, QString(),
                               QStringLiteral("( Write Notify )"));
    QCOMPARE(sections(card).size(), 1);
    QVERIFY(summary(*sections(card).first()).contains(QStringLiteral("Name:=Level |")));
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
    QCOMPARE(field->focusPolicy(), Qt::NoFocus);

    QStringList shown; // as text, to hexadecimal, back to text, arriving in hexadecimal
    card.updateCharacteristicValue(uuid, value);
    shown.append(field->text());
    for (const int mode : {1, 0, 1}) {
        displayMode(card)->setCurrentIndex(mode);
        shown.append(field->text());
    }
    card.updateCharacteristicValue(QStringLiteral("{unknown}"), "other");
    card.updateCharacteristicValue(uuid, value);
    shown.last() = field->text();
    const QStringList expected{text, hex, text, hex};
    QVERIFY2(shown == expected, qPrintable(QStringLiteral("bytes %1: expected [%2], got [%3]")
                                               .arg(QString::fromLatin1(value.toHex()),
                                                    expected.join(QStringLiteral("; ")),
                                                    shown.join(QStringLiteral("; ")))));
}

void TestCharacteristicWidget::notifyButtonToggles()
{
    CharacteristicWidget card(QStringLiteral("{service}"), nullptr);
    card.setCharacteristicInfo(QStringLiteral("Level"), uuid, QString(),
                               QStringLiteral("(  Notify )"));
    QSignalSpy requests(&card, &CharacteristicWidget::notifyCharacteristicRequested);
    auto *notify = card.findChild<QPushButton *>(QStringLiteral("notifyButton_") + uuid);
    QStringList shown;
    for (int press = 0; press < 3; ++press) {
        notify->click();
        shown.append(notify->text() + QLatin1Char('/') + notify->styleSheet() + QLatin1Char('/') +
                     requests.last().at(0).toString() + QLatin1Char('/') +
                     requests.last().at(1).toString());
    }
    const QString on = "Subscribed/background-color: green; color: white;/" + uuid + "/true";
    QCOMPARE(shown, (QStringList{on, "Notify//" + uuid + "/false", on}));
}

// The "W" button asks for the data and passes it on as typed, unless the
// dialog is closed without OK.
void TestCharacteristicWidget::writeFlow()
{
    bool accept = true;
    QString title;
    WriteDialog::setRunner([&](WriteDialog &dialog) {
        title = dialog.windowTitle();
        dialog.findChild<QLineEdit *>(QStringLiteral("dataEdit"))->setText(QStringLiteral("0x4g1"));
        dialog.findChild<QComboBox *>(QStringLiteral("modeComboBox"))->setCurrentIndex(1);
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
    auto *write = card.findChild<QPushButton *>();
    write->click();
    QCOMPARE(title, QStringLiteral("Write Data"));
    QCOMPARE(spy.size(), 1);
    QCOMPARE(spy.first(), (QVariantList{uuid, QStringLiteral("0x4g1"), true}));
    accept = false;
    write->click();
    QCOMPARE(spy.size(), 1);
}

YURB_TEST_MAIN(TestCharacteristicWidget)
#include "tst_characteristicwidget.moc"
