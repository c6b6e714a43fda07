#include "mainwindow.h"

#include "filewrite.h"
#include "prompt.h"
#include "receivereport.h"
#include "receiveview.h"
#include "regularfile.h"
#include "terminalwidgets.h"

#include <QCheckBox>
#include <QFile>
#include <QFileInfo>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QStatusBar>
#include <QTextCursor>
#include <QTimer>

// The handlers that the serial, UDP and TCP terminals share; each terminal's
// named slot calls them with its own widgets.

namespace {
constexpr int importLimitBytes = 10000;
} // namespace

// The send button: pauses a running repeat (the button then reads the
// terminal's own send text), sends once, or starts a repeat whose first send
// comes one interval later.
void MainWindow::pressSendButton(const TerminalWidgets &terminal)
{
    const QString text = terminal.sendButton->text();
    if (text == tr("Pause") || text == QStringLiteral("暂停")) {
        endRepeat(terminal);
        return;
    }
    if (terminal.sendBox->toPlainText().isEmpty()) {
        statusBar()->showMessage(tr("No Data"));
        return;
    }
    if (!terminal.keepSendBox->isChecked()) {
        terminal.sendBox->setFocus();
        terminal.sendOnce();
        return;
    }
    terminal.sendTimer->start(terminal.sendInterval);
    terminal.sendButton->setText(tr("Pause"));
    terminal.sendButton->setIcon(QIcon(QStringLiteral(":images/pause.png")));
}

// Ends the repeat: the timer stops, what it left queued is taken back where
// the transport allows, and the button reads its send text again.
void MainWindow::endRepeat(const TerminalWidgets &terminal)
{
    terminal.sendTimer->stop();
    if (terminal.dropQueued)
        terminal.dropQueued();
    terminal.sendButton->setText(terminal.sendText);
    terminal.sendButton->setIcon(QIcon(QStringLiteral(":images/send.png")));
}

// "Keep Send" only enables the interval; it neither starts nor stops a repeat.
void MainWindow::keepSendChanged(const TerminalWidgets &terminal)
{
    const bool keep = terminal.keepSendBox->isChecked();
    terminal.intervalBox->setEnabled(keep);
    statusBar()->showMessage(keep ? tr("Enable Keep sending") : tr("Disable Keep sending"));
}

// The hex view is filled while hidden, so showing it loses nothing.
void MainWindow::showOrHideHexView(const TerminalWidgets &terminal)
{
    terminal.receiveView->setHexViewShown(terminal.hexBox->isChecked());
    if (terminal.timeBox->isChecked())
        terminal.receiveView->scrollToBottom();
}

void MainWindow::clearCounters(const TerminalWidgets &terminal)
{
    terminal.receiveReport->clear();
    terminal.sentCounter->display(0);
    terminal.receivedCounter->display(0);
    statusBar()->showMessage(tr("Counter has been cleared"));
}

void MainWindow::clearReceiveViews(const TerminalWidgets &terminal)
{
    terminal.receiveView->clear();
    statusBar()->showMessage(tr("Receive has been cleared"));
}

void MainWindow::clearSendBox(const TerminalWidgets &terminal)
{
    terminal.sendBox->clear();
    statusBar()->showMessage(tr("Send has been cleared"));
}

// Export: the text view's plain text (time stamps included) into a file,
// written beside it and put in its place only once whole, so a failed save
// (a full disk) leaves the old file as it was.
void MainWindow::exportTextView(const TerminalWidgets &terminal)
{
    // What is still waiting for the views belongs in the file too.
    const QString text = terminal.receiveView->plainText();
    if (text.isEmpty()) {
        statusBar()->showMessage(tr("No data need to save"));
        return;
    }
    const QString name = Prompt::saveFileName(this, tr("Save as"), tr("newtxt.txt"));
    if (name.isEmpty())
        return;
    const FileWrite::Result saved = FileWrite::replace(name, text.toUtf8());
    switch (saved.failure) {
    case FileWrite::Failure::Open:
        statusBar()->showMessage(
            tr("Save failed:Open file %1 failed, can't save\n%2").arg(name, saved.reason));
        return;
    case FileWrite::Failure::Write:
        statusBar()->showMessage(
            tr("Save failed:Write file %1 failed, the file is left as it was\n%2")
                .arg(name, saved.reason));
        return;
    case FileWrite::Failure::None:
        break;
    }
    statusBar()->showMessage(QStringLiteral("Saved success.\tsaved: ") +
                             QFileInfo(name).canonicalFilePath());
}

// Import: a regular file of at most 10000 bytes appended to the send box as
// it is (UTF-8, CR LF read as LF). A pipe or a device, whose size says
// nothing of what it gives, is refused. The limit is on the bytes the file
// holds, read until a read gives no more: one that reports a size within it
// and holds more (a /proc file reports none) is read no further than one
// byte past the limit, and told with the bytes read then.
void MainWindow::importIntoSendBox(const TerminalWidgets &terminal)
{
    const QString name = askFileToRead();
    if (name.isEmpty())
        return;
    QFile file(name);
    if (!openRegularFile(file, tr("Load failed: %1 is not a regular file")))
        return;
    const auto tellTooLarge = [this](qint64 size) {
        statusBar()->showMessage(
            tr("Load failed: file size is %1 bytes, Exceeded the limit size 10000 bytes")
                .arg(size));
    };
    if (file.size() > importLimitBytes) {
        tellTooLarge(file.size());
        return;
    }
    std::optional<QByteArray> bytes = RegularFile::readAtMost(file, importLimitBytes + 1);
    if (!bytes) {
        statusBar()->showMessage(tr("Load failed: %1").arg(file.errorString()));
        return;
    }
    if (bytes->size() > importLimitBytes) {
        tellTooLarge(bytes->size());
        return;
    }
    bytes->replace("\r\n", "\n");
    QTextCursor cursor(terminal.sendBox->document());
    cursor.movePosition(QTextCursor::End);
    cursor.insertText(QString::fromUtf8(*bytes));
    statusBar()->showMessage(tr("Success for read the data in the file"));
}

// Opens a chosen file as text to read; a failure is told in the status bar.
bool MainWindow::openToRead(QFile &file)
{
    if (file.open(QIODevice::ReadOnly | QIODevice::Text))
        return true;
    tellOpenFailed();
    return false;
}

void MainWindow::tellOpenFailed()
{
    statusBar()->showMessage(tr("Open failed: Failed to open this file, this may be due to "
                                "insufficient permissions."));
}

// Opens a chosen file to read its bytes when it is a regular file; else
// `notRegular`, given the file's name, or the failure is told in the status
// bar.
bool MainWindow::openRegularFile(QFile &file, const QString &notRegular)
{
    const QString name = file.fileName();
    switch (RegularFile::openToRead(file)) {
    case RegularFile::Opened::Yes:
        return true;
    case RegularFile::Opened::NotRegular:
        statusBar()->showMessage(notRegular.arg(name));
        return false;
    case RegularFile::Opened::Failed:
        tellOpenFailed();
        return false;
    }
    return false;
}

QString MainWindow::askFileToRead()
{
    return Prompt::openFileName(this, tr("Read file"), QString(), tr("(*)"));
}
