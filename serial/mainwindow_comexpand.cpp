#include "mainwindow.h"
#include "ui_com_expand.h"
#include "ui_mainwindow.h"

#include "commandescapes.h"
#include "prompt.h"
#include "settingsfile.h"
#include "tooldialog.h"

#include <QDialog>
#include <QSettings>

namespace {
constexpr int commandCount = 12;

QString captionKey(int row)
{
    return QStringLiteral("COMMAND%1_NAME").arg(row + 1);
}

QString textKey(int row)
{
    return QStringLiteral("COMMAND%1").arg(row + 1);
}
} // namespace

// The widgets of one row of the panel, row 0 being "1.".
MainWindow::CommandRow MainWindow::commandRow(int row) const
{
    const Ui::COM_Expand &f = *comExpandUi;
    const CommandRow rows[commandCount] = {
        {f.com_pushButton, f.com_qlineedit, f.com_set_pushButton},
        {f.com_pushButton_2, f.com_qlineedit_2, f.com_set_pushButton_2},
        {f.com_pushButton_3, f.com_qlineedit_3, f.com_set_pushButton_3},
        {f.com_pushButton_4, f.com_qlineedit_4, f.com_set_pushButton_4},
        {f.com_pushButton_5, f.com_qlineedit_5, f.com_set_pushButton_5},
        {f.com_pushButton_6, f.com_qlineedit_6, f.com_set_pushButton_6},
        {f.com_pushButton_7, f.com_qlineedit_7, f.com_set_pushButton_7},
        {f.com_pushButton_8, f.com_qlineedit_8, f.com_set_pushButton_8},
        {f.com_pushButton_9, f.com_qlineedit_9, f.com_set_pushButton_9},
        {f.com_pushButton_10, f.com_qlineedit_10, f.com_set_pushButton_10},
        {f.com_pushButton_11, f.com_qlineedit_11, f.com_set_pushButton_11},
        {f.com_pushButton_12, f.com_qlineedit_12, f.com_set_pushButton_12},
    };
    return rows[row];
}

void MainWindow::slotCom_expand()
{
    if (comExpandOpen)
        return;
    comExpandDialog = newToolDialog([this] { slotCom_expandclose(); });
    comExpandUi = comExpandDialog->installForm<Ui::COM_Expand>();
    comExpandDialog->onPress(comExpandUi->save_pushButton, this, &MainWindow::slotCOM_expandsave);
    using Slot = void (MainWindow::*)();
    const Slot sendSlots[commandCount] = {
        &MainWindow::slotcom_pushButton,    &MainWindow::slotcom_pushButton_2,
        &MainWindow::slotcom_pushButton_3,  &MainWindow::slotcom_pushButton_4,
        &MainWindow::slotcom_pushButton_5,  &MainWindow::slotcom_pushButton_6,
        &MainWindow::slotcom_pushButton_7,  &MainWindow::slotcom_pushButton_8,
        &MainWindow::slotcom_pushButton_9,  &MainWindow::slotcom_pushButton_10,
        &MainWindow::slotcom_pushButton_11, &MainWindow::slotcom_pushButton_12};
    const Slot setSlots[commandCount] = {
        &MainWindow::slotcom_set_pushButton,    &MainWindow::slotcom_set_pushButton_2,
        &MainWindow::slotcom_set_pushButton_3,  &MainWindow::slotcom_set_pushButton_4,
        &MainWindow::slotcom_set_pushButton_5,  &MainWindow::slotcom_set_pushButton_6,
        &MainWindow::slotcom_set_pushButton_7,  &MainWindow::slotcom_set_pushButton_8,
        &MainWindow::slotcom_set_pushButton_9,  &MainWindow::slotcom_set_pushButton_10,
        &MainWindow::slotcom_set_pushButton_11, &MainWindow::slotcom_set_pushButton_12};
    for (int row = 0; row < commandCount; ++row) {
        const CommandRow widgets = commandRow(row);
        comExpandDialog->onPress(widgets.setButton, this, setSlots[row]);
        comExpandDialog->onPress(widgets.sendButton, this, sendSlots[row]);
    }

    comExpandOpen = true;
    comExpandDialog->show();
    comExpandDialog->setStyleSheet(QStringLiteral("background-color: white grey"));

    for (int row = 0; row < commandCount; ++row) {
        const CommandRow widgets = commandRow(row);
        const QString caption = settings->value(captionKey(row)).toString();
        if (!caption.isEmpty())
            widgets.sendButton->setText(caption);
        const QString text = settings->value(textKey(row)).toString();
        if (!text.isEmpty())
            widgets.command->setText(text);
    }
}

