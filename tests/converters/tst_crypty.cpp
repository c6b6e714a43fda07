#include "catalogues.h"
#include "longtextedit.h"
#include "mainwindow.h"
#include "promptrecorder.h"
#include "windowprobe.h"
#include "yurbtestmain.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTranslator>

#include <memory>

// The "Crypty" tab: one block through the cipher from the form, the
// warnings, the boxes' lengths, and Base64 both ways.
class TestCrypty : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void cipher_data();
    void cipher();
    void boxLengths();
    void chineseWarning();
    void base64();

private:
    std::unique_ptr<PromptRecorder> m_prompts;
    std::unique_ptr<MainWindow> m_window;
};

void TestCrypty::init()
{
    m_prompts = std::make_unique<PromptRecorder>();
    m_window = std::make_unique<MainWindow>();
}

void TestCrypty::cleanup()
{
    m_window.reset();
    m_prompts.reset();
}

void TestCrypty::cipher_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("data");
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("warning");
    QTest::addColumn<QString>("result");

    const auto shows = [](const char *name, int mode, const QString &key, const char *data,
                          const char *button, const char *result) {
        QTest::newRow(name) << mode << key << data << button << "" << result;
    };
    // A refused press keeps the result box's text.
    const auto warns = [](const char *name, int mode, const QString &key, const QString &data,
                          const QString &warning) {
        QTest::newRow(name) << mode << key << data << "DespushButton_Encryption" << warning
                            << "before";
    };
    const QString k1 = QStringLiteral("0123456789abcdef");
    const QString k123 = QStringLiteral("0123456789ABCDEF23456789ABCDEF01456789ABCDEF0123");
    const char *encrypt = "DespushButton_Encryption";
    const char *decrypt = "DespushButton_Decryption";
    const QString notHex = QStringLiteral("Please enter '0' - '9', 'A' - 'F'");
    shows("DES, lower case", 0, k1, "4e6f772069732074", encrypt, "3FA40E8A984D4815");
    shows("DES back", 0, k1, "3FA40E8A984D4815", decrypt, "4E6F772069732074");
    shows("2DES, K2 = K1", 1, k1 + k1, "4E6F772069732074", encrypt, "3FA40E8A984D4815");
    shows("3DES", 2, k123, "5468652071756663", encrypt, "A826FD8CE53B855F");
    shows("3DES back", 2, k123, "A826FD8CE53B855F", decrypt, "5468652071756663");
    warns("15 digits", 0, k1, QStringLiteral("4E6F77206973207"), "Error for Data");
    warns("empty key", 2, QString(), QStringLiteral("4E6F772069732074"), "Error for Data");
    warns("empty data", 0, k1, QString(), "Error for Data");
    warns("2DES, DES key", 1, k1, QStringLiteral("4E6F772069732074"), "Error for Data");
    warns("3DES, 2DES key", 2, k1 + k1, QStringLiteral("4E6F772069732074"), "Error for Data");
    warns("G in the data", 0, k1, QStringLiteral("4E6F77206973207G"), notHex);
    warns("blank in the key", 0, QStringLiteral("0123456789ABCD F"),
          QStringLiteral("4E6F772069732074"), notHex);
    warns("beyond Latin-1", 0, k1, QStringLiteral("4E6F77206973207\u4E2D"), notHex);
}

void TestCrypty::cipher()
{
    QFETCH(int, mode);
    QFETCH(QString, key);
    QFETCH(QString, data);
    QFETCH(QString, button);
    QFETCH(QString, warning);
    QFETCH(QString, result);

    child<QComboBox>(*m_window, "DEScomboBox")->setCurrentIndex(mode);
    child<QLineEdit>(*m_window, "DeslineEdit_KEY")->setText(key);
    child<QLineEdit>(*m_window, "DeslineEdit_Data")->setText(data);
    auto *shown = child<QLineEdit>(*m_window, "DeslineEdit_Result");
    shown->setText(QStringLiteral("before"));
    child<QPushButton>(*m_window, qPrintable(button))->click();
    QCOMPARE(shown->text(), result);
    QCOMPARE(m_prompts->messages.size(), warning.isEmpty() ? 0 : 1);
    if (!warning.isEmpty()) {
        QCOMPARE(m_prompts->messages.first().kind, Prompt::Kind::Warning);
        QCOMPARE(m_prompts->messages.first().title, QStringLiteral("warning:"));
        QCOMPARE(m_prompts->messages.first().text, warning);
    }
}

// The key box follows the mode; the length boxes follow the user's edits.
void TestCrypty::boxLengths()
{
    QCOMPARE(child<QGroupBox>(*child<QWidget>(*m_window, "Crypty"), "groupBox_13")->title(),
             QStringLiteral("DES - CBC"));
    auto *mode = child<QComboBox>(*m_window, "DEScomboBox");
    auto *key = child<QLineEdit>(*m_window, "DeslineEdit_KEY");
    auto *data = child<QLineEdit>(*m_window, "DeslineEdit_Data");
    auto *keyLength = child<QLineEdit>(*m_window, "DeslineEdit_KEYLEN");
    QCOMPARE(key->maxLength(), 16);
    QCOMPARE(data->maxLength(), 16);
    QVERIFY(keyLength->isReadOnly());
    QVERIFY(child<QLineEdit>(*m_window, "DeslineEdit_Result")->isReadOnly());

    mode->setCurrentIndex(2);
    QCOMPARE(key->maxLength(), 48);
    QTest::keyClicks(key, QString(50, QLatin1Char('a')));
    QCOMPARE(key->text().size(), 48);
    QCOMPARE(keyLength->text(), QStringLiteral("48"));
    QTest::keyClicks(data, QStringLiteral("0123"));
    QCOMPARE(child<QLineEdit>(*m_window, "DeslineEdit_Datalen")->text(), QStringLiteral("4"));

    mode->setCurrentIndex(0);
    QCOMPARE(key->text(), QString(16, QLatin1Char('a')));
    QCOMPARE(keyLength->text(), QStringLiteral("48"));
    QTest::keyClick(key, Qt::Key_Backspace);
    QCOMPARE(keyLength->text(), QStringLiteral("15"));
}

// The Chinese catalogue translates the title and leaves the message English.
void TestCrypty::chineseWarning()
{
    QTranslator chinese;
    QVERIFY(chinese.load(Catalogues::languageCatalogue(QLocale::Chinese)));
    QCoreApplication::installTranslator(&chinese);
    child<QPushButton>(*m_window, "DespushButton_Encryption")->click();
    QCoreApplication::removeTranslator(&chinese);
    QCOMPARE(m_prompts->messages.size(), 1);
    QCOMPARE(m_prompts->messages.first().title, QStringLiteral("警告:"));
    QCOMPARE(m_prompts->messages.first().text, QStringLiteral("Error for Data"));
}

void TestCrypty::base64()
{
    auto *source = child<LongTextEdit>(*m_window, "base64_source_textBrowser");
    auto *target = child<LongTextEdit>(*m_window, "base64_to_textBrowser");
    auto *encode = child<QPushButton>(*m_window, "base64_encode_pushButton");
    auto *decode = child<QPushButton>(*m_window, "base64_decode_pushButton");
    encode->click();
    QCOMPARE(target->text(), QString());

    const QString text = QStringLiteral("<b>中文</b> text");
    source->setText(text);
    encode->click();
    QCOMPARE(target->text(), QStringLiteral("PGI+5Lit5paHPC9iPiB0ZXh0"));
    source->setText(target->text());
    decode->click();
    QCOMPARE(target->text(), text);
}

YURB_TEST_MAIN(TestCrypty)
#include "tst_crypty.moc"
