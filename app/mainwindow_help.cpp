#include "mainwindow.h"
#include "ui_help.h"

#include <QDialog>
#include <QPushButton>

// Opens the modeless Help dialog unless it is already open.
void MainWindow::on_actionHelp_triggered()
{
    if (helpOpen)
        return;

    auto *const dialog = new QDialog(this);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    auto *const form = new Ui::Help;
    form->setupUi(dialog);
    helpDialog = dialog;
    helpUi = form;
    connect(form->helpdialogCancel, &QPushButton::pressed, dialog, &QDialog::close);
    // The form goes with its dialog, even when the window itself is destroyed.
    connect(dialog, &QObject::destroyed, dialog, [form] { delete form; });
    connect(dialog, &QObject::destroyed, &m_dialogGuard, [this] { slothelpdialogclose(); });
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
