#include "catalogues.h"
#include "mainwindow.h"
#include "promptrecorder.h"
#include "windowprobe.h"
#include "yurbtestmain.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTextEdit>
#include <QTranslator>

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

    const QString encrypt = QStringLiteral("DespushButton_Encryption");
    const QString decrypt = QStringLiteral("DespushButton_Decryption");
    const QString key = QStringLiteral("0123456789abcdef");
    QTest::newRow("DES") << 0 << key << "4e6f772069732074" << encrypt << ""
                         << "3FA40E8A984D4815";
    QTest::newRow("DES back") << 0 << key << "3FA40E8A984D4815" << decrypt << ""
                              << "4E6F772069732074";
    QTest::newRow("2DES, K2 = K1") << 1 << key + key << "4E6F772069732074" << encrypt << ""
                                   << "3FA40E8A984D4815";
    QTest::newRow("15 digits") << 0 << key << "4E6F77206973207" << encrypt << "Error for Data"
                               << "before";
    QTest::newRow("G") << 0 << key << "4E6F77206973207G" << encrypt
                       << "Please enter '0' - '9', 'A' - 'F'"
                       << "before";
    QTest::newRow("2DES, DES key") << 1 << key << "4E6F772069732074" << decrypt << "Error for Data"
                                   << "before";
    QTest::newRow("empty key") << 2 << ""
                               << "4E6F772069732074" << encrypt << "Error for Data"
                               << "before";
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
    QCOMPARE(child<QGroupBox>(*m_window, "groupBox_13")->title(), QStringLiteral("DES - CBC"));
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
    key->setFocus();
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
    auto *source = child<QTextEdit>(*m_window, "base64_source_textBrowser");
    auto *target = child<QTextEdit>(*m_window, "base64_to_textBrowser");
    auto *encode = child<QPushButton>(*m_window, "base64_encode_pushButton");
    auto *decode = child<QPushButton>(*m_window, "base64_decode_pushButton");
    QCOMPARE(source->wordWrapMode(), QTextOption::WrapAnywhere);
    QCOMPARE(target->wordWrapMode(), QTextOption::WrapAnywhere);
    encode->click();
    QCOMPARE(target->toPlainText(), QString());

    const QString text = QStringLiteral("<b>中文</b> text");
    source->setPlainText(text);
    encode->click();
    QCOMPARE(target->toPlainText(), QStringLiteral("PGI+5Lit5paHPC9iPiB0ZXh0"));
    source->setPlainText(target->toPlainText());
    decode->click();
    QCOMPARE(target->toPlainText(), text);
}

YURB_TEST_MAIN(TestCrypty)
#include "tst_crypty.moc"
