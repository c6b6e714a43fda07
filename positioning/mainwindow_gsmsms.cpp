#include "mainwindow.h"
#include "ui_mainwindow.h"

#include "attransaction.h"
#include "gsmreplies.h"
#include "prompt.h"
#include "smslengthguard.h"
#include "smsreply.h"
#include "ucs2hex.h"

#include <algorithm>

namespace {
// A message index is a number: anything else never reaches the modem.
bool isBoxIndex(const QString &text)
{
    return !text.isEmpty() && text.size() <= 5 &&
           std::all_of(text.cbegin(), text.cend(),
                       [](QChar c) { return c >= QLatin1Char('0') && c <= QLatin1Char('9'); });
}

void boxIndexError()
{
    Prompt::critical(nullptr, MainWindow::tr("Info"), QStringLiteral("Error message box number"),
                     QMessageBox::Cancel);
}

// A message command fails with ERROR or a coded message-service error.
void failOnSmsErrors(AtTransaction &transaction)
{
    transaction.failOn(QByteArrayLiteral("ERROR\r\n"));
    transaction.failOn(QByteArrayLiteral("+CMS ERROR"));
}
} // namespace

QString MainWindow::QStringtoUNicode(const QString &text)
{
    return Ucs2Hex::encode(text);
}

QString MainWindow::UNicodetoQString(const QString &hex)
{
    return Ucs2Hex::decode(hex);
}

void MainWindow::GSMReadTextpushButton_triggered()
{
    gsmAct({}, [this] { gsmReadSms(); });
}

// Shows the message read, or the modem's reply as it is when it holds no
// text-mode message (an empty box, the modem in PDU mode). The view is
// emptied first, so that a message read before never stands for this
// answer.
void MainWindow::gsmReadSms()
{
    QString index;
    if (!Prompt::text(nullptr, QStringLiteral("SMS"),
                      QStringLiteral("Please enter the number of the SMS box you need to read."),
                      index))
        return;
    if (!isBoxIndex(index)) {
        boxIndexError();
        return;
    }
    ui->GSMReadtextBrowser->clear();
    AtTransaction read("AT+CMGR=" + index.toLatin1() + "\r\n", 11, 100);
    read.await([](const QByteArray &reply) {
        return GsmReplies::holdsOk(reply) && SmsReply::parse(reply).has_value();
    });
    failOnSmsErrors(read);
    if (!gsmRun(read))
        return;
    const std::optional<SmsReply> message =
        read.matchedIndex() == 0 ? SmsReply::parse(read.reply()) : std::nullopt;
    if (message)
        ui->GSMReadtextBrowser->setPlainText(message->display());
    else if (read.failed())
        gsmFailureBox(read.failureLine());
    else if (GsmReplies::holdsOk(read.reply()))
        ui->GSMReadtextBrowser->setPlainText(QString::fromUtf8(read.reply()));
}

void MainWindow::GSMDelTextpushButton_triggered()
{
    gsmAct({}, [this] { gsmDeleteSms(); });
}

void MainWindow::gsmDeleteSms()
{
    QString index;
    if (!Prompt::text(nullptr, QStringLiteral("Info"),
                      QStringLiteral("Please enter the number of the SMS box to be deleted."),
                      index))
        return;
    if (!isBoxIndex(index)) {
        boxIndexError();
        return;
    }
    // Delete flag 0: only the message at that index.
    gsmRunDelete("AT+CMGD=" + index.toLatin1() + ",0\r\n", 11);
}

// Runs a message command that the modem answers with OK; true when it did.
// A refusal shows the modem's line, and silence "No response" when
// `tellSilence`.
bool MainWindow::gsmSmsCommandOk(const QByteArray &command, int polls, bool tellSilence)
{
    AtTransaction transaction(command, polls, 100);
    transaction.await(&GsmReplies::holdsOk);
    failOnSmsErrors(transaction);
    if (!gsmRun(transaction))
        return false;
    if (transaction.matchedIndex() == 0)
        return true;
    if (transaction.failed())
        gsmFailureBox(transaction.failureLine());
    else if (tellSilence)
        gsmNoResponseBox();
    return false;
}

// Shows the outcome of a delete: done, or the modem's error.
void MainWindow::gsmRunDelete(const QByteArray &command, int polls)
{
    if (gsmSmsCommandOk(command, polls, false))
        Prompt::information(nullptr, tr("Info"), tr("Successfully deleted"), QMessageBox::Cancel);
}