void MainWindow::slotCom_expandclose()
{
    comExpandOpen = false;
    comExpandDialog = nullptr;
    comExpandUi = nullptr;
}

// The twelve rows go to the file at once; a save that does not reach it is
// told, and the panel keeps the edits.
void MainWindow::slotCOM_expandsave()
{
    const bool saved = saveSettings([this](QSettings &file) {
        for (int row = 0; row < commandCount; ++row) {
            const CommandRow widgets = commandRow(row);
            file.setValue(captionKey(row), widgets.sendButton->text());
            file.setValue(textKey(row), widgets.command->text());
        }
    });
    if (!saved)
        Prompt::warning(comExpandDialog, tr("Message"), tr("The settings could not be saved."));
}

void MainWindow::sendStoredCommand(int row)
{
    if (comExpandUi)
        command_sendMsg(commandRow(row).command->text().toUtf8());
}

// The name goes to the panel that asked, unless it closed meanwhile.
void MainWindow::renameStoredCommand(int row)
{
    const Ui::COM_Expand *const asking = comExpandUi;
    QString caption;
    if (asking && Prompt::text(comExpandDialog, tr("command"), QString(), caption) &&
        comExpandUi == asking)
        commandRow(row).sendButton->setText(caption);
}

// The command goes out exactly as its escapes make it, with no line end added.
void MainWindow::command_sendMsg(const QByteArray &bytes)
{
    writeToSerialPort(CommandEscapes::expand(bytes));
}

void MainWindow::slotcom_pushButton()
{
    sendStoredCommand(0);
}
void MainWindow::slotcom_pushButton_2()
{
    sendStoredCommand(1);
}
void MainWindow::slotcom_pushButton_3()
{
    sendStoredCommand(2);
}
void MainWindow::slotcom_pushButton_4()
{
    sendStoredCommand(3);
}
void MainWindow::slotcom_pushButton_5()
{
    sendStoredCommand(4);
}
void MainWindow::slotcom_pushButton_6()
{
    sendStoredCommand(5);
}
void MainWindow::slotcom_pushButton_7()
{
    sendStoredCommand(6);
}
void MainWindow::slotcom_pushButton_8()
{
    sendStoredCommand(7);
}
void MainWindow::slotcom_pushButton_9()
{
    sendStoredCommand(8);
}
void MainWindow::slotcom_pushButton_10()
{
    sendStoredCommand(9);
}
void MainWindow::slotcom_pushButton_11()
{
    sendStoredCommand(10);
}
void MainWindow::slotcom_pushButton_12()
{
    sendStoredCommand(11);
}
void MainWindow::slotcom_set_pushButton()
{
    renameStoredCommand(0);
}
void MainWindow::slotcom_set_pushButton_2()
{
    renameStoredCommand(1);
}
void MainWindow::slotcom_set_pushButton_3()
{
    renameStoredCommand(2);
}
void MainWindow::slotcom_set_pushButton_4()
{
    renameStoredCommand(3);
}
void MainWindow::slotcom_set_pushButton_5()
{
    renameStoredCommand(4);
}
void MainWindow::slotcom_set_pushButton_6()
{
    renameStoredCommand(5);
}
void MainWindow::slotcom_set_pushButton_7()
{
    renameStoredCommand(6);
}
void MainWindow::slotcom_set_pushButton_8()
{
    renameStoredCommand(7);
}
void MainWindow::slotcom_set_pushButton_9()
{
    renameStoredCommand(8);
}
void MainWindow::slotcom_set_pushButton_10()
{
    renameStoredCommand(9);
}
void MainWindow::slotcom_set_pushButton_11()
{
    renameStoredCommand(10);
}
void MainWindow::slotcom_set_pushButton_12()
{
    renameStoredCommand(11);
}
