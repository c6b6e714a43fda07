#include "mainwindow.h"
#include "ui_help.h"

#include "tooldialog.h"

#include <QDialog>
#include <QPushButton>

// Opens the modeless Help dialog unless it is already open.
void MainWindow::on_actionHelp_triggered()
{
    if (helpOpen)
        return;

    ToolDialog *const dialog = newToolDialog([this] { slothelpdialogclose(); });
    Ui::Help *const form = dialog->installForm<Ui::Help>();
    helpDialog = dialog;
    helpUi = form;
    connect(form->helpdialogCancel, &QPushButton::pressed, dialog, &QDialog::close);
    helpOpen = true;
    dialog->setWindowFlags(dialog->windowFlags() & ~Qt::WindowContextHelpButtonHint);
    dialog->show();
}

// The Help dialog has gone (its form with it): the next "Help" opens a new one.
void MainWindow::slothelpdialogclose()
{
    helpOpen = false;
    helpDialog = nullptr;
    helpUi = nullptr;
}