void MainWindow::GSMDelALLTextpushButton_triggered()
{
    gsmAct({}, [this] { gsmDeleteAllSms(); });
}

// Asked with No as the default, so that a stray Enter erases nothing.
// Deleting all needs text mode: with it off, the modem is switched to text
// mode and back, each switch answered before the next command goes out, so
// that only the delete's own answer reports its outcome. A switch the modem
// refuses or leaves unanswered is told, and without text mode nothing is
// deleted.
void MainWindow::gsmDeleteAllSms()
{
    if (Prompt::information(
            nullptr, QStringLiteral("Info"), QStringLiteral("Confirm delete all text messages?"),
            QMessageBox::Yes | QMessageBox::No, QMessageBox::No) != QMessageBox::Yes)
        return;
    const bool textModeOff = gsmSmsTextModeOn == 0;
    if (textModeOff && !gsmSmsCommandOk("AT+CMGF=1\r\n", 11, true))
        return;
    gsmRunDelete("AT+CMGDA=DEL ALL\r\n", 31);
    if (textModeOff)
        (void)gsmSmsCommandOk("AT+CMGF=0\r\n", 11, true);
}

// The number and the text are taken as the press found them.
void MainWindow::GSMSendpushButton_triggered()
{
    const QString number = ui->GSMNUMtextEdit->toPlainText();
    const QString message = ui->GSMtextBrowser->toPlainText();
    gsmAct({}, [this, number, message] { gsmSendSms(number, message); });
}

// The number and the text travel as UCS2 hex text. The two set-up commands
// share a budget of 12 polls; the text goes out after the modem's ">"
// prompt and ends with Ctrl-Z. Without the prompt nothing is sent, and Esc
// takes the modem out of a prompt that came too late.
void MainWindow::gsmSendSms(const QString &number, const QString &message)
{
    if (number.isEmpty())
        return;
    if (message.size() > SmsLengthGuard::maximumUnits) {
        Prompt::critical(nullptr, tr("Info"),
                         tr("The message holds %1 characters; one message holds at most %2.")
                             .arg(message.size())
                             .arg(SmsLengthGuard::maximumUnits),
                         QMessageBox::Cancel);
        return;
    }

    AtTransaction parameters("AT+CSMP=17,167,2,25\r\n", 11, 100);
    parameters.await(QByteArrayLiteral("OK"));
    if (!gsmRun(parameters))
        return;
    AtTransaction characterSet("AT+CSCS=\"UCS2\"\r\n", 12 - parameters.pollsUsed(), 100);
    characterSet.await(QByteArrayLiteral("OK"));
    if (!gsmRun(characterSet))
        return;
    AtTransaction target("AT+CMGS=\"" + QStringtoUNicode(number).toLatin1() + "\"\r\n", 11, 100);
    target.await(&GsmReplies::holdsPrompt);
    failOnSmsErrors(target);
    if (!gsmRun(target))
        return;
    if (target.matchedIndex() != 0) {
        if (!target.failed() && !gsmEscape())
            return;
        statusBar()->showMessage(tr("SMS sent failed"));
        return;
    }

    const QByteArray text = QStringtoUNicode(message).toLatin1();
    AtTransaction write(text, 1, 100);
    if (!gsmRun(write))
        return;
    AtTransaction sent(QByteArray(1, '\x1a'), 51, 100);
    sent.expectEcho(text);
    sent.await(QByteArrayLiteral("CMGS"));
    sent.failOn(QByteArrayLiteral("ERROR"));
    if (!gsmRun(sent))
        return;
    statusBar()->showMessage(sent.matchedIndex() == 0 ? tr("SMS sent successfully")
                                                      : tr("SMS sent failed"));
}

void MainWindow::slotGSMtextBrowser()
{
    QString text = ui->GSMtextBrowser->toPlainText();
    int cursor = ui->GSMtextBrowser->textCursor().position();
    if (!SmsLengthGuard::apply(text, cursor))
        return;
    ui->GSMtextBrowser->setPlainText(text);
    QTextCursor moved = ui->GSMtextBrowser->textCursor();
    moved.setPosition(cursor);
    ui->GSMtextBrowser->setTextCursor(moved);
}
